#include "library/CatalogueEntry.h"

#include "abr/CABRreader.h"
#include "abr/ReadErrorText.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "platform/NativePath.h"
#include "stream/Sha256.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Equal tips need equal hashes, not a cryptographic guarantee between them; half a SHA-256
// keeps the index small.
constexpr int kTipHashBytes = 16;

// A sampled tip is its stored sample, as stored: a preset's size, angle and roundness are not
// the tip. Computed, bristle and erodible tips are their parameters.
QByteArray TipHash(const Brush& brush)
{
    Sha256 hash;
    if (const auto* computed = dynamic_cast<const ComputedBrush*>(&brush)) {
        const ComputedBrush::Parameters& p = computed->parameters();
        hash.addData(QStringLiteral("computed %1 %2 %3 %4")
                         .arg(p.diameter, 0, 'g', 17)
                         .arg(p.roundnessInPercent, 0, 'g', 17)
                         .arg(p.angleInDegrees, 0, 'g', 17)
                         .arg(p.hardnessInPercent, 0, 'g', 17)
                         .toUtf8());
    } else if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush)) {
        const QSize size = sampled->storedSize();
        hash.addData(QStringLiteral("sampled %1 %2 %3 ")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(sampled->depth())
                         .toUtf8());
        const PixelBlock& pixels = sampled->pixels();
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(pixels.data()), qsizetype(pixels.size())));
    } else if (const auto* preview = dynamic_cast<const PreviewBrush*>(&brush)) {
        const TipShape& tip = preview->tip();
        QString text = QStringLiteral("%1 %2 %3 %4")
                           .arg(QLatin1String(TipKindKey(tip.kind)))
                           .arg(tip.diameter, 0, 'g', 17)
                           .arg(tip.angle, 0, 'g', 17)
                           .arg(tip.roundness, 0, 'g', 17);
        if (const std::optional<BristleTip>& b = tip.bristle)
            text += QStringLiteral(" %1 %2 %3 %4 %5")
                        .arg(b->shape)
                        .arg(b->bristles, 0, 'g', 17)
                        .arg(b->length, 0, 'g', 17)
                        .arg(b->thickness, 0, 'g', 17)
                        .arg(b->stiffness, 0, 'g', 17);
        if (const std::optional<ErodibleTip>& e = tip.erodible)
            text += QStringLiteral(" %1 %2 %3 %4 %5 %6 %7")
                        .arg(int(e->airbrush))
                        .arg(e->shape)
                        .arg(e->softness, 0, 'g', 17)
                        .arg(e->granularity, 0, 'g', 17)
                        .arg(e->spatterSize, 0, 'g', 17)
                        .arg(e->spatterAmount, 0, 'g', 17)
                        .arg(e->gridSize);
        hash.addData(text.toUtf8());
        if (tip.erodible)
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(tip.erodible->heights.data()),
                                        qsizetype(tip.erodible->heights.size() * sizeof(float))));
    }
    return hash.result().left(kTipHashBytes);
}

// Qt's smooth scaling of a grey sample to less than half its size across or down, worked out on
// the 8-bit sample's own bytes. QImage::scaled first copies the whole sample into 32-bit pixels
// and then shrinks three equal channels of them; here the thumbnail comes out the same to the
// byte in a fraction of the time, so libraries catalogued before keep matching what is read now.
// (At half the size or more, Qt draws the sample with its painter instead, and is left to it.)
//
// Each thumbnail pixel covers a run of sample pixels on each axis. In 14-bit fixed point a whole
// sample pixel weighs `whole`; the run's first pixel weighs the part of it inside, and its last
// whatever is left of 1:
//
//     sample   | p0  | p1  | p2  | p3  |
//     weight    first whole whole last       first + 2 * whole + last == 1 << 14
//
// A row's sums across are cut to 10 bits of fraction before the rows are summed down.
struct SampleRun
{
    int first = 0;  // the first sample pixel
    int wholes = 0; // pixels after it that weigh `whole`
    quint32 firstWeight = 0;
    quint32 lastWeight = 0; // of the pixel after those; 0 when there is none
};

struct ShrunkAxis
{
    quint32 whole = 0;
    std::vector<SampleRun> runs;
    int widest = 0; // the most wholes of a run
    int reach = 0;  // one past the last pixel a run ends at
};

