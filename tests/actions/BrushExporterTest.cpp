#include "actions/BrushExporter.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <cstring>
#include <gtest/gtest.h>

namespace {
template <typename T> BrushPtr Sampled(const std::vector<T>& samples, int depth, int width = -1)
{
    PixelBlock block(samples.size() * sizeof(T));
    if (!samples.empty())
        std::memcpy(block.data(), samples.data(), block.size());
    const int w = width < 0 ? int(samples.size()) : width;
    return std::make_shared<SampledBrush>(QStringLiteral("b"), w, w ? int(samples.size()) / w : 0,
                                          depth, std::move(block));
}

class BrushExporterTest : public ::testing::Test
{
protected:
    // Exports the brushes into a new folder and returns it.
    QString Export(const std::vector<BrushPtr>& brushes, bool transparent,
                   BrushExporter::Report* report = nullptr)
    {
        const BrushFilePtr file = BrushFile::brushFileWithPath(QStringLiteral("x.abr"));
        for (const BrushPtr& b : brushes)
            file->addBrush(b);
        QString error;
        const QString folder = BrushExporter::createExportFolder(mSandbox.path(QString()),
                                                                 QStringLiteral("out"), &error);
        EXPECT_FALSE(folder.isEmpty()) << error.toStdString();
        const BrushExporter::Report r =
            BrushExporter::brushExporterForBrushFile(file)->doExportToDirectory(
                folder, QStringLiteral("PNG"), transparent);
        if (report)
            *report = r;
        return folder;
    }

    static QImage Load(const QString& folder, int index)
    {
        QImageReader reader(QDir(folder).filePath(QStringLiteral("%1.png").arg(index)));
        return reader.read();
    }

    static QRgba64 Pixel(const QImage& image, int x) { return image.pixelColor(x, 0).rgba64(); }

