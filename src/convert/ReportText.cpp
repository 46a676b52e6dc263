#include "convert/ReportText.h"

#include "brush/BrushPreset.h"
#include "platform/Translations.h"

#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {
struct Template
{
    const char* source;
    // The source with a capture for each placeholder. A value holds no "; ", which joins
    // texts: a text is not taken for a value of the text before it.
    QRegularExpression pattern;
    QList<int> numbers;  // the placeholders' numbers, in the order of the captures
    QList<int> names;    // those in quotes: a name, never translated
    qsizetype words = 0; // the characters besides the placeholders
};

// Packs are planned on worker threads as well as on the UI thread.
QMutex gTemplatesLock;
std::vector<Template> gTemplates;

// A pack's presets say the same few things many times over: each text is worked out once. The
// texts with numbers of their own (sizes, counts) are many, so the memory is let go now and then.
constexpr qsizetype kMostShownRemembered = 10000;
QMutex gShownLock;
QHash<QString, QString> gShown;
QString gShownLanguage;

const QRegularExpression& Placeholder()
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    return placeholder;
}

void Remember(const char* source)
{
    const QString text = QString::fromUtf8(source);
    QMutexLocker lock(&gTemplatesLock);
    for (const Template& known : gTemplates) {
        if (qstrcmp(known.source, source) == 0)
            return;
    }
    QString pattern = QStringLiteral("^");
    QList<int> numbers, names;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : Placeholder().globalMatch(text)) {
        pattern += QRegularExpression::escape(text.mid(done, m.capturedStart() - done)) +
                   QStringLiteral("((?:(?!; ).)+?)");
        numbers << m.captured(1).toInt();
        if (m.capturedStart() > 0 && text.at(m.capturedStart() - 1) == QLatin1Char('"'))
            names << numbers.last();
        done = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(done)) + QLatin1Char('$');
    gTemplates.push_back(
        {source, QRegularExpression(pattern), numbers, names, text.size() - 2 * numbers.size()});
}

// An English number ("1,000", "12.5", "120 %", "45°") as the user's language writes it.
QString ShownNumber(const QString& value)
{
    static const QRegularExpression number(
        QStringLiteral("^(-?[0-9][0-9,]*(?:\\.[0-9]+)?)( %|°)?$"));
    const QRegularExpressionMatch m = number.match(value);
    if (!m.hasMatch())
        return QString();
    bool ok = false;
    const double parsed = QLocale(QLocale::English).toDouble(m.captured(1), &ok);
    if (!ok)
        return QString();
    return QLocale().toString(parsed, 'g', 12) + m.captured(2);
}

// A value put into a report's text: one of its words, a heading of Photoshop's panel, a
// blend mode, a number, a list of those, or a name (as it is).
QString ShownOne(const QString& english);

QString ShownValue(const QString& value)
{
    if (const QString number = ShownNumber(value); !number.isEmpty())
        return number;
    const QByteArray source = value.toUtf8();
    for (const char* context : {"PackReport", "BrushSettings", "BlendMode"}) {
        const QString shown = Translated(context, source.constData());
        if (shown != value)
            return shown;
    }
    if (const QString shown = ShownOne(value); !shown.isNull())
        return shown;
    if (value.contains(QStringLiteral(", "))) {
        QStringList parts = value.split(QStringLiteral(", "));
        for (QString& part : parts)
            part = ShownValue(part);
        return parts.join(QStringLiteral(", "));
    }
    return value;
}