// Empty when a run would reach past the sample, which Qt's arithmetic never asks for.
std::optional<ShrunkAxis> RunsOf(int from, int to)
{
    ShrunkAxis axis;
    axis.whole = quint32(((qint64(to) << 14) + from - 1) / from);
    axis.runs.resize(size_t(to));
    const qint64 step = (qint64(from) << 16) / to;
    for (int i = 0; i < to; ++i) {
        const qint64 at = i * step;
        SampleRun& run = axis.runs[size_t(i)];
        run.first = int(at >> 16);
        run.firstWeight = quint32(((0x10000 - (at & 0xffff)) * axis.whole) >> 16);
        const qint64 rest = (1 << 14) - qint64(run.firstWeight);
        run.wholes = rest > 0 ? int((rest - 1) / axis.whole) : 0;
        run.lastWeight = quint32(rest - qint64(run.wholes) * axis.whole);
        if (run.first + run.wholes + (run.lastWeight > 0 ? 1 : 0) >= from)
            return std::nullopt;
        axis.widest = std::max(axis.widest, run.wholes);
        axis.reach = std::max(axis.reach, run.first + run.wholes + 2);
    }
    return axis;
}

#if defined(__SSE2__)
// The inner pixels of most runs are 16 bytes or fewer, read at once where there is room to:
// their sum is that of the 16 bytes with those past the run masked off. The 16 bytes of kKeep
// from 16 - n keep the first n.
alignas(16) constexpr uchar kKeep[32] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                         0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff};

// The sums across two rows `stride` bytes apart, which share their runs' weights and masks.
// Both rows have room for every 16-byte read.
void SumAcrossTwo(const uchar* ink, qsizetype stride, const ShrunkAxis& across, quint32* sums,
                  quint32* nextSums)
{
    for (const SampleRun& run : across.runs) {
        const uchar* p = ink + run.first;
        const uchar* q = p + stride;
        const __m128i keep =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeep + 16 - run.wholes));
        // Each gives two sums of eight bytes, in the low words of its halves.
        const __m128i first = _mm_sad_epu8(
            _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1)), keep),
            _mm_setzero_si128());
        const __m128i second = _mm_sad_epu8(
            _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1)), keep),
            _mm_setzero_si128());
        const __m128i inner =
            _mm_add_epi64(_mm_unpacklo_epi64(first, second), _mm_unpackhi_epi64(first, second));
        const quint32 wholes = 255u * quint32(run.wholes);
        // p[wholes + 1] is within room even where it weighs nothing.
        *sums++ = (run.firstWeight * (255u - p[0]) +
                   across.whole * (wholes - quint32(_mm_cvtsi128_si32(inner))) +
                   run.lastWeight * (255u - p[run.wholes + 1])) >>
                  4;
        *nextSums++ = (run.firstWeight * (255u - q[0]) +
                       across.whole * (wholes - quint32(_mm_extract_epi16(inner, 4))) +
                       run.lastWeight * (255u - q[run.wholes + 1])) >>
                      4;
    }
}
#endif

// The sums across one row of ink, as grey (255 less the ink, as the sample's colour table has it).
void SumAcross(const uchar* ink, const ShrunkAxis& across, quint32* sums)
{
    for (const SampleRun& run : across.runs) {
        const uchar* p = ink + run.first;
        quint32 inner = 0;
        for (int i = 1; i <= run.wholes; ++i)
            inner += p[i];
        quint32 sum =
            run.firstWeight * (255u - p[0]) + across.whole * (255u * quint32(run.wholes) - inner);
        if (run.lastWeight > 0)
            sum += run.lastWeight * (255u - p[run.wholes + 1]);
        *sums++ = sum >> 4;
    }
}

