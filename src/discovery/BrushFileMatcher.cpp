#include "discovery/BrushFileMatcher.h"

#include "platform/MimeTypes.h"

#include <QMimeDatabase>
#include <cctype>

namespace {
// Glob with "*" only, as the shared MIME database's brush-file globs need.
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

char AsciiLower(char c)
{
    return char(std::tolower(static_cast<unsigned char>(c)));
}

bool IsAscii(const std::string& s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}
} // namespace

BrushFileMatcher BrushFileMatcher::brushFiles()
{
    // Whatever type the MIME database gives "*.abr": Kelbrin's own, application/x-photoshop-abr,
    // once installed.
    return BrushFileMatcher({QStringLiteral("abr")},
                            MimeTypeNameForExtension(QStringLiteral("abr")));
}

BrushFileMatcher BrushFileMatcher::brushFilesBySuffix()
{
    return BrushFileMatcher({QStringLiteral("abr")});
}

BrushFileMatcher BrushFileMatcher::convertedPackFiles()
{
    return BrushFileMatcher(
        {QStringLiteral("gbr"), QStringLiteral("vbr"), QStringLiteral("bundle")});
}

BrushFileMatcher::BrushFileMatcher(const QStringList& suffixes, const QString& mimeType)
    : mMimeType(mimeType)
{
    for (const QString& suffix : suffixes)
        mSuffixes.push_back('.' + suffix.toLower().toStdString());
    if (mMimeType.isEmpty())
        return;
    // File-name globs of the shared MIME database are matched without case.
    for (const QString& pattern : QMimeDatabase().mimeTypeForName(mMimeType).globPatterns()) {
        Glob glob;
        glob.bytes = pattern.toStdString();
        glob.asciiOnly = IsAscii(glob.bytes);
        mTypeGlobs.push_back(std::move(glob));
    }
}

bool BrushFileMatcher::matches(const char* name, size_t length) const
{
    return hasSuffix(name, length) || hasMimeType(name, length);
}

bool BrushFileMatcher::hasSuffix(const char* name, size_t length) const
{
    for (const std::string& suffix : mSuffixes) {
        if (length < suffix.size())
            continue;
        const char* tail = name + length - suffix.size();
        size_t i = 0;
        while (i < suffix.size() && AsciiLower(tail[i]) == suffix[i])
            ++i;
        if (i == suffix.size())
            return true;
    }
    return false;
}

bool BrushFileMatcher::hasMimeType(const char* name, size_t length) const
{
    bool candidate = false;
    for (const Glob& glob : mTypeGlobs) {
        if (glob.asciiOnly) {
            candidate = GlobMatch(glob.bytes.data(), glob.bytes.size(), name, length, AsciiLower);
        } else {
            const QString pattern = QString::fromStdString(glob.bytes).toCaseFolded();
            const QString text = QString::fromUtf8(name, qsizetype(length)).toCaseFolded();
            candidate = GlobMatch(pattern.constData(), size_t(pattern.size()), text.constData(),
                                  size_t(text.size()), [](QChar c) { return c; });
        }
        if (candidate)
            break;
    }
    if (!candidate)
        return false;
    // The glob said it could be; the MIME database decides which type wins for this name.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QString::fromUtf8(name, qsizetype(length)), QMimeDatabase::MatchExtension);
    return type.inherits(mMimeType);
}