    Sandbox mSandbox;
};

TEST_F(BrushExporterTest, EightBitBrushesRoundTrip)
{
    const BrushPtr brush = Sampled<uint8_t>({0, 1, 255}, 8);
    const QImage grey = Load(Export({brush}, false), 0);
    ASSERT_EQ(grey.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(grey.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(grey.pixel(1, 0), qRgb(254, 254, 254));
    EXPECT_EQ(grey.pixel(2, 0), qRgb(0, 0, 0));

    const QImage clear = Load(Export({brush}, true), 0);
    ASSERT_TRUE(clear.hasAlphaChannel());
    EXPECT_EQ(clear.depth(), 32);
    EXPECT_EQ(clear.pixel(0, 0), qRgba(255, 255, 255, 0));
    EXPECT_EQ(clear.pixel(1, 0), qRgba(0, 0, 0, 1));
    EXPECT_EQ(clear.pixel(2, 0), qRgba(0, 0, 0, 255));
}

TEST_F(BrushExporterTest, SixteenBitBrushesKeepSixteenBits)
{
    const BrushPtr brush = Sampled<uint16_t>({0, 1000, 65535}, 16);
    const QImage grey = Load(Export({brush}, false), 0);
    ASSERT_EQ(grey.format(), QImage::Format_Grayscale16);
    const auto* row = reinterpret_cast<const quint16*>(grey.constScanLine(0));
    EXPECT_EQ(row[0], 65535);
    EXPECT_EQ(row[1], 64535);
    EXPECT_EQ(row[2], 0);

    const QImage clear = Load(Export({brush}, true), 0);
    ASSERT_EQ(clear.depth(), 64);
    EXPECT_EQ(Pixel(clear, 0), QRgba64::fromRgba64(65535, 65535, 65535, 0));
    EXPECT_EQ(Pixel(clear, 1), QRgba64::fromRgba64(0, 0, 0, 1000));
    EXPECT_EQ(Pixel(clear, 2), QRgba64::fromRgba64(0, 0, 0, 65535));
}

TEST_F(BrushExporterTest, FloatBrushesBecomeSixteenBitWithThePaintThreshold)
{
    const BrushPtr brush = Sampled<float>({0.0f, 0.0039f, 0.004f, 0.5f, 1.0f}, 32);
    const QImage grey = Load(Export({brush}, false), 0);
    ASSERT_EQ(grey.format(), QImage::Format_Grayscale16);
    const auto* row = reinterpret_cast<const quint16*>(grey.constScanLine(0));
    EXPECT_EQ(row[0], 65535);
    EXPECT_EQ(row[3], 65535 - 32768);
    EXPECT_EQ(row[4], 0);

    const QImage clear = Load(Export({brush}, true), 0);
    ASSERT_EQ(clear.depth(), 64);
    EXPECT_EQ(Pixel(clear, 0), QRgba64::fromRgba64(65535, 65535, 65535, 0));
    EXPECT_EQ(Pixel(clear, 1), QRgba64::fromRgba64(65535, 65535, 65535, 256)); // no paint yet
    EXPECT_EQ(Pixel(clear, 2), QRgba64::fromRgba64(0, 0, 0, 262));
    EXPECT_EQ(Pixel(clear, 4), QRgba64::fromRgba64(0, 0, 0, 65535));
}

TEST_F(BrushExporterTest, ComputedBrushesExportTheirDrawnTip)
{
    const BrushPtr brush = ComputedBrush::brushWithName(QStringLiteral("c"), 20, 100, 0, 100);
    const QString folder = Export({brush}, true);
    const QImage clear = Load(folder, 0);
    ASSERT_EQ(clear.size(), QSize(20, 20));
    EXPECT_EQ(clear.pixel(10, 10), qRgba(0, 0, 0, 255));
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);
    EXPECT_EQ(Load(folder, 0).size(), QSize(20, 20));
}

TEST_F(BrushExporterTest, BrushesWithoutImageLeaveAGapAreReportedAndFilesAreNeverReplaced)
{
    const BrushPtr noImage = Sampled<uint8_t>({}, 8, 0);
    const BrushPtr ink = Sampled<uint8_t>({9}, 8);
    const QString folder = mSandbox.path(QStringLiteral("out"));
    QDir().mkdir(folder);
    mSandbox.write(QStringLiteral("out/3.png"), "keep");

    const BrushFilePtr file = BrushFile::brushFileWithPath(QStringLiteral("x.abr"));
    for (const BrushPtr& b : {ink, noImage, ink, ink})
        file->addBrush(b);
    const BrushExporter::Report report =
        BrushExporter(file).doExportToDirectory(folder, QStringLiteral("PNG"), false);
    EXPECT_EQ(report.written, 2);
    EXPECT_EQ(report.failures,
              QStringList({QDir(folder).filePath(QStringLiteral("1.png: the brush has no image")),
                           QDir(folder).filePath(QStringLiteral("3.png: File exists"))}));
    EXPECT_EQ(
        QDir(folder).entryList(QDir::Files | QDir::Hidden),
        QStringList({QStringLiteral("0.png"), QStringLiteral("2.png"), QStringLiteral("3.png")}));
    QFile kept(QDir(folder).filePath(QStringLiteral("3.png")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep"));
}

TEST_F(BrushExporterTest, UnknownTypeWritesNothing)
{
    const BrushFilePtr file = BrushFile::brushFileWithPath(QStringLiteral("x.abr"));
    file->addBrush(Sampled<uint8_t>({1}, 8));
    const BrushExporter::Report report = BrushExporter(file).doExportToDirectory(
        mSandbox.path(QString()), QStringLiteral("GIF"), false);
    EXPECT_FALSE(report.typeKnown);
    EXPECT_EQ(report.written, 0);
    EXPECT_TRUE(QDir(mSandbox.path(QString())).entryList(QDir::Files).isEmpty());
}

TEST_F(BrushExporterTest, FolderNamesCountUpPastAnythingThatExists)
{
    const QString dir = mSandbox.path(QString());
    QString error;
    EXPECT_EQ(BrushExporter::createExportFolder(dir, QStringLiteral("Set"), &error),
              QDir(dir).filePath(QStringLiteral("Set")));
    mSandbox.write(QStringLiteral("Set-1"), "a file, not a folder");
    EXPECT_EQ(BrushExporter::createExportFolder(dir, QStringLiteral("Set"), &error),
              QDir(dir).filePath(QStringLiteral("Set-2")));
    EXPECT_EQ(BrushExporter::uniqueNameInDirectory(dir, QStringLiteral("Set")),
              QStringLiteral("Set-3"));
    EXPECT_EQ(BrushExporter::uniqueNameInDirectory(dir, QStringLiteral("Other")),
              QStringLiteral("Other"));

    // Missing parents are not made.
    EXPECT_TRUE(BrushExporter::createExportFolder(QDir(dir).filePath(QStringLiteral("no/such")),
                                                  QStringLiteral("Set"), &error)
                    .isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(BrushExporterTest, EmptyFileGivesAnEmptyFolder)
{
    BrushExporter::Report report;
    const QString folder = Export({}, false, &report);
    EXPECT_EQ(report.written, 0);
    EXPECT_TRUE(report.failures.isEmpty());
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}
} // namespace

TEST(BrushExporterNaming, NumbersPadByNamesAreMadeSafeAndCollisionsCountUp)
{
    const BrushFilePtr file = BrushFile::brushFileWithPath(QStringLiteral("x.abr"));
    const char* names[] = {"Soft", "soft", "a/b: c?", "..hidden", "",    "Soft",
                           "Ok.",  "",     "",        "",         "Last"};
    for (const char* name : names)
        file->addBrush(
            std::make_shared<SampledBrush>(QString::fromUtf8(name), 1, 1, 8, PixelBlock(1, 9)));
    BrushExporter exporter(file);
    BrushExporter::Options options;
    options.indexes = std::vector<size_t>{0, 4, 10, 99}; // 99 is past the end and left out
    EXPECT_EQ(exporter.fileNamesForBrushes(options, QStringLiteral("png")),
              (QStringList{"0.png", "4.png", "10.png"}));
    options.zeroPad = true;
    EXPECT_EQ(exporter.fileNamesForBrushes(options, QStringLiteral("png")),
              (QStringList{"00.png", "04.png", "10.png"}));

    options = {};
    options.naming = BrushExporter::eNameByBrushName;
    // Collisions are found case-insensitively (FAT drives); nameless brushes keep their number.
    EXPECT_EQ(exporter.fileNamesForBrushes(options, QStringLiteral("png")).mid(0, 7),
              (QStringList{"Soft.png", "soft-1.png", "a_b_ c_.png", "hidden.png", "4.png",
                           "Soft-2.png", "Ok.png"}));

    // Writing follows the same names, and only the chosen brushes are written.
    Sandbox box;
    options.indexes = std::vector<size_t>{1, 2};
    const BrushExporter::Report report =
        exporter.doExportToDirectory(box.path(QString()), QStringLiteral("PNG"), true, options);
    EXPECT_EQ(report.written, 2);
    EXPECT_EQ(QDir(box.path(QString())).entryList(QDir::Files, QDir::Name),
              (QStringList{"a_b_ c_.png", "soft.png"}));
}

// Patterns go into "patterns/NNN Name.png" in their own colours, alpha kept; a choice of
// brushes writes none unless patterns are chosen too.
TEST(BrushExporterPatternTest, PatternsAreWrittenInColourUnderPatterns)
{
    Sandbox sandbox;
    QImage rgba(2, 1, QImage::Format_ARGB32);
    rgba.setPixel(0, 0, qRgba(10, 20, 30, 255));
    rgba.setPixel(1, 0, qRgba(40, 50, 60, 128));
    QImage indexed(1, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(200, 100, 50)});
    indexed.fill(0);
    const BrushFilePtr file = BrushFile::brushFileWithPath(QStringLiteral("x.abr"));
    file->addBrush(Sampled<unsigned char>({0, 255}, 8));
    file->addPattern(
        std::make_shared<Pattern>("$$$/Presets/P=Bark/Moss", "id1", Pattern::Mode::Rgb, 8, rgba));
    file->addPattern(
        std::make_shared<Pattern>(QString(), "id2", Pattern::Mode::Indexed, 8, indexed));
    const auto exporter = BrushExporter::brushExporterForBrushFile(file);
    auto exportTo = [&](const QString& name, const BrushExporter::Options& options) {
        QString error;
        const QString folder =
            BrushExporter::createExportFolder(sandbox.path(QString()), name, &error);
        return std::make_pair(
            folder, exporter->doExportToDirectory(folder, QStringLiteral("PNG"), false, options));
    };

    const auto [all, report] = exportTo(QStringLiteral("all"), {});
    EXPECT_EQ(report.written, 1);
    EXPECT_EQ(report.patternsWritten, 2);
    EXPECT_TRUE(report.failures.isEmpty());
    EXPECT_EQ(QDir(all + "/patterns").entryList(QDir::Files),
              QStringList({"000 Bark_Moss.png", "001.png"}));
    const QImage first(all + "/patterns/000 Bark_Moss.png");
    EXPECT_TRUE(first.hasAlphaChannel());
    EXPECT_EQ(first.pixel(0, 0), qRgba(10, 20, 30, 255));
    EXPECT_EQ(first.pixel(1, 0), qRgba(40, 50, 60, 128));
    EXPECT_EQ(QImage(all + "/patterns/001.png").pixel(0, 0), qRgb(200, 100, 50));

    BrushExporter::Options someBrushes;
    someBrushes.indexes = std::vector<size_t>{0};
    const auto [brushesOnly, none] = exportTo(QStringLiteral("brushes"), someBrushes);
    EXPECT_EQ(none.patternsWritten, 0);
    EXPECT_FALSE(QDir(brushesOnly + "/patterns").exists());
    someBrushes.patternIndexes = std::vector<size_t>{1};
    const auto [chosen, one] = exportTo(QStringLiteral("chosen"), someBrushes);
    EXPECT_EQ(one.patternsWritten, 1);
    EXPECT_EQ(QDir(chosen + "/patterns").entryList(QDir::Files), QStringList({"001.png"}));
}

// One PNG per preset, named as people read the name, each the tip as its preset shows it (two
// presets of one sample each at their own size); a bristle tip's image is a drawn preview and
// the report says so.
TEST(BrushExporterPresets, OnePngPerPreset_NamedAsReadAndPreviewsSaidToBeSo)
{
    const QByteArray ink = TestPixels(6, 4, 7);
    auto stored = std::make_shared<SampledBrush>(QStringLiteral("sample"), 6, 4, 8,
                                                 PixelBlock(ink.begin(), ink.end()));
    const BrushFilePtr file = BrushFile::brushFileWithPath(QStringLiteral("x.abr"));
    file->addBrush(std::make_shared<SampledBrush>(QStringLiteral("Big Marker 01") + QChar(0),
                                                  *stored, SampleShaping{5, 80, -18}));
    file->addBrush(std::make_shared<SampledBrush>(QStringLiteral("Wet Marker 01") + QChar(0),
                                                  *stored, SampleShaping{3}));
    TipShape bristle;
    bristle.kind = TipKind::Bristle;
    bristle.diameter = 12;
    bristle.bristle = BristleTip{};
    file->addBrush(std::make_shared<PreviewBrush>(QStringLiteral("Flat Fan") + QChar(0), bristle));

    Sandbox box;
    BrushExporter::Options options;
    options.naming = BrushExporter::eNameByBrushName;
    const BrushExporter::Report report = BrushExporter(file).doExportToDirectory(
        box.path(QString()), QStringLiteral("PNG"), false, options);
    EXPECT_EQ(report.written, 3);
    EXPECT_TRUE(report.failures.isEmpty()) << qPrintable(report.failures.join('\n'));
    const QStringList names{"Big Marker 01.png", "Wet Marker 01.png", "Flat Fan.png"};
    EXPECT_EQ(QDir(box.path(QString())).entryList(QDir::Files, QDir::Name),
              (QStringList{"Big Marker 01.png", "Flat Fan.png", "Wet Marker 01.png"}));
    for (int i = 0; i < 3; ++i) {
        const QImage written(box.path(names[i]));
        const QImage shown =
            file->brush(size_t(i))->image().convertToFormat(QImage::Format_Grayscale8);
        EXPECT_EQ(written.size(), file->brush(size_t(i))->pixelSize()) << qPrintable(names[i]);
        EXPECT_EQ(written.convertToFormat(QImage::Format_Grayscale8), shown)
            << qPrintable(names[i]);
    }
    ASSERT_EQ(report.previews.size(), 1);
    EXPECT_EQ(report.previews[0],
              box.path(QStringLiteral("Flat Fan.png")) +
                  QStringLiteral(": a preview of a bristle tip, drawn from its settings"));
}