// One marked text in the user's language; a null string when english is none.
QString ShownOne(const QString& english)
{
    const QByteArray source = english.toUtf8();
    const QString fixed = Translated("PackReport", source.constData());
    if (fixed != english || english.isEmpty())
        return fixed;
    // "%1 clamped to GIMP's 0 to 100 %" rather than "%1 clamped to GIMP's %2": the template
    // with the most words of its own that matches.
    // A copy: another thread may add to the templates once the lock is let go.
    std::optional<Template> best;
    QRegularExpressionMatch match;
    {
        QMutexLocker lock(&gTemplatesLock);
        for (const Template& known : gTemplates) {
            if (best && known.words <= best->words)
                continue;
            if (QRegularExpressionMatch m = known.pattern.match(english); m.hasMatch()) {
                best = known;
                match = m;
            }
        }
    }
    if (!best)
        return QString();
    // Placeholders are filled at once so that a value holding "%2" stays as it is.
    const QString shown = Translated("PackReport", best->source);
    QString filled;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& p : Placeholder().globalMatch(shown)) {
        filled += shown.mid(done, p.capturedStart() - done);
        const int number = p.captured(1).toInt();
        const qsizetype at = best->numbers.indexOf(number);
        const QString value = at >= 0 ? match.captured(int(at) + 1) : p.captured();
        filled += at < 0 || best->names.contains(number) ? value : ShownValue(value);
        done = p.capturedEnd();
    }
    return filled + shown.mid(done);
}
// A report's text, one marked text or several joined by "; ", in the user's language.
QString ShownJoinedTexts(const QString& english)
{
    if (const QString shown = ShownOne(english); !shown.isNull())
        return shown;
    // Several texts joined by "; ", some of which hold "; " themselves: the longest run of
    // parts that is one marked text is taken first.
    const QStringList parts = english.split(QStringLiteral("; "));
    if (parts.size() < 2)
        return english;
    QStringList shown;
    for (qsizetype first = 0; first < parts.size();) {
        qsizetype last = parts.size();
        QString text;
        for (; last > first + 1; --last) {
            text = ShownOne(parts.mid(first, last - first).join(QStringLiteral("; ")));
            if (!text.isNull())
                break;
        }
        if (last == first + 1) {
            text = ShownOne(parts[first]);
            if (text.isNull())
                text = parts[first];
        }
        shown << text;
        first = last;
    }
    return shown.join(QStringLiteral("; "));
}

} // namespace

QString ReportText(const char* source)
{
    if (std::strchr(source, '%'))
        Remember(source);
    return QString::fromUtf8(source);
}

QString ShownReportText(const QString& english)
{
    // Reports are made in English, and the word for "kept" says which language is shown.
    const QString language = Translated("PackReport", "kept");
    if (language == QLatin1String("kept"))
        return english;
    {
        QMutexLocker lock(&gShownLock);
        if (gShownLanguage != language) {
            gShown.clear();
            gShownLanguage = language;
        }
        if (const auto it = gShown.constFind(english); it != gShown.cend())
            return *it;
    }
    const QString shown = ShownJoinedTexts(english);
    QMutexLocker lock(&gShownLock);
    if (gShown.size() >= kMostShownRemembered || gShownLanguage != language)
        gShown.clear();
    gShownLanguage = language;
    gShown.insert(english, shown);
    return shown;
}

QString ShownReportTexts(const QStringList& english)
{
    QStringList shown;
    for (const QString& text : english)
        shown << ShownReportText(text);
    return shown.join(Translated("PackReport", ", ", "between the changes of a brush"));
}

QString ShownCountsText(const BrushPack& pack)
{
    const auto said = [](const char* text, int n) {
        return Translated("PackReport", text, nullptr, n);
    };
    const int written = int(std::count_if(pack.entries.begin(), pack.entries.end(),
                                          [](const PackEntry& e) { return e.isBrush(); }));
    QStringList parts{said(QT_TRANSLATE_N_NOOP("PackReport", "%n brush(es)"), written)};
    if (const int changed = pack.count(PackedBrush::Outcome::Changed))
        parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n changed"), changed);
    if (const int dropped = pack.count(PackedBrush::Outcome::NotCarried))
        parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n not carried"), dropped);
    if (const int presets = pack.presetCount()) {
        parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n preset(s)"), presets);
        if (const int approximated = pack.approximatedPresets())
            parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n approximated"), approximated);
    }
    if (const int patterns = int(pack.patterns.size()))
        parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n pattern(s)"), patterns);
    if (const int lost = pack.lostTextures())
        parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n brush(es) lose their texture"), lost);
    if (const int lost = pack.lostSettings())
        parts << said(QT_TRANSLATE_N_NOOP("PackReport", "%n brush(es) lose settings"), lost);
    return parts.join(Translated("PackReport", ", ", "between the counts of a pack"));
}

QString ShownOutcomeName(PackedBrush::Outcome outcome)
{
    return ShownReportText(OutcomeName(outcome));
}

QString ShownFateName(SettingFate::Fate fate)
{
    return ShownReportText(FateName(fate));
}

QString ShownSettingFateText(const SettingFate& setting)
{
    const QString fate = ShownFateName(setting.fate);
    const QString group = ShownGroupTitle(setting.group);
    QString text = setting.setting.isEmpty()
                       ? Translated("PackReport", "%1: %2", "a heading, a fate").arg(group, fate)
                       : Translated("PackReport", "%1, %2: %3", "a heading, a setting, a fate")
                             .arg(group, ShownReportText(setting.setting), fate);
    if (!setting.how.isEmpty())
        text = Translated("PackReport", "%1 (%2)", "a setting's fate and how")
                   .arg(text, ShownReportText(setting.how));
    return text;
}
