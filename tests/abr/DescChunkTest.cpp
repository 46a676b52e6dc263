#include "abr/CDescChunk.h"
#include "abr/ReadAbr.h"
#include "abr/Type6Writer.h"
#include "stream/CInStream.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

namespace {
using namespace desc;

ucstring U(const QString& text)
{
    ucstring u;
    assign(u, text);
    return u;
}

class DescChunkTest : public ::testing::Test
{
protected:
    std::unique_ptr<CDescChunk> Parse(const QByteArray& section)
    {
        CInStream stream(mSandbox.write("d.bin", section), true);
        return std::make_unique<CDescChunk>(stream, stream.GetSize());
    }

    Sandbox mSandbox;
};

// Flipping mirrors the angle; flags that are false or of another type leave it.
TEST_F(DescChunkTest, FlipsMirrorTheAngle)
{
    const std::pair<Members, double> cases[] = {
        {{}, 30},
        {{{"flipX", Bool(true)}}, -30},
        {{{"flipY", Bool(true)}}, 150},
        {{{"flipX", Bool(true)}, {"flipY", Bool(true)}}, 210},
        {{{"flipX", Bool(false)}, {"flipY", Long(1)}}, 30}};
    for (const auto& [flips, angle] : cases) {
        const auto chunk = Parse(Presets({Preset("P", ComputedTip(25, 30, 100, 100, flips))}));
        ASSERT_TRUE(chunk->ComputedBrush(0));
        EXPECT_EQ(chunk->ComputedBrush(0)->angle, angle);
        EXPECT_EQ(chunk->ComputedBrush(0)->diameter, 25);
        EXPECT_FALSE(chunk->ComputedBrush(1));
    }
}

// Tips lacking a parameter or of a parameter's wrong type, presets of other classes and other
// top-level layouts record nothing; of two equal keys the first counts, of two presets naming
// one sample the later.
TEST_F(DescChunkTest, RecordsOnlyCompleteTipsOfBrushPresets)
{
    const auto chunk = Parse(Presets({
        Preset("First", SampledTip("id1")),
        Preset("Zeroless", SampledTip("id2", false)),
        Preset("Second", SampledTip("id1")),
        // An "enum" member is no number: as if "Angl" were absent.
        Preset("Enum", Obj("computedBrush", {{"Dmtr", Doub(4)},
                                             {"Angl", Enum("a", "b")},
                                             {"Rndn", Doub(100)},
                                             {"Hrdn", Doub(50)}})),
        // A long is not a double.
        Preset(
            "Long",
            Obj("computedBrush",
                {{"Dmtr", Long(4)}, {"Angl", Doub(0)}, {"Rndn", Doub(100)}, {"Hrdn", Doub(50)}})),
        Obj("somethingElse", {{"Brsh", ComputedTip(5, 0, 100, 100)}}),
        Preset("NoData", Obj("sampledBrush", {{"Nm  ", Text("x")}})),
        Long(3),
        Obj("brushPreset", {{"Nm  ", Text("Dup")},
                            {"Brsh", ComputedTip(5, 1, 100, 100)},
                            {"Brsh", ComputedTip(6, 2, 100, 100)}}),
    }));
    ASSERT_TRUE(chunk->ComputedBrush(0));
    EXPECT_EQ(chunk->ComputedBrush(0)->name, U("Dup" + Z));
    EXPECT_EQ(chunk->ComputedBrush(0)->diameter, 5);
    EXPECT_FALSE(chunk->ComputedBrush(1));
    EXPECT_EQ(chunk->SampledBrushName("id1"), U("Second" + Z));
    EXPECT_EQ(chunk->SampledBrushName("id2"), U("Zeroless" + Z));
    EXPECT_EQ(&chunk->SampledBrushName("nobody"), &empty_ucstring);

    QByteArray notBrsh = Presets({Preset("P", ComputedTip(5, 0, 100, 100))});
    notBrsh.replace(notBrsh.indexOf("Brsh"), 4, "Xxxx");
    EXPECT_FALSE(Parse(notBrsh)->ComputedBrush(0));
}
} // namespace
