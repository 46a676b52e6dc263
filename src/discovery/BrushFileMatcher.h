#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// Which file names a search takes: names that end in one of its suffixes, in any case, and
// names the shared MIME database gives its type by name. It looks at the name alone, never at
// the file, so that crawler threads can ask it about every entry they list.
class BrushFileMatcher
{
public:
    // Every brush file: ".abr", and the names the MIME database calls brush files.
    static BrushFileMatcher brushFiles();
    // ".abr" alone, for searches limited to given folders.
    static BrushFileMatcher brushFilesBySuffix();
    // The files of the packs Kelbrin converts for GIMP (brush files in a folder per pack) and
    // for Krita (bundles).
    static BrushFileMatcher convertedPackFiles();

    // suffixes: ASCII, without their dots ("abr"). mimeType: a type whose files match too, as
    // the MIME database types them by name; empty for none.
    explicit BrushFileMatcher(const QStringList& suffixes, const QString& mimeType = QString());

    // name: a file name as the file system holds it (bytes, normally UTF-8).
    bool matches(const char* name, size_t length) const;
    bool matches(const std::string& name) const { return matches(name.data(), name.size()); }

private:
    struct Glob
    {
        std::string bytes;     // the pattern as UTF-8, "*" its only wildcard
        bool asciiOnly = true; // whether byte-wise case folding is enough
    };
    bool hasSuffix(const char* name, size_t length) const;
    bool hasMimeType(const char* name, size_t length) const;

    std::vector<std::string> mSuffixes; // ".abr", in lower case
    QString mMimeType;
    // Names that can have the type at all; the MIME database confirms the candidates.
    std::vector<Glob> mTypeGlobs;
};
