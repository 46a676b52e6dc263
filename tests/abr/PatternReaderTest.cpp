#include "abr/ReadAbr.h"
#include "abr/Type6Writer.h"
#include "stream/ReadErrors.h"

#include <QColor>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
using namespace desc;
using Channel = PatternRecordDescription::Channel;

QByteArray Bytes(std::initializer_list<uint8_t> v)
{
    return QByteArray(reinterpret_cast<const char*>(std::data(v)), qsizetype(v.size()));
}

// One 2 x 2 sampled brush "Tip", then the given pattern records.
QByteArray FileWithPatterns(const std::vector<PatternRecordDescription>& patterns)
{
    SampleRecordDescription sample;
    sample.id = "tip";
    sample.bottom = sample.right = 2;
    sample.pixels = QByteArray(4, char(9));
    QByteArray records;
    for (const PatternRecordDescription& p : patterns)
        records += PatternRecord(p);
    return Header() + Section("samp", SampleRecords({sample}, 2)) +
           Section("desc", Presets({Preset("Tip", SampledTip("tip"))})) + Section("patt", records);
}

ReadResult ReadBytes(const QByteArray& bytes)
{
    Sandbox dir;
    return ReadAbr(dir.write("p.abr", bytes));
}

PatternRecordDescription Grey(const QString& name, const QByteArray& rows, uint16_t width = 2)
{
    PatternRecordDescription p;
    p.name = name;
    p.identifier = name.toStdString() + "-id";
    p.width = width;
    p.height = uint16_t(rows.size() / width);
    p.channels = {{true, 8, false, rows}};
    return p;
}

// Each mode decodes to its own colours; two pixels side by side, one plane a channel.
struct ModeCase
{
    const char* label;
    Pattern::Mode mode;
    int depth;
    bool compressed;
    std::vector<QByteArray> planes; // 16-bit samples big-endian
    QColor first, second;
    bool alpha = false;
};

class PatternModeTest : public testing::TestWithParam<ModeCase>
{
};

TEST_P(PatternModeTest, DecodesToItsColours)
{
    const ModeCase& c = GetParam();
    PatternRecordDescription p;
    p.mode = uint32_t(c.mode);
    p.width = 2;
    p.height = 1;
    for (const QByteArray& plane : c.planes)
        p.channels.push_back({true, uint32_t(c.depth), c.compressed, plane});
    if (c.mode == Pattern::Mode::Indexed) {
        p.palette = QByteArray(768, '\0');
        p.palette.replace(3, 3, "\x01\x02\x03");   // index 1
        p.palette.replace(600, 3, "\xc8\x64\x32"); // index 200
    }
    const ReadResult read = ReadBytes(FileWithPatterns({p}));
    EXPECT_FALSE(read.error);
    ASSERT_EQ(read.patterns.size(), 1u);
    const Pattern& pattern = *read.patterns[0];
    EXPECT_EQ(pattern.mode(), c.mode);
    EXPECT_EQ(pattern.depth(), c.depth);
    EXPECT_EQ(pattern.hasAlpha(), c.alpha);
    EXPECT_EQ(pattern.pixelSize(), QSize(2, 1));
    EXPECT_EQ(pattern.image().pixelColor(0, 0), c.first);
    EXPECT_EQ(pattern.image().pixelColor(1, 0), c.second);
}

const QColor kWhite = QColor(255, 255, 255), kBlack = QColor(0, 0, 0);
using M = Pattern::Mode;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, PatternModeTest, testing::Values(
    ModeCase{"grey", M::Grey, 8, false, {Bytes({16, 240})}, QColor(16, 16, 16),
             QColor(240, 240, 240)},
    // 16-bit channels run to 32,768.
    ModeCase{"grey16", M::Grey, 16, false, {Bytes({0x80, 0, 0, 0})}, kWhite, kBlack},
    ModeCase{"indexed", M::Indexed, 8, false, {Bytes({1, 200})}, QColor(1, 2, 3),
             QColor(200, 100, 50)},
    ModeCase{"rgbAlphaRunLength", M::Rgb, 8, true,
             {Bytes({10, 20}), Bytes({30, 30}), Bytes({50, 60}), Bytes({255, 128})},
             QColor(10, 30, 50), QColor(20, 30, 60, 128), true},
    ModeCase{"rgb16RunLength", M::Rgb, 16, true,
             {Bytes({0x80, 0, 0, 0}), Bytes({0, 0, 0x80, 0}), Bytes({0, 0, 0, 0})},
             QColor::fromRgba64(65535, 0, 0), QColor::fromRgba64(0, 65535, 0)},
    // Stored as Photoshop keeps them: 255 is no ink.
    ModeCase{"cmyk", M::Cmyk, 8, false,
             {Bytes({255, 0}), Bytes({255, 255}), Bytes({255, 255}), Bytes({255, 255})}, kWhite,
             QColor(0, 255, 255)},
    ModeCase{"lab", M::Lab, 8, false, {Bytes({255, 0}), Bytes({128, 128}), Bytes({128, 128})},
             kWhite, kBlack},
    ModeCase{"bitmap", M::Bitmap, 1, false, {Bytes({0x40})}, kWhite, kBlack},
    // The second channel is no alpha.
    ModeCase{"multichannel", M::Multichannel, 8, false, {Bytes({64, 128}), Bytes({1, 1})},
             QColor(64, 64, 64), QColor(128, 128, 128)}),
    [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.label); });
