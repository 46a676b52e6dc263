#include "library/CatalogueEntry.h"

#include "abr/CABRreader.h"
#include "abr/ReadErrorText.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "platform/NativePath.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <openssl/evp.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// OpenSSL's SHA-256 uses the processor's SHA instructions where it has them, several times the
// speed of QCryptographicHash; hashing is most of what cataloguing a large collection costs.
class Sha256
{
public:
    Sha256() : mContext(EVP_MD_CTX_new()) { EVP_DigestInit_ex(mContext, EVP_sha256(), nullptr); }
    ~Sha256() { EVP_MD_CTX_free(mContext); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void addData(QByteArrayView data)
    {
        EVP_DigestUpdate(mContext, data.data(), size_t(data.size()));
    }
    QByteArray result()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_DigestFinal_ex(mContext, digest, &length);
        return QByteArray(reinterpret_cast<const char*>(digest), qsizetype(length));
    }

private:
    EVP_MD_CTX* mContext;
};

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
    }
    return axis;
}

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
    const uchar* ink = brush.pixels().data();
    std::vector<quint32> rowSums(size_t(size.width()));
    std::vector<quint32> total(size_t(size.width()));
    // A row where one thumbnail row's run ends and the next one's begins is summed once.
    int summedRow = -1;
    const auto addRow = [&](int row, quint32 weight) {
        if (weight == 0)
            return;
        if (row != summedRow) {
            SumAcross(ink + qsizetype(row) * width, *across, rowSums.data());
            summedRow = row;
        }
        for (size_t x = 0; x < total.size(); ++x)
            total[x] += rowSums[x] * weight;
    };
    for (int y = 0; y < size.height(); ++y) {
        const SampleRun& run = down->runs[size_t(y)];
        std::fill(total.begin(), total.end(), 0u);
        addRow(run.first, run.firstWeight);
        for (int i = 1; i <= run.wholes; ++i)
            addRow(run.first + i, down->whole);
        addRow(run.first + run.wholes + 1, run.lastWeight);
        uchar* line = out.scanLine(y);
        for (size_t x = 0; x < total.size(); ++x)
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
    const QImage image = brush.thumbnail(kLibraryThumbnailSide);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

void AppendPngBytes(png_structp png, png_bytep data, size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void FlushNothing(png_structp) {}

void IgnorePngWarning(png_structp, png_const_charp) {}

// What QImageWriter writes for a grey image at our compression (zlib's level 6, which Qt's 66
// of 100 comes to), made by libpng straight: through the writer, finding the plugin and its
// device cost a third as much again as the picture. False when libpng failed.
bool WriteGreyPng(const QImage& image, QByteArray* png)
{
    std::vector<png_bytep> rows(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = const_cast<png_bytep>(image.constScanLine(y));
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!writer)
        return false;
    png_infop info = png_create_info_struct(writer);
    if (!info || setjmp(png_jmpbuf(writer))) {
        png_destroy_write_struct(&writer, &info);
        return false;
    }
    png_set_error_fn(writer, nullptr, nullptr, IgnorePngWarning);
    png_set_compression_level(writer, 6);
    png_set_write_fn(writer, png, AppendPngBytes, FlushNothing);
    png_set_IHDR(writer, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (image.dotsPerMeterX() > 0 || image.dotsPerMeterY() > 0)
        png_set_pHYs(writer, info, png_uint_32(image.dotsPerMeterX()),
                     png_uint_32(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_write_info(writer, info);
    png_write_image(writer, rows.data());
    png_write_end(writer, info);
    png_destroy_write_struct(&writer, &info);
    return true;
}

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
        if (WriteGreyPng(image, &png))
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
