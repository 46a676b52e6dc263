// Runs the installed-to-be program the way a file manager does: a size, an input path or URI
// and an output path; the exit status and the file left behind are all a file manager sees.
#include "abr/Type6Writer.h"
#include "platform/NativePath.h"
#include "platform/WriteNewFile.h"
#include "support/AbrWriter.h"
#include "support/BrushFiles.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Outcome
{
    int exitCode = -1;
    QString errors;
};

Outcome Thumbnail(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KELBRIN_THUMBNAILER), arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << "the thumbnailer did not end";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "it crashed";
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The ink of a thumbnail is black with the brush's opacity; everything else is clear.
bool HasInkAndClearPixels(const QImage& image)
{
    QSet<QRgb> colours;
    QSet<int> alphas;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            colours.insert(argb.pixel(x, y) & 0xFFFFFF); // black ink, at any opacity
            alphas.insert(qAlpha(argb.pixel(x, y)));
        }
    return colours == QSet<QRgb>{0} && alphas.contains(0) && alphas.size() > 1;
}

// Rows of 8-bit run-length data that repeat zero: a few megabytes that unpack to `side`
// squared bytes.
QByteArray ZeroRows(int side)
{
    QByteArray row;
    for (int left = side; left > 0; left -= 128)
        row.append(char(257 - std::min(left, 128))).append('\0');
    return row.repeated(side);
}

class ThumbnailerTest : public ::testing::Test
{
protected:
    Sandbox mSandbox;
    QString out() const { return mSandbox.path(QStringLiteral("out.png")); }
};
} // namespace

// One brush is drawn alone up to the size; two or more share a 2 x 2 sheet whose cells are the
// size less a sixteenth for the gap, halved, and whose empty rows are left out.
TEST_F(ThumbnailerTest, PreviewsOfPathsAndUris)
{
    const auto six = NamedBrushes(QStringLiteral("b"), 6, 40, 30);
    const QString spaced = mSandbox.path(QStringLiteral("with space %25.abr"));
    QFile::copy(TestDataPath(QStringLiteral("agpsd_tilt.abr")), spaced);
    const QString encoded = QUrl::fromLocalFile(spaced).path(QUrl::FullyEncoded);
    // A file name that is not UTF-8 reaches the thumbnailer percent-encoded byte by byte.
    const QString latin1 = PathFromNative(PathToNative(mSandbox.path({})) + "/caf\xe9.abr");
    QString error;
    ASSERT_TRUE(
        WriteNewFile(latin1, ReadAll(TestDataPath(QStringLiteral("agpsd_tilt.abr"))), &error))
        << error.toStdString();
    const auto removeLatin1 = qScopeGuard([&] { ::unlink(PathToNative(latin1).constData()); });
    const struct
    {
        QString input;
        int size;
        QSize expected;
    } cases[] = {
        {mSandbox.write(QStringLiteral("six.abr"), SampledBrushFile(six)), 128, {128, 128}},
        // Three brushes come before the damage, and a preview of them is better than none.
        {mSandbox.write(QStringLiteral("cut.abr"), TruncatedInBrush(six, 3)), 128, {128, 128}},
        {QStringLiteral("file://") + encoded, 16, {16, 16}},
        {QStringLiteral("file://localhost") + encoded, 16, {16, 16}},
        {QString::fromLatin1(FileUrlFromPath(latin1).toEncoded()), 24, {24, 24}},
    };
    // Each run replaces the output of the one before: some file managers make the output file
    // before they run the thumbnailer.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        ASSERT_EQ(Thumbnail({"-s", QString::number(c.size), c.input, out()}).exitCode, 0);
        const QImage image(out());
        EXPECT_EQ(image.size(), c.expected);
        EXPECT_TRUE(image.hasAlphaChannel() && HasInkAndClearPixels(image));
        EXPECT_FALSE(QDir(mSandbox.path({}))
                         .entryList({"out.png.*", ".out.png.*"}, QDir::Files | QDir::Hidden)
                         .size())
            << "a temporary file was left beside the output";
    }
}

// A read case whose expected outcome has a "thumbnail_size" previews as its <case>.png.
class ReadCaseThumbnailTest : public ThumbnailerTest,
                              public testing::WithParamInterface<std::string>
{
};

TEST_P(ReadCaseThumbnailTest, PreviewMatchesTheExpectedPicture)
{
    const QString name = QString::fromStdString(GetParam()), png = TestDataPath(name + ".png");
    const QString drawn = WritingExpected() ? png : out();
    const int size = ExpectedOutcome(name)[QStringLiteral("thumbnail_size")].toInt();
    ASSERT_EQ(Thumbnail({"-s", QString::number(size), TestDataPath(name + ".abr"), drawn}).exitCode,
              0);
    const QImage image = QImage(drawn).convertToFormat(QImage::Format_ARGB32);
    const QImage expected = QImage(png).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.width(), expected.width()) << png.toStdString();
    ASSERT_EQ(image.height(), expected.height());
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += image.pixel(x, y) != expected.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels differ from " << png.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, ReadCaseThumbnailTest,
                         testing::ValuesIn(ReadCaseNames(QStringLiteral("thumbnail_size"))),
                         [](const auto& info) { return ReadCaseTestName(info.param); });