// clang-format on

// A damaged record between two good ones costs only itself: the brush and the other patterns
// arrive, and the read then fails as damaged. A sound record of a depth not decoded is skipped
// without failing the read.
TEST(PatternReaderTest, HostileRecordCostsOnlyItself)
{
    struct Case
    {
        const char* label;
        std::function<void(PatternRecordDescription&)> spoil;
        size_t patterns; // delivered out of three
        bool damaged;
    };
    const Case cases[] = {
        {"name longer than the record", [](auto& p) { p.nameUnits = 0x7FFFFFFF; }, 2, true},
        {"channel count past the record", [](auto& p) { p.channelCount = 0xFFFFFFFF; }, 2, true},
        {"channel length past the record", [](auto& p) { p.channels[0].lengthDelta = 1000; }, 2,
         true},
        {"huge extents on few bytes",
         [](auto& p) {
             p.width = p.height = 0xFFFF;
             p.listRight = 0xFFFF;
         },
         2, true},
        {"list rectangle that does not fit", [](auto& p) { p.listRight = 3; }, 2, true},
        {"run-length rows that overrun",
         [](auto& p) {
             p.channels[0] = {true, 8, true, Bytes({1, 2})};
             p.width = 4;
             p.listRight = 4;
         },
         2, true},
        {"missing colour channel",
         [](auto& p) {
             p.mode = 3;
             p.channels.push_back({true, 8, false, Bytes({1, 2})});
         },
         2, true},
        {"wrong version", [](auto& p) { p.version = 2; }, 2, true},
        // Nothing is left to find the next record by.
        {"record length past the section", [](auto& p) { p.recordLengthDelta = 1 << 20; }, 1, true},
        {"32-bit channels", [](auto& p) { p.channels[0].depth = 32; }, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        PatternRecordDescription spoilt = Grey("Spoilt", Bytes({1, 2}));
        c.spoil(spoilt);
        const ReadResult read = ReadBytes(
            FileWithPatterns({Grey("First", Bytes({1, 2})), spoilt, Grey("Last", Bytes({3, 4}))}));
        EXPECT_EQ(read.brushes.size(), 1u);
        ASSERT_EQ(read.patterns.size(), c.patterns);
        EXPECT_EQ(read.patterns[0]->name(), "First");
        if (c.patterns == 2) {
            EXPECT_EQ(read.patterns[1]->name(), "Last");
        }
        EXPECT_EQ(read.error, c.damaged ? std::optional<int>(kDamagedFileError) : std::nullopt);
        EXPECT_EQ(read.outcome.skippedPatterns, c.patterns == 2 ? 1 : 0);
        EXPECT_EQ(read.finished, 1);
    }
}

TEST(PatternReaderTest, SinkThatThrowsOnAPatternStopsTheRead)
{
    struct StopAtFirstPattern : CBrushSink
    {
        void AddBrush(const BrushPtr&) override { ++brushes; }
        void AddPattern(const PatternPtr&) override
        {
            ++patterns;
            throw std::runtime_error("enough");
        }
        void FinishedReadingFile(const ReadOutcome&) override { ++finished; }
        int brushes = 0, patterns = 0, finished = 0;
    } sink;
    Sandbox dir;
    CABRreader reader(
        dir.write("p.abr", FileWithPatterns({Grey("A", Bytes({1, 2})), Grey("B", Bytes({1, 2}))})));
    EXPECT_ANY_THROW(reader.Read(sink));
    EXPECT_EQ(sink.brushes, 1);
    EXPECT_EQ(sink.patterns, 1);
    EXPECT_EQ(sink.finished, 1);
}
} // namespace