// The thumbnail of a stored 8-bit sample when Qt would shrink it by area; null otherwise.
QImage ShrunkSample(const SampledBrush& brush, int side)
{
    const QImage& stored = brush.storedImage();
    if (brush.isShaped() || brush.depth() != 8 || stored.format() != QImage::Format_Indexed8)
        return {};
    const int width = stored.width();
    const int height = stored.height();
    QSize size = stored.size().scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (size.width() >= width || size.height() >= height ||
        (size.width() * 2 >= width && size.height() * 2 >= height))
        return {};
    const std::optional<ShrunkAxis> across = RunsOf(width, size.width());
    const std::optional<ShrunkAxis> down = RunsOf(height, size.height());
    if (!across || !down)
        return {};

    QImage out(size, QImage::Format_Grayscale8);
    if (out.isNull())
        return out;
    out.setDotsPerMeterX(stored.dotsPerMeterX());
    out.setDotsPerMeterY(stored.dotsPerMeterY());

    // Every row's sums across first, two rows at a time where they leave room to read ahead.
    const uchar* ink = brush.pixels().data();
    const size_t columns = size_t(size.width());
    // Every element is written below; zeroing them first would cost as much again.
    std::vector<quint32, UninitializedAllocator<quint32>> sums(size_t(height) * columns);
    int row = 0;
#if defined(__SSE2__)
    if (across->widest <= 16) {
        const qsizetype room = qsizetype(brush.pixels().size()) - across->reach - 16;
        for (; row + 1 < height && qsizetype(row + 1) * width <= room; row += 2)
            SumAcrossTwo(ink + qsizetype(row) * width, width, *across, &sums[size_t(row) * columns],
                         &sums[size_t(row + 1) * columns]);
    }
#endif
    for (; row < height; ++row)
        SumAcross(ink + qsizetype(row) * width, *across, &sums[size_t(row) * columns]);

    std::vector<quint32> total(columns);
    const auto addRow = [&](int sampleRow, quint32 weight) {
        const quint32* rowSums = &sums[size_t(sampleRow) * columns];
        for (size_t x = 0; x < columns; ++x)
            total[x] += rowSums[x] * weight;
    };
    for (int y = 0; y < size.height(); ++y) {
        const SampleRun& run = down->runs[size_t(y)];
        std::fill(total.begin(), total.end(), 0u);
        addRow(run.first, run.firstWeight);
        for (int i = 1; i <= run.wholes; ++i)
            addRow(run.first + i, down->whole);
        if (run.lastWeight > 0)
            addRow(run.first + run.wholes + 1, run.lastWeight);
        uchar* line = out.scanLine(y);
        for (size_t x = 0; x < columns; ++x)
            line[x] = uchar(total[x] >> 24);
    }
    return out;
}

// The thumbnail as the library keeps it: grey, one byte a pixel, which keeps the PNG small.
QImage ThumbnailImage(const Brush& brush)
{
    if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush)) {
        QImage shrunk = ShrunkSample(*sampled, kLibraryThumbnailSide);
        if (!shrunk.isNull())
            return shrunk;
    }
    // Drawn here, although Qt's painter shares its larger fills out to Qt's global pool, at the
    // pool's priority and with a hand-over for each piece: drawn in one piece on a thread of that
    // pool, a few turned tips come out a shade different.
    const QImage image = brush.thumbnail(kLibraryThumbnailSide);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

// A grey thumbnail's PNG, the same to the byte as QImageWriter writes it at our compression
// (Qt's 66 of 100, zlib's level 6) through libpng, but without the writer's plugin and device,
// which cost a third as much again as the picture, and with the filters picked in one pass.
// What libpng does, and so what is done here: each row takes the filter (none, sub, up, average,
// Paeth) whose bytes, read as signed, sum to the least in size, the earlier on a tie; rows of one
// pixel or images of one row leave out the filters that would need a neighbour. zlib is given
// the smallest window that holds the image, and the stream's header the smallest that holds its
// bytes; the stream goes in IDAT chunks of at most 8 KB.
//
//     signature  IHDR  [pHYs]  IDAT...  IEND
class GreyPngWriter
{
public:
    explicit GreyPngWriter(QByteArray& png) : mPng(png) {}

