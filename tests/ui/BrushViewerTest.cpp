#include "ui/grid/BrushViewer.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {
Dynamic Driven(DynamicControl control, double jitter, double minimum)
{
    Dynamic dynamic;
    dynamic.control = control;
    dynamic.storedControl = int(control);
    dynamic.jitter = jitter;
    dynamic.minimum = minimum;
    return dynamic;
}

// A sampled preset with most of the panel on, as a version-10 file gives one.
BrushPreset RichPreset()
{
    BrushPreset preset;
    preset.tip.kind = TipKind::Sampled;
    preset.tip.sampleId = "sample-1";
    preset.tip.diameter = 87;
    preset.tip.angle = -18;
    preset.tip.roundness = 80;
    preset.tip.spacing = 9;
    preset.tip.flipX = true;
    BrushSettings& s = preset.settings;
    // Set out of the panel's order: the viewer keeps the panel's.
    s.buildUp = true;
    s.transfer =
        Transfer{Driven(DynamicControl::PenPressure, 0, 0), Dynamic(), Dynamic(), Dynamic()};
    s.dualBrush = DualBrush();
    s.dualBrush->tip.name = QStringLiteral("Chalk 36") + QChar(0);
    s.dualBrush->tip.kind = TipKind::Sampled;
    s.dualBrush->tip.diameter = 36;
    s.dualBrush->tip.spacing = 25;
    s.dualBrush->mode = QStringLiteral("Color Burn");
    s.texture = Texture();
    s.texture->patternName = QStringLiteral("$$$/Presets/Patterns/Gray_Granite=Gray Granite");
    s.texture->patternId = QStringLiteral("granite-id");
    s.texture->mode = QStringLiteral("Multiply");
    s.texture->depth = 60;
    s.shapeDynamics = ShapeDynamics();
    s.shapeDynamics->size = Driven(DynamicControl::PenPressure, 20, 5);
    s.shapeDynamics->minimumDiameter = 5;
    s.shapeDynamics->angle = Driven(DynamicControl::Fade, 0, 0);
    s.shapeDynamics->angle.fadeSteps = 25;
    s.scattering = Scattering{Driven(DynamicControl::Off, 120, 0), true, 3, Dynamic()};
    preset.toolOptions = ToolOptions{QStringLiteral("Normal"), 80.0, 50.0, std::nullopt};
    return preset;
}

BrushPtr WithPreset(std::shared_ptr<Brush> brush, BrushPreset preset)
{
    brush->setPreset(std::make_shared<const BrushPreset>(std::move(preset)));
    return brush;
}

BrushPtr RichBrush()
{
    const SampledBrush stored(QStringLiteral("Big Marker 01"), 20, 30, 8, PixelBlock(600, 90));
    return WithPreset(std::make_shared<SampledBrush>(QStringLiteral("Big Marker 01"), stored,
                                                     SampleShaping{87, 80, -18, true, false}),
                      RichPreset());
}

QStringList Lines(const QList<QPair<QString, QString>>& pairs)
{
    QStringList lines;
    for (const auto& [label, value] : pairs)
        lines << label + QStringLiteral(": ") + value;
    return lines;
}

QStringList LabelsIn(const QWidget* pane)
{
    QStringList texts;
    for (const QLabel* label : pane->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}
} // namespace

// The panel's groups in Photoshop's order and words, each with its values; tool options last.
TEST(BrushViewer, SettingsListTheGroupsOnInThePanelsOrderWithTheirValues)
{
    const BrushPtr brush = RichBrush();
    const QList<BrushViewer::SettingsSection> sections = BrushViewer::settingsForBrush(*brush);
    QStringList titles;
    for (const auto& section : sections)
        titles << section.title;
    EXPECT_EQ(titles, (QStringList{"Shape Dynamics", "Scattering", "Texture", "Dual Brush",
                                   "Transfer", "Build-up", "Tool Options"}));
    ASSERT_EQ(sections.size(), 7);
    const QStringList shape = Lines(sections[0].values);
    EXPECT_EQ(shape.mid(0, 2), (QStringList{"Size: pen pressure, jitter 20 %, minimum 5 %",
                                            "Angle: fade 25 steps"}));
    EXPECT_FALSE(shape.join('|').contains("Minimum diameter")) << "said once, in the dynamic";
    EXPECT_EQ(Lines(sections[1].values), (QStringList{"Scatter: 120 %, both axes", "Count: 3"}));
    const QStringList texture = Lines(sections[2].values);
    EXPECT_EQ(texture.value(0), QStringLiteral("Pattern: Gray Granite"));
    EXPECT_TRUE(texture.contains("Mode: Multiply") && texture.contains("Depth: 60 %"))
        << texture.join('|').toStdString();
    EXPECT_EQ(Lines(sections[3].values).mid(0, 2),
              (QStringList{"Tip: Chalk 36 (sampled, 36 px)", "Mode: Color Burn"}));
    EXPECT_EQ(Lines(sections[4].values), (QStringList{"Opacity: pen pressure", "Flow: off"}));
    EXPECT_TRUE(sections[5].values.isEmpty()) << "a switch has no values";
    EXPECT_EQ(Lines(sections[6].values),
              (QStringList{"Mode: Normal", "Opacity: 80 %", "Flow: 50 %"}));

    // The tip's own facts come from the preset, not from the stored sample.
    const QStringList facts = Lines(BrushViewer::factsForBrush(*brush));
    for (const char* line : {"Kind: Sampled", "Diameter: 87 px", "Spacing: 9 %", "Angle: -18°",
                             "Roundness: 80 %", "Flip: X"})
        EXPECT_TRUE(facts.contains(QString::fromUtf8(line)))
            << line << " in " << facts.join('|').toStdString();
}

