#pragma once

#include <QMimeType>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// The part of the metadata query language the program builds: comparisons ATTR == VALUE joined
// by " || ", on a file's name (a glob with "*", suffix c for case-insensitive), its MIME type
// (kMDItemContentType, by file name) or its MIME type's comment (kMDItemKind). Matching looks
// at the name alone, so it can run on crawler threads.
class MetadataQueryText
{
public:
    // Empty when the text uses anything outside that subset.
    static std::optional<MetadataQueryText> parse(const QString& text);

    // name: a file name as the file system holds it (bytes, normally UTF-8).
    bool matches(const char* name, size_t length) const;
    bool matches(const std::string& name) const { return matches(name.data(), name.size()); }

private:
    enum class eAttribute
    {
        FSName,
        ContentType,
        Kind
    };
    struct Glob
    {
        std::string bytes;     // the pattern as UTF-8
        bool caseless = false; // ASCII letters compare without case
        bool asciiOnly = true; // whether byte-wise case folding is enough
    };
    struct Clause
    {
        eAttribute attribute;
        QString value;
        bool caseless = false;
        // Names that can match at all; the MIME database confirms the candidates.
        std::vector<Glob> globs;
    };

    bool clauseMatches(const Clause& clause, const char* name, size_t length) const;

    std::vector<Clause> mClauses;
};