    bool write(const QImage& image)
    {
        const int width = image.width();
        const int height = image.height();
        const size_t rowBytes = size_t(width);
        if (rowBytes > kMaxRowBytes || height <= 0)
            return false;
        mPng.append("\x89PNG\r\n\x1a\n", 8);
        uchar header[13];
        PutBigEndian(header, quint32(width));
        PutBigEndian(header + 4, quint32(height));
        header[8] = 8;                            // bits a sample
        header[9] = 0;                            // grey
        header[10] = header[11] = header[12] = 0; // deflate, adaptive filters, not interlaced
        appendChunk("IHDR", header, sizeof header);
        if (image.dotsPerMeterX() > 0 || image.dotsPerMeterY() > 0) {
            uchar density[9];
            PutBigEndian(density, quint32(image.dotsPerMeterX()));
            PutBigEndian(density + 4, quint32(image.dotsPerMeterY()));
            density[8] = 1; // per metre
            appendChunk("pHYs", density, sizeof density);
        }

        const bool across = width > 1;
        const bool down = height > 1;
        PixelBlock filtered((rowBytes + 1) * size_t(height)); // every byte written below
        const std::vector<uchar> noRow(rowBytes, 0);
        for (int y = 0; y < height; ++y) {
            const uchar* row = image.constScanLine(y);
            const uchar* above = y > 0 ? image.constScanLine(y - 1) : noRow.data();
            uchar* out = filtered.data() + size_t(y) * (rowBytes + 1);
            out[0] = FilterBest(row, above, rowBytes, across, down, out + 1);
        }

        // No filter at all only for an image of one pixel.
        const int strategy = across || down ? Z_FILTERED : Z_DEFAULT_STRATEGY;
        const size_t dataSize = filtered.size();
        int windowBits = 15;
        if (dataSize <= 16384)
            for (size_t half = size_t(1) << (windowBits - 1); dataSize + 262 <= half; half >>= 1)
                --windowBits;
        if (windowBits == 8)
            windowBits = 9; // zlib's own floor
        z_stream* stream = Deflater::forThisThread(windowBits, strategy);
        if (!stream)
            return false;
        PixelBlock compressed(deflateBound(stream, uLong(dataSize)));
        stream->next_in = filtered.data();
        stream->avail_in = uInt(dataSize);
        stream->next_out = compressed.data();
        stream->avail_out = uInt(compressed.size());
        const int done = deflate(stream, Z_FINISH);
        const size_t length = compressed.size() - stream->avail_out;
        if (done != Z_STREAM_END || length < 2)
            return false;
        NarrowWindowInHeader(compressed.data(), dataSize);
        constexpr size_t kIdatBytes = 8192;
        for (size_t at = 0; at < length; at += kIdatBytes)
            appendChunk("IDAT", compressed.data() + at, std::min(kIdatBytes, length - at));
        appendChunk("IEND", nullptr, 0);
        return true;
    }

private:
    // A reading thread's compressor, kept from one thumbnail to the next: made afresh, zlib
    // takes a quarter of a megabyte and clears part of it, a sixth of what a thumbnail costs.
    // Reset, it is as good as new.
    class Deflater
    {
    public:
        static z_stream* forThisThread(int windowBits, int strategy)
        {
            thread_local Deflater deflater;
            return deflater.ready(windowBits, strategy) ? &deflater.mStream : nullptr;
        }
        ~Deflater()
        {
            if (mWindowBits != 0)
                deflateEnd(&mStream);
        }

    private:
        bool ready(int windowBits, int strategy)
        {
            if (windowBits == mWindowBits && strategy == mStrategy)
                return deflateReset(&mStream) == Z_OK;
            if (mWindowBits != 0)
                deflateEnd(&mStream);
            mStream = z_stream{};
            mWindowBits = 0;
            if (deflateInit2(&mStream, 6, Z_DEFLATED, windowBits, 8, strategy) != Z_OK)
                return false;
            mWindowBits = windowBits;
            mStrategy = strategy;
            return true;
        }

        z_stream mStream{};
        int mWindowBits = 0; // 0 while there is no stream
        int mStrategy = 0;
    };

    // Longer rows are left to QImageWriter.
    static constexpr size_t kMaxRowBytes = 256;

    enum eFilter : uchar
    {
        eNone,
        eSub,
        eUp,
        eAverage,
        ePaeth,
    };

    static void PutBigEndian(uchar* at, quint32 value)
    {
        at[0] = uchar(value >> 24);
        at[1] = uchar(value >> 16);
        at[2] = uchar(value >> 8);
        at[3] = uchar(value);
    }

    void appendChunk(const char type[4], const uchar* data, size_t length)
    {
        uchar word[4];
        PutBigEndian(word, quint32(length));
        mPng.append(reinterpret_cast<const char*>(word), 4);
        mPng.append(type, 4);
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
        if (length > 0) {
            mPng.append(reinterpret_cast<const char*>(data), qsizetype(length));
            crc = crc32(crc, data, uInt(length));
        }
        PutBigEndian(word, quint32(crc));
        mPng.append(reinterpret_cast<const char*>(word), 4);
    }

