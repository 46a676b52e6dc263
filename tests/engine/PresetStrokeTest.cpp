#include "engine/PresetStroke.h"

#include "brush/ComputedBrush.h"

#include <gtest/gtest.h>

// Identifiers are stored with a terminating zero unit in the preset and without in the pattern
// record, or the other way round; presets saved without one are matched by name.
TEST(PresetStroke, TexturesFindTheFilesPatternAndLargeTipsAreFittedToTheCanvas)
{
    auto pattern = [](const char* name, const char* identifier) {
        return std::make_shared<const Pattern>(QString::fromLatin1(name),
                                               QString::fromLatin1(identifier), Pattern::Mode::Grey,
                                               8, QImage());
    };
    const std::vector<PatternPtr> patterns{pattern("Grain", "id-1"), pattern("Other", "id-2")};
    auto brushPainting = [](QString name, QString identifier) {
        auto brush = ComputedBrush::brushWithName(QStringLiteral("tip"), 100, 100, 0, 100);
        brush->setTexture({std::move(name), std::move(identifier)});
        return brush;
    };
    EXPECT_EQ(
        PatternForTexture(*brushPainting("Grain", QStringLiteral("id-2") + QChar(0)), patterns),
        patterns[1]);
    EXPECT_EQ(
        PatternForTexture(*brushPainting(QStringLiteral("Grain") + QChar(0), QString()), patterns),
        patterns[0]);
    EXPECT_EQ(PatternForTexture(*brushPainting("Sand", "id-3"), patterns), nullptr);
    const auto plain = ComputedBrush::brushWithName(QStringLiteral("tip"), 100, 100, 0, 100);
    EXPECT_EQ(PatternForTexture(*plain, patterns), nullptr);

    EXPECT_DOUBLE_EQ(FittingDiameter(*plain, QSize(400, 160)), 48);
    EXPECT_DOUBLE_EQ(FittingDiameter(*plain, QSize(1000, 1000)), 100);
}
