#include "convert/BrushPackReader.h"
#include "MadeUpPatterns.h"
#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "convert/PackWriter.h"
#include "stream/ReadErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct KeepingSink : CBrushSink
{
    void AddBrush(const BrushPtr& brush) override { brushes.push_back(brush); }
    void AddPattern(const PatternPtr& pattern) override
    {
        EXPECT_EQ(brushes.size(), 3u) << "patterns come after every brush";
        patterns.push_back(pattern);
    }
    void FinishedReadingFile(const ReadOutcome& outcome) override { this->outcome = outcome; }
    std::vector<BrushPtr> brushes;
    std::vector<PatternPtr> patterns;
    std::optional<ReadOutcome> outcome;
};

BrushPtr Sampled(const char* name, int w, int h, int depth, const void* samples)
{
    PixelBlock block(size_t(w) * size_t(h) * size_t(depth / 8));
    std::memcpy(block.data(), samples, block.size());
    return std::make_shared<SampledBrush>(QString::fromUtf8(name), w, h, depth, std::move(block));
}

// A file of an 8-bit tip, a computed one and a 16-bit one, the kinds a pack carries apart.
BrushFile ThreeKinds()
{
    BrushFile file(QStringLiteral("/x/Inks.abr"));
    const quint8 eight[] = {0, 10, 20, 30, 40, 255};
    const quint16 sixteen[] = {0, 65535};
    auto dot = std::const_pointer_cast<Brush>(Sampled("Dot", 3, 2, 8, eight));
    BrushPreset spaced;
    spaced.tip.kind = TipKind::Sampled;
    spaced.tip.spacing = 10;
    dot->setPreset(std::make_shared<const BrushPreset>(spaced));
    file.addBrush(dot);
    file.addBrush(ComputedBrush::brushWithName(QStringLiteral("Round"), 20, 50, 30, 40));
    file.addBrush(Sampled("Deep", 2, 1, 16, sixteen));
    return file;
}

KeepingSink ReadPack(const QString& path, int* error = nullptr)
{
    KeepingSink sink;
    try {
        BrushPackReader(path).Read(sink);
    } catch (int code) {
        if (error)
            *error = code;
    }
    return sink;
}

TEST(BrushPackReader, GimpFolderComesBackAsTheBrushesItWasWrittenFrom)
{
    QTemporaryDir dir;
    const BrushFile file = ThreeKinds();
    const PackWriteResult written =
        WritePackFolder(BuildBrushPack(file, PackTarget::Gimp), dir.path());
    ASSERT_EQ(written.status, PackWriteResult::Status::Written) << written.error.toStdString();
    ASSERT_TRUE(BrushPackReader::isPackPath(written.path));

    const KeepingSink sink = ReadPack(written.path);
    ASSERT_EQ(sink.brushes.size(), 3u);
    ASSERT_TRUE(sink.outcome && !sink.outcome->failed());
    EXPECT_EQ(sink.brushes[0]->displayName(), QStringLiteral("Dot"));
    const auto& dot = static_cast<const SampledBrush&>(*sink.brushes[0]);
    EXPECT_EQ(dot.pixelSize(), QSize(3, 2));
    EXPECT_EQ(std::vector<unsigned char>(dot.pixels().begin(), dot.pixels().end()),
              (std::vector<unsigned char>{0, 10, 20, 30, 40, 255}));
    // Spacing as a percent of the diameter, whatever the file's own measure.
    EXPECT_EQ(dot.preset()->tip.spacing, 10);
    EXPECT_NEAR(*sink.brushes[1]->preset()->tip.spacing, 25, 1e-3);

    ASSERT_TRUE(sink.brushes[1]->isComputed());
    const ComputedBrush::Parameters tip =
        static_cast<const ComputedBrush&>(*sink.brushes[1]).parameters();
    EXPECT_NEAR(tip.diameter, 20, 1e-3);
    EXPECT_NEAR(tip.roundnessInPercent, 50, 1e-3);
    EXPECT_NEAR(tip.angleInDegrees, 30, 1e-3);
    EXPECT_NEAR(tip.hardnessInPercent, 40, 1e-3);

    const auto& deep = static_cast<const SampledBrush&>(*sink.brushes[2]);
    EXPECT_EQ(deep.depth(), 8);
    EXPECT_EQ(deep.pixels()[1], 255);
}

// Both packs come back with their patterns after the brushes; Krita's bundle holds every tip
// as pixels, computed ones drawn.
TEST(BrushPackReader, BothPacksGiveTheirPatternsAfterTheBrushesInTheirOwnColours)
{
    QTemporaryDir dir;
    BrushFile file = ThreeKinds();
    const std::vector<PatternCase> cases = MadeUpPatterns();
    for (const PatternCase& c : cases)
        file.addPattern(c.pattern);
    for (const PackTarget target : {PackTarget::Gimp, PackTarget::Krita}) {
        const BrushPack pack = BuildBrushPack(file, target);
        const PackWriteResult written = target == PackTarget::Gimp
                                            ? WritePackFolder(pack, dir.filePath("brushes"))
                                            : WritePackBundle(pack, dir.path(), file.getPath());
        ASSERT_EQ(written.status, PackWriteResult::Status::Written);
        const KeepingSink sink = ReadPack(written.path);
        ASSERT_EQ(sink.patterns.size(), cases.size());
        ASSERT_TRUE(sink.outcome && !sink.outcome->failed());
        EXPECT_EQ(sink.brushes[1]->displayName(), QStringLiteral("Round"));
        EXPECT_EQ(sink.brushes[1]->isComputed(), target == PackTarget::Gimp);
        if (target == PackTarget::Krita) {
            EXPECT_EQ(sink.brushes[1]->pixelSize(), file.brush(1)->pixelSize());
        }
        EXPECT_EQ(sink.patterns[1]->name(), QStringLiteral("Deep grey"));
        EXPECT_EQ(sink.patterns[1]->mode(), Pattern::Mode::Grey);
        EXPECT_EQ(sink.patterns[2]->image().pixel(0, 0), qRgba(200, 200, 200, 128));
        EXPECT_EQ(sink.patterns[5]->mode(), Pattern::Mode::Rgb);
        EXPECT_EQ(sink.patterns[5]->image().pixel(0, 0), qRgb(40, 50, 60));
    }
}

// What cannot be read costs only itself; a path with nothing there is an error before any read.
TEST(BrushPackReader, DamagedEntriesArePassedOverAndMissingPacksRefused)
{
    QTemporaryDir dir;
    const PackWriteResult written =
        WritePackFolder(BuildBrushPack(ThreeKinds(), PackTarget::Gimp), dir.path());
    QFile bad(QDir(written.path).filePath(QStringLiteral("001a Bad.gbr")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("GIMP brush? no");
    bad.close();
    QFile(QDir(written.path).filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);

    int error = 0;
    const KeepingSink sink = ReadPack(written.path, &error);
    EXPECT_EQ(sink.brushes.size(), 3u);
    EXPECT_EQ(error, kDamagedFileError);
    ASSERT_TRUE(sink.outcome);
    EXPECT_EQ(sink.outcome->error, kDamagedFileError);

    EXPECT_THROW(BrushPackReader(dir.filePath(QStringLiteral("gone.bundle"))), int);
    EXPECT_TRUE(BrushPackReader::isPackPath(QStringLiteral("/nowhere/x.BUNDLE")));
    EXPECT_FALSE(BrushPackReader::isPackPath(QStringLiteral("/nowhere/x.abr")));
}

} // namespace