    // The neighbour nearest to left + up - upLeft, the left one on a tie, then the one above.
    // Written without branches so that the compiler makes it vector instructions.
    static int Paeth(int left, int up, int upLeft)
    {
        const int p = up - upLeft;
        const int q = left - upLeft;
        const int toLeft = std::abs(p);
        const int toUp = std::abs(q);
        const int toUpLeft = std::abs(p + q);
        const int takeUp = -int(toUp <= toUpLeft);
        const int takeLeft = -int((toLeft <= toUp) & (toLeft <= toUpLeft));
        const int upOrUpLeft = (up & takeUp) | (upLeft & ~takeUp);
        return (left & takeLeft) | (upOrUpLeft & ~takeLeft);
    }

    // Row and the one above it filtered one way; the first byte has a left neighbour of 0.
    // One loop a filter, so that the compiler makes each one a few vector instructions.
    static void Filter(uchar filter, const uchar* row, const uchar* above, size_t n, uchar* out)
    {
        switch (filter) {
        case eSub:
            out[0] = row[0];
            for (size_t i = 1; i < n; ++i)
                out[i] = uchar(row[i] - row[i - 1]);
            break;
        case eUp:
            for (size_t i = 0; i < n; ++i)
                out[i] = uchar(row[i] - above[i]);
            break;
        case eAverage:
            out[0] = uchar(row[0] - above[0] / 2);
            for (size_t i = 1; i < n; ++i)
                out[i] = uchar(row[i] - (row[i - 1] + above[i]) / 2);
            break;
        case ePaeth:
            out[0] = uchar(row[0] - above[0]);
            for (size_t i = 1; i < n; ++i)
                out[i] = uchar(row[i] - Paeth(row[i - 1], above[i], above[i - 1]));
            break;
        default:
            std::memcpy(out, row, n);
            break;
        }
    }

    // The sum of the filtered bytes read as signed, each as its size.
    static unsigned SumOfSizes(const uchar* bytes, size_t n)
    {
        unsigned sum = 0;
        for (size_t i = 0; i < n; ++i)
            sum += unsigned(std::abs(int(static_cast<signed char>(bytes[i]))));
        return sum;
    }

    // Filters the row into out the way that sums least, and says which.
    static uchar FilterBest(const uchar* row, const uchar* above, size_t n, bool across, bool down,
                            uchar* out)
    {
        uchar scratch[kMaxRowBytes];
        const bool tried[5] = {true, across, down, across && down, across && down};
        uchar best = eNone;
        unsigned least = SumOfSizes(row, n);
        std::memcpy(out, row, n);
        for (uchar f = eSub; f <= ePaeth; ++f) {
            if (!tried[f])
                continue;
            Filter(f, row, above, n, scratch);
            const unsigned sum = SumOfSizes(scratch, n);
            if (sum < least) {
                least = sum;
                best = f;
                std::memcpy(out, scratch, n);
            }
        }
        return best;
    }

    // libpng writes the smallest window that still covers the image's bytes into the stream's
    // header (and the header's check bits to match), even below the window zlib was given.
    static void NarrowWindowInHeader(uchar* stream, size_t dataSize)
    {
        const unsigned method = stream[0];
        if (dataSize > 16384 || (method & 0x0f) != 8 || (method & 0xf0) > 0x70)
            return;
        unsigned window = method >> 4;
        size_t half = size_t(1) << (window + 7);
        if (dataSize > half)
            return;
        do {
            half >>= 1;
            --window;
        } while (window > 0 && dataSize <= half);
        const unsigned narrowed = (method & 0x0f) | (window << 4);
        unsigned flags = stream[1] & 0xe0;
        flags += 0x1f - ((narrowed << 8) + flags) % 0x1f;
        stream[0] = uchar(narrowed);
        stream[1] = uchar(flags);
    }

    QByteArray& mPng;
};

QByteArray ThumbnailPng(const Brush& brush)
{
    const QImage image = ThumbnailImage(brush);
    if (image.isNull())
        return {};
    QByteArray png;
    // Anything the writer would add to a plain grey picture is left to it.
    if (image.format() == QImage::Format_Grayscale8 && !image.colorSpace().isValid() &&
        image.textKeys().isEmpty() && image.offset().isNull()) {
        png.reserve(4096);
        if (GreyPngWriter(png).write(image))
            return png;
        png.clear();
    }
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Qt's scale for PNG runs from 0 to 100 (zlib's levels 0 to 9 times 11): 9 would store it
    // raw, and past zlib's 6 the pictures shrink by little for much more time.
    writer.setCompression(66);
    writer.write(image);
    return png;
}

