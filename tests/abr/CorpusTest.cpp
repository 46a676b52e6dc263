// Brush files written by other programs (tests/data/README.md says where each came from).
#include "abr/ReadAbr.h"
#include "brush/ComputedBrush.h"
#include "stream/ReadErrors.h"

#include <QCryptographicHash>
#include <QDir>
#include <gtest/gtest.h>

namespace {
struct Expected
{
    bool computed;
    QString name; // every stored code unit, the files' terminating zero included
    int width, height;
    int depth;          // sampled only
    const char* sha256; // of the decoded samples; sampled only
};

TEST(CorpusTest, ReadsEveryBrushWithNameSizeAndPixels)
{
    const std::pair<const char*, std::vector<Expected>> files[] = {
        {"agpsd_simple.abr", {{true, "Soft Round" + Z, 48, 48, 0, nullptr}}},
        {"agpsd_tilt.abr", {{true, "test2" + Z, 30, 30, 0, nullptr}}},
        {"agpsd_sample-and-pattern.abr",
         {{false, "Bobbys Brush 743" + Z, 112, 105, 8,
           "7058e33e8cf536026bb86ef28dc7bcf3f19e1595d81368f5603603ad566b32db"}}},
        // Version 10 with a raw-data item in its descriptor.
        {"agpsd_special.abr",
         {{false, "Sampled Tip" + Z, 23, 20, 8,
           "0bf75dd30f2216766a7b73f911f089a68dda20df7b9638fc6f94e4b7888090af"}}},
        // Zero padding after the descriptor and at the end of the file; the dual tip has no
        // name of its own, which gives an empty name rather than none.
        {"abrkit_photoshop_dual_brush.abr",
         {{false, "Patchy Dual Probe" + Z, 15, 14, 8,
           "6069c9ca91918a4eeaecf6ece1112ee65332a2f22c024aa47cd60016d6128f65"},
          {true, QString(), 40, 40, 0, nullptr}}}};
    for (const auto& [file, expected] : files) {
        SCOPED_TRACE(file);
        const ReadResult outcome = ReadAbr(TestDataPath(QString::fromLatin1(file)));
        EXPECT_FALSE(outcome.error);
        EXPECT_EQ(outcome.finished, 1);
        ASSERT_EQ(outcome.brushes.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(i);
            const BrushPtr& brush = outcome.brushes[i];
            const Expected& e = expected[i];
            EXPECT_EQ(brush->isComputed(), e.computed);
            ASSERT_TRUE(brush->name());
            EXPECT_EQ(*brush->name(), e.name);
            EXPECT_EQ(brush->size(), QSizeF(e.width, e.height));
            if (!e.computed) {
                EXPECT_EQ(dynamic_cast<const SampledBrush&>(*brush).depth(), e.depth);
                EXPECT_EQ(
                    QCryptographicHash::hash(PixelBytes(brush), QCryptographicHash::Sha256).toHex(),
                    QByteArray(e.sha256));
            }
        }
    }
}

// One byte changed in a real file. A size no real file has is damage, found before anything
// is allocated, and what came before it is kept; a tip too large to draw is drawn smaller.
TEST(FlipTest, ImplausibleSizesAreDamageAndHugeTipsAreScaled)
{
    const std::pair<const char*, size_t> damaged[] = {
        {"flip-abrkit_photoshop_dual_brush-12-80.abr", 2}, // the section's length
        {"flip-abrkit_photoshop_dual_brush-470-80.abr", 0},
        {"flip-abrkit_photoshop_dual_brush-448-80.abr", 2}};
    for (const auto& [file, brushes] : damaged) {
        SCOPED_TRACE(file);
        const ReadResult outcome = ReadAbr(TestDataPath(QString::fromLatin1(file)));
        EXPECT_FALSE(outcome.badAlloc);
        EXPECT_EQ(outcome.error, kDamagedFileError);
        EXPECT_EQ(outcome.brushes.size(), brushes);
    }
    const ReadResult huge =
        ReadAbr(TestDataPath(QStringLiteral("flip-abrkit_photoshop_dual_brush-1865-41.abr")));
    EXPECT_FALSE(huge.error);
    ASSERT_EQ(huge.brushes.size(), 2u);
    const auto* tip = dynamic_cast<const ComputedBrush*>(huge.brushes[1].get());
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->scaledFrom(), QSizeF(2621440, 2621440));
    EXPECT_LE(tip->size().width(), 16384);
}

// Inputs the fuzzer once found troublesome: each must end in a result or a clean error.
TEST(FuzzRegressionTest, EveryFoundInputEndsCleanly)
{
    const QStringList files =
        QDir(TestDataPath(QString())).entryList({QStringLiteral("fuzz-*.abr")}, QDir::Files);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const ReadResult outcome = ReadAbr(TestDataPath(name));
        EXPECT_EQ(outcome.finished, 1);
    }
}
} // namespace