// A tiny tip is pixel art: whole-factor squares in the middle of a clear preview, not a blurred
// block filling it.
TEST_F(ThumbnailerTest, TinyTipStaysSmallCrispAndCentred)
{
    QByteArray checker(16, '\0');
    for (int i = 0; i < 16; ++i)
        checker[i] = char(((i % 4) + (i / 4)) % 2 ? 255 : 0);
    AbrWriter file;
    file.u16(1).u16(1).sampledRecord(false, {}, 0, 0, 4, 4, 8, false, checker);
    const QString input = mSandbox.write(QStringLiteral("tiny.abr"), file.data());
    ASSERT_EQ(Thumbnail({"-s", "128", input, out()}).exitCode, 0);
    const QImage image = QImage(out()).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(128, 128));
    // 128 / 32 = 4 times: 16 x 16 from (56, 56); everything else clear.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const bool inside = x >= 56 && x < 72 && y >= 56 && y < 72;
            const int expected = inside && ((x - 56) / 4 + (y - 56) / 4) % 2 ? 255 : 0;
            ASSERT_EQ(qAlpha(image.pixel(x, y)), expected) << x << "," << y;
        }
}

// Whatever the input, a failure is exit status 1, a line on standard error and no output file.
TEST_F(ThumbnailerTest, UnreadableInputsWriteNothing)
{
    AbrWriter manyButNone, hugeTip, hugeSample;
    manyButNone.u16(2).u16(65535);
    hugeTip.u16(1).u16(1).computedRecord(false, {}, 65535, 100, 0, 100);
    // 289 MB of pixels from a 4.6 MB file: more than the memory cap lets the reader take.
    const int side = 17000;
    hugeSample.u16(1).u16(1).sampledRecord(false, {}, 0, 0, side, side, 8, true, ZeroRows(side));

    const QString fifo = mSandbox.path(QStringLiteral("fifo.abr"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QStringList inputs = {
        fifo,
        mSandbox.write(QStringLiteral("empty.abr"), {}),
        mSandbox.write(QStringLiteral("text.abr"), "# not a brush file\n"),
        mSandbox.write(QStringLiteral("v6-header-only.abr"), QByteArray("\0\6\0\2", 4)),
        mSandbox.write(QStringLiteral("count-without-records.abr"), manyButNone.data()),
        mSandbox.write(QStringLiteral("huge-sample.abr"), hugeSample.data()),
        mSandbox.path(QStringLiteral("missing.abr")),
        mSandbox.path({}),
        QStringLiteral("sftp://host/brushes.abr"),
        QStringLiteral("file://otherhost/brushes.abr"),
    };
    for (const QString& input : inputs) {
        SCOPED_TRACE(input.toStdString());
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        // Sanitizers need the address space the memory cap would take away.
        if (input.endsWith(QLatin1String("huge-sample.abr")))
            continue;
#endif
        const Outcome run = Thumbnail({"-s", "128", input, out()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.startsWith(QLatin1String("kelbrin-thumbnailer: ")))
            << run.errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out()));
    }
    // A tip too large to draw at full size is drawn only at the preview's size.
    const Outcome tip = Thumbnail(
        {"-s", "128", mSandbox.write(QStringLiteral("huge-tip.abr"), hugeTip.data()), out()});
    EXPECT_EQ(tip.exitCode, 0) << tip.errors.toStdString();
}

TEST_F(ThumbnailerTest, BadCommandLinesAndOutputs)
{
    const QString file = TestDataPath(QStringLiteral("agpsd_tilt.abr"));
    for (const QStringList& bad :
         {QStringList{}, QStringList{"-s", "0", file, out()},
          QStringList{"-s", "2000", file, out()}, QStringList{"-s", "12x", file, out()},
          QStringList{"-x", "64", file, out()}, QStringList{"-s", "64", file}}) {
        SCOPED_TRACE(bad.join(' ').toStdString());
        EXPECT_EQ(Thumbnail(bad).exitCode, 2);
    }
    EXPECT_FALSE(QFileInfo::exists(out()));

    const Outcome unwritable =
        Thumbnail({"-s", "64", file, mSandbox.path(QStringLiteral("no/such/dir.png"))});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.errors.contains(QLatin1String("cannot write")));
}

// With no brush to show, the first pattern is shown in its colours, never enlarged.
TEST_F(ThumbnailerTest, FileOfPatternsOnlyShowsItsFirstPattern)
{
    PatternRecordDescription pattern;
    pattern.mode = 3;
    pattern.width = 40;
    pattern.height = 20;
    pattern.channels = {{true, 8, true, QByteArray(800, char(200))},
                        {true, 8, true, QByteArray(800, char(100))},
                        {true, 8, true, QByteArray(800, char(50))}};
    PatternRecordDescription second = pattern;
    second.channels = {};
    const QString input =
        mSandbox.write(QStringLiteral("p.abr"), PatternsOnlyFile({pattern, second}));
    const Outcome outcome = Thumbnail({QStringLiteral("-s"), QStringLiteral("128"), input, out()});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.errors.toStdString();
    const QImage preview(out());
    EXPECT_EQ(preview.size(), QSize(40, 20));
    EXPECT_EQ(preview.pixel(5, 5), qRgb(200, 100, 50));
    EXPECT_EQ(Thumbnail({QStringLiteral("-s"), QStringLiteral("16"), input, out() + "2"}).exitCode,
              0);
    EXPECT_EQ(QImage(out() + "2").size(), QSize(16, 8));
}