// Thrown through the reader to end a read that is no longer wanted.
struct CataloguingStopped
{
};

class CatalogueSink : public CBrushSink
{
public:
    CatalogueSink(CataloguedFile& file, const std::atomic<bool>* stop) : mFile(file), mStop(stop) {}
    void AddBrush(const BrushPtr& brush) override
    {
        if (mStop && mStop->load(std::memory_order_relaxed))
            throw CataloguingStopped{};
        mFile.brushes.push_back(CatalogueRow(*brush, int(mFile.brushes.size())));
    }
    void FinishedReadingFile(const ReadOutcome& outcome) override { mOutcome = outcome; }
    ReadOutcome mOutcome;

private:
    CataloguedFile& mFile;
    const std::atomic<bool>* mStop;
};
} // namespace

CataloguedBrush CatalogueRow(const Brush& brush, int position)
{
    CataloguedBrush row;
    row.position = position;
    if (brush.name()) {
        row.name = brush.displayName();
        row.foldedName = FoldedName(*row.name);
    } else {
        row.foldedName = QLatin1String("");
    }
    row.kind = brush.kind();
    row.width = brush.pixelSize().width();
    row.height = brush.pixelSize().height();
    if (const auto* sampled = dynamic_cast<const SampledBrush*>(&brush))
        row.depth = sampled->depth();
    if (const BrushPreset* preset = brush.preset()) {
        row.diameter = preset->tip.diameter;
        row.spacing = preset->tip.spacing;
    }
    row.tipHash = TipHash(brush);
    row.thumbnail = ThumbnailPng(brush);
    return row;
}

std::optional<FileFacts> StatRegularFile(const QString& path)
{
    struct stat st;
    if (stat(PathToNative(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileFacts facts;
    facts.size = qint64(st.st_size);
    facts.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    facts.inode = quint64(st.st_ino);
    facts.device = quint64(st.st_dev);
    facts.ctimeNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return facts;
}

QByteArray FileSha256(const QString& path, QString* error, std::optional<int>* version,
                      const std::atomic<bool>* stop)
{
    const int fd = open(PathToNative(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    // Reads ahead of the brush reader: the file is then in the page cache when it reads it.
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    Sha256 hash;
    static constexpr size_t kChunk = 1 << 18;
    std::unique_ptr<char[]> buffer(new char[kChunk]);
    bool first = true;
    for (;;) {
        const ssize_t n = read(fd, buffer.get(), kChunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            close(fd);
            return {};
        }
        if (n == 0)
            break;
        if (stop && stop->load(std::memory_order_relaxed)) {
            close(fd);
            return {};
        }
        if (first && version && n >= 2)
            *version = (uint8_t(buffer[0]) << 8) | uint8_t(buffer[1]);
        first = false;
        hash.addData(QByteArrayView(buffer.get(), n));
    }
    close(fd);
    return hash.result();
}

CataloguedFile CatalogueBrushFile(const QString& path, const FileFacts& facts,
                                  const std::atomic<bool>* stop)
{
    CataloguedFile file;
    file.path = path;
    file.facts = facts;
    file.sha256 = FileSha256(path, &file.error, &file.version, stop);
    file.stopped = file.sha256.isEmpty() && file.error.isEmpty();
    if (file.sha256.isEmpty())
        return file;
    CatalogueSink sink(file, stop);
    try {
        CABRreader(path).Read(sink);
    } catch (const CataloguingStopped&) {
        file.stopped = true;
        return file;
    } catch (int code) {
        if (!sink.mOutcome.failed())
            sink.mOutcome.error = code;
    } catch (const std::bad_alloc&) {
        sink.mOutcome.outOfMemory = true;
    }
    const ReadOutcome& outcome = sink.mOutcome;
    if (outcome.outOfMemory)
        file.error = QStringLiteral("out of memory");
    else if (outcome.error)
        file.error = ReadErrorText(*outcome.error);
    else if (outcome.unsupportedVersion)
        file.error = UnsupportedVersionText(*outcome.unsupportedVersion);
    return file;
}

QString FoldedName(const QString& name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing)
            bare.append(c);
    }
    return bare.toCaseFolded();
}
