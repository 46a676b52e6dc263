#include "convert/ReportText.h"
#include "abr/ReadWholeBrushFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {
// The program's Japanese for as long as it lives: no word of it is English, so an English word
// left in a text shown is one the translation never reached.
struct Japanese
{
    QTranslator translator;
    Japanese()
    {
        EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/kelbrin_ja.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    ~Japanese() { QCoreApplication::removeTranslator(&translator); }
};

// English words in text, but for names: the applications' and what the file names (quoted).
QStringList EnglishWords(QString text, const QStringList& names)
{
    for (const QString& name : names)
        text.remove(name);
    text.remove(QRegularExpression(QStringLiteral("「[^」]*」")));
    QStringList words;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("[A-Za-z]{3,}")).globalMatch(text)) {
        const QString word = m.captured();
        if (word != QLatin1String("GIMP") && word != QLatin1String("Krita") &&
            word != QLatin1String("Photoshop"))
            words << word;
    }
    return words;
}
} // namespace

// Every text of the test files' GIMP and Krita reports that a person reads is translated, with
// the values put into it.
TEST(ReportText, ReportsOfTheTestFilesAreShownWithoutEnglish)
{
    const Japanese japanese;
    int texts = 0;
    for (const QString& name :
         QDir(QStringLiteral(KELBRIN_TEST_DATA)).entryList({QStringLiteral("*.abr")})) {
        const WholeBrushFile read =
            ReadWholeBrushFile(QStringLiteral(KELBRIN_TEST_DATA "/") + name);
        if (!read.file)
            continue;
        QStringList names;
        for (const PatternPtr& pattern : read.file->patterns())
            names << pattern->displayName();
        for (const PackTarget target : {PackTarget::Gimp, PackTarget::Krita}) {
            const BrushPack pack = BuildBrushPack(*read.file, target);
            QStringList shown{ShownCountsText(pack)};
            for (const PackedBrush& brush : pack.brushes) {
                shown << ShownOutcomeName(brush.outcome);
                for (const QString& what : brush.what)
                    shown << ShownReportText(what);
                for (const QString& group : brush.lostSettings)
                    shown << ShownGroupTitle(group);
                for (const SettingFate& setting : brush.settings)
                    shown << ShownSettingFateText(setting);
            }
            for (const PackedPattern& pattern : pack.patterns)
                for (const QString& what : pattern.what)
                    shown << ShownReportText(what);
            for (const QString& text : shown)
                EXPECT_EQ(EnglishWords(text, names), QStringList())
                    << name.toStdString() << ": " << text.toStdString();
            texts += int(shown.size());
        }
    }
    EXPECT_GT(texts, 100);
}

// A value put into a text is found again and put into its translation (a report's text itself,
// a list, a number written the language's way); what is no report's text is left as it is.
TEST(ReportText, ValuesAreCarriedIntoTheTranslation)
{
    const QString scaled =
        ReportText(QT_TRANSLATE_NOOP("PackReport", "scaled from %1 to %2 pixels"))
            .arg(5000)
            .arg(QStringLiteral("2,500"));
    const QString lost = ReportText(QT_TRANSLATE_NOOP("PackReport", "settings not carried (%1)"))
                             .arg(QStringLiteral("Noise, Wet Edges"));
    const QString options =
        ReportText(QT_TRANSLATE_NOOP("PackReport", "tool options not carried (%1)"))
            .arg(ReportText(QT_TRANSLATE_NOOP("PackReport", "mode %1")).arg("Color Burn") + ", " +
                 ReportText(QT_TRANSLATE_NOOP("PackReport", "opacity %1")).arg("50 %"));
    ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 clamped to GIMP's %2"));
    const QString clamped =
        ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 clamped to GIMP's 0 to 100 %")).arg("120 %");
    const QString joined =
        ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 dabs a step as spacing divided by %1"))
            .arg(5) +
        "; " +
        ReportText(QT_TRANSLATE_NOOP("PackReport", "%1 is beyond Krita's range, written as %2"))
            .arg("0.2 %", "1 %");
    const QString missing =
        ReportText(QT_TRANSLATE_NOOP("PackReport", "the file does not carry the pattern \"%1\""))
            .arg("Noise");
    const Japanese japanese;
    EXPECT_EQ(
        ShownReportText(joined),
        QStringLiteral("1 ステップ 5 描点を間隔 ÷ 5 として; 0.2 % は Krita の範囲外のため 1 % "
                       "として書き出し"))
        << "each of the texts joined";
    EXPECT_EQ(
        ShownReportText(options),
        QStringLiteral("移せなかったツールオプション（モード 焼き込みカラー, 不透明度 50 %）"));
    EXPECT_EQ(ShownReportText(clamped), QStringLiteral("120 % を GIMP の 0〜100 % に制限"))
        << "the most particular text";
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(ShownReportText(scaled), QStringLiteral("5.000 から 2.500 ピクセルに拡大・縮小"));
    QLocale::setDefault(before);
    EXPECT_EQ(ShownReportText(lost), QStringLiteral("移せなかった設定（ノイズ, ウェットエッジ）"));
    EXPECT_EQ(ShownReportText(QStringLiteral("no pixels to carry; Krita textures each dab")),
              QStringLiteral("移すピクセルがない; Krita は描点ごとにテクスチャを適用する"));
    EXPECT_EQ(ShownReportText(QStringLiteral("Soft Round 45")), QStringLiteral("Soft Round 45"));
    EXPECT_EQ(ShownReportText(missing),
              QStringLiteral("ファイルにパターン「Noise」が含まれていない"))
        << "a name is no word to translate";
}
