#include "discovery/MetadataQueryText.h"

#include <QMimeDatabase>
#include <cctype>

namespace {
// Glob with "*" only, as the metadata language has it.
template <typename Char, typename Fold>
bool GlobMatch(const Char* pattern, size_t patternLength, const Char* text, size_t textLength,
               Fold fold)
{
    size_t p = 0, t = 0;
    size_t starP = size_t(-1), starT = 0;
    while (t < textLength) {
        if (p < patternLength && pattern[p] == Char('*')) {
            starP = p++;
            starT = t;
        } else if (p < patternLength && fold(pattern[p]) == fold(text[t])) {
            ++p;
            ++t;
        } else if (starP != size_t(-1)) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < patternLength && pattern[p] == Char('*'))
        ++p;
    return p == patternLength;
}

bool IsAscii(const std::string& s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

class Parser
{
public:
    explicit Parser(const QString& text) : mText(text) {}

    void skipBlanks()
    {
        while (mPos < mText.size() && mText[mPos].isSpace())
            ++mPos;
    }
    bool atEnd()
    {
        skipBlanks();
        return mPos >= mText.size();
    }
    bool take(const QString& token)
    {
        skipBlanks();
        if (QStringView(mText).mid(mPos).startsWith(token)) {
            mPos += token.size();
            return true;
        }
        return false;
    }
    QString identifier()
    {
        skipBlanks();
        const int start = mPos;
        while (mPos < mText.size() && (mText[mPos].isLetterOrNumber() || mText[mPos] == '_'))
            ++mPos;
        return mText.mid(start, mPos - start);
    }
    // A double-quoted string with backslash escapes, then its modifier letters.
    bool quoted(QString& value, QString& modifiers)
    {
        skipBlanks();
        if (mPos >= mText.size() || mText[mPos] != '"')
            return false;
        ++mPos;
        value.clear();
        while (mPos < mText.size() && mText[mPos] != '"') {
            if (mText[mPos] == '\\' && mPos + 1 < mText.size())
                ++mPos;
            value += mText[mPos++];
        }
        if (mPos >= mText.size())
            return false;
        ++mPos;
        modifiers.clear();
        while (mPos < mText.size() && mText[mPos].isLetter())
            modifiers += mText[mPos++];
        return true;
    }
    // An unquoted value such as a MIME type name.
    QString bare()
    {
        skipBlanks();
        const int start = mPos;
        while (mPos < mText.size() && !mText[mPos].isSpace() && mText[mPos] != '"' &&
               mText[mPos] != '|' && mText[mPos] != '(' && mText[mPos] != ')')
            ++mPos;
        return mText.mid(start, mPos - start);
    }

private:
    const QString& mText;
    int mPos = 0;
};
} // namespace

std::optional<MetadataQueryText> MetadataQueryText::parse(const QString& text)
{
    MetadataQueryText query;
    Parser parser(text);
    QMimeDatabase mimeDatabase;
    do {
        Clause clause;
        const QString attribute = parser.identifier();
        if (attribute == QLatin1String("kMDItemFSName"))
            clause.attribute = eAttribute::FSName;
        else if (attribute == QLatin1String("kMDItemContentType"))
            clause.attribute = eAttribute::ContentType;
        else if (attribute == QLatin1String("kMDItemKind"))
            clause.attribute = eAttribute::Kind;
        else
            return std::nullopt;
        if (!parser.take(QStringLiteral("==")))
            return std::nullopt;
        QString modifiers;
        if (!parser.quoted(clause.value, modifiers)) {
            if (clause.attribute != eAttribute::ContentType)
                return std::nullopt;
            clause.value = parser.bare();
        }
        if (clause.value.isEmpty() || (!modifiers.isEmpty() && modifiers != QLatin1String("c")))
            return std::nullopt;
        clause.caseless = !modifiers.isEmpty();

        auto addGlob = [&clause](const QString& pattern, bool caseless) {
            Glob glob;
            glob.bytes = pattern.toStdString();
            glob.caseless = caseless;
            glob.asciiOnly = IsAscii(glob.bytes);
            clause.globs.push_back(std::move(glob));
        };
        switch (clause.attribute) {
        case eAttribute::FSName:
            addGlob(clause.value, clause.caseless);
            break;
        case eAttribute::ContentType:
            // File-name globs of the shared MIME database are matched without case.
            for (const QString& pattern : mimeDatabase.mimeTypeForName(clause.value).globPatterns())
                addGlob(pattern, true);
            break;
        case eAttribute::Kind:
            for (const QMimeType& type : mimeDatabase.allMimeTypes())
                if (type.comment().compare(clause.value, clause.caseless ? Qt::CaseInsensitive
                                                                         : Qt::CaseSensitive) == 0)
                    for (const QString& pattern : type.globPatterns())
                        addGlob(pattern, true);
            break;
        }
        query.mClauses.push_back(std::move(clause));
    } while (parser.take(QStringLiteral("||")));
    if (!parser.atEnd())
        return std::nullopt;
    return query;
}

bool MetadataQueryText::matches(const char* name, size_t length) const
{
    for (const Clause& clause : mClauses)
        if (clauseMatches(clause, name, length))
            return true;
    return false;
}

bool MetadataQueryText::clauseMatches(const Clause& clause, const char* name, size_t length) const
{
    bool candidate = false;
    for (const Glob& glob : clause.globs) {
        if (glob.asciiOnly || !glob.caseless) {
            const bool caseless = glob.caseless;
            auto fold = [caseless](char c) {
                return caseless ? char(std::tolower(static_cast<unsigned char>(c))) : c;
            };
            candidate = GlobMatch(glob.bytes.data(), glob.bytes.size(), name, length, fold);
        } else {
            const QString pattern = QString::fromStdString(glob.bytes).toCaseFolded();
            const QString text = QString::fromUtf8(name, qsizetype(length)).toCaseFolded();
            candidate = GlobMatch(pattern.constData(), size_t(pattern.size()), text.constData(),
                                  size_t(text.size()), [](QChar c) { return c; });
        }
        if (candidate)
            break;
    }
    if (!candidate || clause.attribute == eAttribute::FSName)
        return candidate;

    // The glob said it could be; the MIME database decides which type wins for this name.
    QMimeDatabase mimeDatabase;
    const QMimeType type = mimeDatabase.mimeTypeForFile(QString::fromUtf8(name, qsizetype(length)),
                                                        QMimeDatabase::MatchExtension);
    if (clause.attribute == eAttribute::ContentType)
        return type.inherits(clause.value);
    return type.comment().compare(clause.value,
                                  clause.caseless ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}
