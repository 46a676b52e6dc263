#include "library/CatalogueEntry.h"

#include "abr/CABRreader.h"
#include "abr/ReadErrorText.h"
#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "platform/NativePath.h"

#include <QBuffer>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <openssl/evp.h>
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

QByteArray ThumbnailPng(const Brush& brush)
{
    QImage image = brush.thumbnail(kLibraryThumbnailSide);
    if (image.isNull())
        return {};
    // The grid shows tips in grey; one byte a pixel keeps the PNG small.
    image = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray png;
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
    if (brush.name())
        row.name = brush.displayName();
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