// In Japanese, which shares no word with English, the panel's titles, controls, modes and
// values leave nothing English but what the file names.
TEST(BrushViewer, SettingsAreShownInTheUsersLanguage)
{
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral(":/i18n/kelbrin_ja.qm")));
    QCoreApplication::installTranslator(&japanese);
    QStringList lines;
    for (const auto& section : BrushViewer::settingsForBrush(*RichBrush()))
        lines << section.title << Lines(section.values);
    QCoreApplication::removeTranslator(&japanese);
    const QString text = lines.join('|').remove("Gray Granite").remove("Chalk 36");
    EXPECT_FALSE(text.contains(QRegularExpression("[A-Za-z]{3,}"))) << text.toStdString();
}

// The window shows them: groups under their titles, the texture's pattern as a swatch found by
// its identifier (which the pattern record may end with a zero unit), and for a preset with
// nothing on, a line that says so. Patterns and brushes without a preset have no panel.
TEST(BrushViewer, SettingsPaneShowsTheGroupsTheSwatchAndNothingForAPlainTip)
{
    auto file = BrushFile::brushFileWithPath(QStringLiteral("/x/presets.abr"));
    file->addBrush(RichBrush());
    BrushPreset plain;
    plain.tip.diameter = 19;
    plain.tip.hardness = 100;
    file->addBrush(WithPreset(
        ComputedBrush::brushWithName(QStringLiteral("Hard Round"), 19, 100, 0, 100), plain));
    file->addBrush(ComputedBrush::brushWithName(QStringLiteral("Old"), 10, 100, 0, 50));
    QImage granite(4, 4, QImage::Format_Grayscale8);
    granite.fill(128);
    file->addPattern(std::make_shared<Pattern>(QStringLiteral("Gray Granite"),
                                               QStringLiteral("granite-id") + QChar(0),
                                               Pattern::Mode::Grey, 8, granite));
    EXPECT_EQ(BrushViewer::patternForTexture(*file, *RichPreset().settings.texture),
              file->patterns()[0]);
    Texture elsewhere;
    elsewhere.patternId = QStringLiteral("not-in-this-file");
    EXPECT_EQ(BrushViewer::patternForTexture(*file, elsewhere), nullptr);

    BrushViewer viewer(file, 0);
    auto* pane = viewer.findChild<QGroupBox*>(QStringLiteral("settingsPane"));
    ASSERT_TRUE(pane);
    EXPECT_TRUE(pane->isVisibleTo(&viewer));
    const QStringList texts = LabelsIn(pane);
    EXPECT_LT(texts.indexOf("Shape Dynamics"), texts.indexOf("Dual Brush"));
    EXPECT_TRUE(texts.contains("Size: pen pressure, jitter 20 %, minimum 5 %"))
        << texts.join('|').toStdString();
    auto* swatch = pane->findChild<QToolButton*>(QStringLiteral("patternSwatch"));
    ASSERT_TRUE(swatch);
    swatch->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewer.index() == 3; }, 2000))
        << "the swatch steps on to the pattern";
    EXPECT_FALSE(pane->isVisibleTo(&viewer));

    viewer.showBrush(1);
    EXPECT_TRUE(pane->isVisibleTo(&viewer));
    EXPECT_EQ(LabelsIn(pane), QStringList{"No settings beyond the tip"});
    viewer.showBrush(2);
    EXPECT_FALSE(pane->isVisibleTo(&viewer));
}

// The new tips say what they are and that their pictures are drawn previews, with their own
// values in Photoshop's words.
TEST(BrushViewer, BristleErodibleAndAirbrushTipsAreNamedAsPreviews)
{
    struct Case
    {
        TipShape tip;
        QStringList expected;
    };
    TipShape bristle;
    bristle.kind = TipKind::Bristle;
    bristle.diameter = 25;
    bristle.bristle = BristleTip{9, 40, 25, 2, 50};
    TipShape erodible;
    erodible.kind = TipKind::Erodible;
    erodible.diameter = 30;
    erodible.erodible = ErodibleTip();
    erodible.erodible->shape = 4;
    erodible.erodible->softness = 60;
    TipShape airbrush = erodible;
    airbrush.erodible->airbrush = true;
    airbrush.erodible->granularity = 35;
    const Case cases[] = {
        {bristle,
         {"Kind: Bristle tip (preview)", "Spacing: off", "Shape: Flat Fan", "Bristles: 40 %",
          "Length: 25 %", "Thickness: 2 %", "Stiffness: 50 %"}},
        {erodible, {"Kind: Erodible tip (preview)", "Shape: Triangle", "Softness: 60 %"}},
        {airbrush, {"Kind: Airbrush tip (preview)", "Granularity: 35 %"}},
    };
    for (const Case& c : cases) {
        BrushPreset preset;
        preset.tip = c.tip;
        const BrushPtr brush =
            WithPreset(std::make_shared<PreviewBrush>(QStringLiteral("Tip"), c.tip), preset);
        const QStringList facts = Lines(BrushViewer::factsForBrush(*brush));
        for (const QString& line : c.expected)
            EXPECT_TRUE(facts.contains(line))
                << line.toStdString() << " in " << facts.join('|').toStdString();
        EXPECT_TRUE(facts.join('|').contains("Picture: a drawn preview")) << "said to be a preview";
    }
}
