#include "ui/grid/BrushViewer.h"

#include "brush/ComputedBrush.h"

#include "brush/SampledBrush.h"
#include "ui/common/ScreenFit.h"
#include "ui/grid/BrushFileView.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <new>

namespace {
// The most pixels of a computed tip drawn while the canvas paints (a few milliseconds' worth).
constexpr double kPaintPixels = double(1 << 18);

// A drawing (dark is ink) as alpha: black ink on whatever lies beneath.
QImage InkFromDrawing(QImage drawing)
{
    drawing.invertPixels();
    if (!drawing.reinterpretAsFormat(QImage::Format_Alpha8))
        return QImage();
    return drawing;
}
} // namespace

// The brush on its background. In fitted mode it takes the viewport's size; at a fixed zoom it
// asks for the brush's size times the zoom and the scroll area scrolls. A computed tip is drawn
// at the size it is shown (never above its own), within ComputedBrush::kMaxDrawingPixels, so a
// huge one costs what the screen shows of it rather than its full size.
class BrushCanvas : public QWidget
{
public:
    using QWidget::QWidget;

    void setBrush(BrushPtr brush)
    {
        mBrush = std::move(brush);
        mComputed = dynamic_cast<const ComputedBrush*>(mBrush.get());
        mBrushSize = mBrush ? mBrush->pixelSize() : QSize();
        mImage = mComputed ? QImage() : BrushFileView::fullImageForBrush(mBrush);
        giveUpDrawing(); // one under way is of the brush shown before
        mWhiteInk = QImage();
        mTiled = false;
        updateSize();
    }
    // A pattern is in its own colours and shows as it is on any ground, repeated over the whole
    // canvas as it would paint.
    void setPattern(const QImage& image)
    {
        mBrush = nullptr;
        mComputed = nullptr;
        giveUpDrawing();
        mBrushSize = image.size();
        mImage = image;
        mWhiteInk = QImage();
        mTiled = true;
        updateSize();
    }
    void setZoom(int zoom)
    {
        mZoom = zoom;
        updateSize();
    }
    int zoom() const { return mZoom; }
    void setBackground(BrushViewer::Background background)
    {
        mBackground = background;
        update();
    }
    double scale() const
    {
        if (mBrushSize.isEmpty())
            return 1;
        if (mZoom != BrushViewer::FitToWindow)
            return mZoom;
        const QSizeF room = QSizeF(size()) - QSizeF(2 * kMargin, 2 * kMargin);
        return std::max(
            0.01, std::min(room.width() / mBrushSize.width(), room.height() / mBrushSize.height()));
    }
    // What paintEvent drew from last: a computed tip's drawing at the size shown.
    QSize drawnSize() const { return mImage.size(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        switch (mBackground) {
        case BrushViewer::Checkerboard:
            painter.fillRect(rect(), checkerboard());
            break;
        case BrushViewer::White:
            painter.fillRect(rect(), Qt::white);
            break;
        case BrushViewer::Black:
            painter.fillRect(rect(), Qt::black);
            break;
        }
        const double s = scale();
        drawComputedAt(s * devicePixelRatioF());
        if (mImage.isNull())
            return;
        const QSizeF drawn(mBrushSize.width() * s, mBrushSize.height() * s);
        const QRectF target(QPointF((width() - drawn.width()) / 2, (height() - drawn.height()) / 2),
                            drawn);
        // Enlarged brushes show their pixels as squares; shrunk ones are filtered.
        // A tip drawn smaller than its size has no pixels of its own to show.
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              s < 1.0 || mImage.size() != mBrushSize);
        if (mTiled) {
            // Copies laid edge to edge from the centred one, out to the canvas's edges.
            painter.translate(target.topLeft());
            painter.scale(s, s);
            painter.fillRect(painter.transform().inverted().mapRect(QRectF(rect())),
                             QBrush(mImage));
            return;
        }
        painter.drawImage(target.toAlignedRect(),
                          mBackground == BrushViewer::Black ? whiteInk() : mImage);
    }

private:
    static constexpr int kMargin = 12;

    // Draws a computed tip again when the size it is shown at asks for another drawing. One too
    // large to draw within a paint (a huge tip at 100 % takes a second) is drawn on a pool thread;
    // until it is done the drawing shown before stands in, stretched, or a small one made now, so
    // that zooming never holds the window.
    void drawComputedAt(double deviceScale)
    {
        if (!mComputed)
            return;
        const double scale = std::min({1.0, deviceScale, mComputed->scaleWithin()});
        const QSize wanted = mComputed->drawnSize(scale);
        if (!mImage.isNull() && mImage.size() == wanted) {
            // Back at the size shown before a larger drawing was asked for: it is not wanted.
            if (mDrawingSize.isValid())
                giveUpDrawing();
            return;
        }
        if (mComputed->drawingPixels(scale) <= kPaintPixels) {
            giveUpDrawing();
            showInk(InkFromDrawing(mComputed->drawImage(scale)));
            return;
        }
        if (mDrawingSize != wanted) {
            mDrawingSize = wanted;
            drawLater(scale);
        }
        if (mImage.isNull())
            showInk(InkFromDrawing(mComputed->drawImage(mComputed->scaleWithin(kPaintPixels))));
    }
    void drawLater(double scale)
    {
        const quint64 serial = ++mDrawSerial;
        QPointer<BrushCanvas> self(this);
        QThreadPool::globalInstance()->start([self, brush = mBrush, scale, serial] {
            QImage ink;
            try {
                ink = InkFromDrawing(static_cast<const ComputedBrush&>(*brush).drawImage(scale));
            } catch (const std::bad_alloc&) {
                // The stand-in stays.
            }
            QMetaObject::invokeMethod(
                qApp,
                [self, ink = std::move(ink), serial]() mutable {
                    // Checked here, on the canvas's own thread: it may have gone, or moved on to
                    // another brush or size.
                    if (!self || serial != self->mDrawSerial)
                        return;
                    self->mDrawingSize = QSize();
                    if (!ink.isNull())
                        self->showInk(std::move(ink));
                    self->update();
                },
                Qt::QueuedConnection);
        });
    }
    void giveUpDrawing()
    {
        ++mDrawSerial;
        mDrawingSize = QSize();
    }
    void showInk(QImage ink)
    {
        mImage = std::move(ink);
        mWhiteInk = QImage();
    }
    // Ink shows white on black; the alpha is the brush either way. Made when first shown.
    const QImage& whiteInk()
    {
        if (mWhiteInk.isNull()) {
            mWhiteInk = mImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&mWhiteInk);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(mWhiteInk.rect(), Qt::white);
        }
        return mWhiteInk;
    }

    void updateSize()
    {
        if (mZoom == BrushViewer::FitToWindow || mBrushSize.isEmpty())
            setMinimumSize(0, 0);
        else
            setMinimumSize(mBrushSize.width() * mZoom + 2 * kMargin,
                           mBrushSize.height() * mZoom + 2 * kMargin);
        update();
    }
    QBrush checkerboard() const
    {
        const int cell = 8;
        QPixmap tile(2 * cell, 2 * cell);
        tile.fill(QColor(0xcc, 0xcc, 0xcc));
        QPainter painter(&tile);
        painter.fillRect(0, 0, cell, cell, QColor(0x99, 0x99, 0x99));
        painter.fillRect(cell, cell, cell, cell, QColor(0x99, 0x99, 0x99));
        return QBrush(tile);
    }

    BrushPtr mBrush;
    const ComputedBrush* mComputed = nullptr; // mBrush, when it is a computed tip
    QSize mBrushSize;
    QImage mImage; // ink as alpha: the whole of a sampled brush, a computed one as last drawn
    QImage mWhiteInk;
    QSize mDrawingSize;      // of a computed tip's drawing under way on a pool thread
    quint64 mDrawSerial = 0; // tells that drawing's result from those of drawings given up
    bool mTiled = false;
    int mZoom = BrushViewer::FitToWindow;
    BrushViewer::Background mBackground = BrushViewer::Checkerboard;
};

BrushViewer::BrushViewer(BrushFilePtr file, int index, QWidget* parent)
    : QDialog(parent), mFile(std::move(file))
{
    setObjectName(QStringLiteral("brushViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);

    mCanvas = new BrushCanvas;
    mCanvas->setObjectName(QStringLiteral("brushCanvas"));
    mScrollArea = new QScrollArea;
    mScrollArea->setWidget(mCanvas);
    mScrollArea->setWidgetResizable(true);
    mScrollArea->setFocusPolicy(Qt::NoFocus);

    mZoomBox = new QComboBox;
    mZoomBox->setObjectName(QStringLiteral("zoomBox"));
    mZoomBox->addItem(tr("Fit to Window"), int(FitToWindow));
    mZoomBox->addItem(QStringLiteral("100%"), int(Actual));
    mZoomBox->addItem(QStringLiteral("200%"), int(Double));
    mZoomBox->addItem(QStringLiteral("400%"), int(Quadruple));
    mBackgroundBox = new QComboBox;
    mBackgroundBox->setObjectName(QStringLiteral("backgroundBox"));
    mBackgroundBox->addItem(tr("Checkerboard"), int(Checkerboard));
    mBackgroundBox->addItem(tr("White"), int(White));
    mBackgroundBox->addItem(tr("Black"), int(Black));
    for (QComboBox* box : {mZoomBox, mBackgroundBox})
        box->setFocusPolicy(Qt::ClickFocus); // Left and Right stay with the brushes
    connect(mZoomBox, &QComboBox::currentIndexChanged, this,
            [this] { mCanvas->setZoom(mZoomBox->currentData().toInt()); });
    connect(mBackgroundBox, &QComboBox::currentIndexChanged, this,
            [this] { mCanvas->setBackground(Background(mBackgroundBox->currentData().toInt())); });

    mPrevious = new QPushButton(tr("Previous"));
    mPrevious->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    mNext = new QPushButton(tr("Next"));
    mNext->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    for (QPushButton* button : {mPrevious, mNext}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(mPrevious, &QPushButton::clicked, this, &BrushViewer::showPrevious);
    connect(mNext, &QPushButton::clicked, this, &BrushViewer::showNext);
    mPlace = new QLabel;
    mPlace->setObjectName(QStringLiteral("placeLabel"));

    auto* controls = new QHBoxLayout;
    mControls = controls;
    controls->addWidget(mPrevious);
    controls->addWidget(mPlace);
    controls->addWidget(mNext);
    controls->addStretch(1);

    auto* factsPane = new QWidget;
    factsPane->setObjectName(QStringLiteral("factsPane"));
    mFacts = new QFormLayout(factsPane);
    mFacts->setLabelAlignment(Qt::AlignRight);
    factsPane->setMinimumWidth(200);

    // How the brush is shown goes under its facts rather than beside the buttons, so that the
    // viewer fits a small or scaled screen.
    auto* showing = new QFormLayout;
    showing->setLabelAlignment(Qt::AlignRight);
    showing->addRow(tr("Zoom:"), mZoomBox);
    showing->addRow(tr("Background:"), mBackgroundBox);
    auto* side = new QVBoxLayout;
    side->addWidget(factsPane);
    side->addLayout(showing);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(mScrollArea, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(middle, 1);

    ResizeWithinScreen(this, QSize(760, 520));
    showBrush(index);
}

QList<QPair<QString, QString>> BrushViewer::factsForBrush(const Brush& brush)
{
    QList<QPair<QString, QString>> facts;
    const QString name = brush.displayName();
    facts << qMakePair(tr("Name"), name.isEmpty() ? tr("(no name)") : name);
    facts << qMakePair(tr("Kind"), brush.isComputed() ? tr("Computed tip") : tr("Sampled"));
    const QSizeF size = brush.size();
    facts << qMakePair(tr("Size"), QStringLiteral("%1 %2 %3 px")
                                       .arg(int(size.width()))
                                       .arg(QChar(0x00D7))
                                       .arg(int(size.height())));
    // Computed tips are drawn one byte a pixel.
    const auto* sampled = dynamic_cast<const SampledBrush*>(&brush);
    facts << qMakePair(tr("Depth"), tr("%1-bit").arg(sampled ? sampled->depth() : 8));
    if (sampled && sampled->missingRows())
        facts << qMakePair(tr("Damaged"), tr("%n row(s) lost in the file, left blank", nullptr,
                                             int(sampled->missingRows())));
    if (const std::optional<PatternReference>& texture = brush.texture())
        facts << qMakePair(tr("Texture"), ReadableName(texture->name));
    if (const auto* computed = dynamic_cast<const ComputedBrush*>(&brush)) {
        const ComputedBrush::Parameters& p = computed->parameters();
        const QLocale locale;
        facts << qMakePair(tr("Diameter"), tr("%1 px").arg(locale.toString(p.diameter, 'g', 6)))
              << qMakePair(tr("Hardness"),
                           tr("%1 %").arg(locale.toString(p.hardnessInPercent, 'g', 6)))
              << qMakePair(tr("Roundness"),
                           tr("%1 %").arg(locale.toString(p.roundnessInPercent, 'g', 6)))
              << qMakePair(tr("Angle"), tr("%1°").arg(locale.toString(p.angleInDegrees, 'g', 6)));
    }
    return facts;
}

QList<QPair<QString, QString>> BrushViewer::factsForPattern(const Pattern& pattern)
{
    auto modeText = [](Pattern::Mode mode) {
        switch (mode) {
        case Pattern::Mode::Bitmap:
            return tr("Bitmap");
        case Pattern::Mode::Grey:
            return tr("Greyscale");
        case Pattern::Mode::Indexed:
            return tr("Indexed");
        case Pattern::Mode::Rgb:
            return tr("RGB");
        case Pattern::Mode::Cmyk:
            return tr("CMYK");
        case Pattern::Mode::Multichannel:
            return tr("Multichannel");
        case Pattern::Mode::Duotone:
            return tr("Duotone");
        case Pattern::Mode::Lab:
            return tr("Lab");
        }
        return QString();
    };
    QList<QPair<QString, QString>> facts;
    const QString name = pattern.displayName();
    facts << qMakePair(tr("Name"), name.isEmpty() ? tr("(no name)") : name);
    facts << qMakePair(tr("Kind"), tr("Pattern"));
    QString mode = modeText(pattern.mode());
    if (pattern.hasAlpha())
        mode += tr(" with alpha");
    // The image holds these converted by a plain formula; the facts should not hide that.
    if (pattern.mode() == Pattern::Mode::Cmyk || pattern.mode() == Pattern::Mode::Lab)
        mode += tr(" (shown as RGB)");
    facts << qMakePair(tr("Mode"), mode);
    const QSize size = pattern.pixelSize();
    facts << qMakePair(
        tr("Size"),
        QStringLiteral("%1 %2 %3 px").arg(size.width()).arg(QChar(0x00D7)).arg(size.height()));
    facts << qMakePair(tr("Depth"), tr("%1-bit").arg(pattern.depth()));
    return facts;
}

int BrushViewer::itemCount() const
{
    return mFile ? int(mFile->count() + mFile->patterns().size()) : 0;
}

PatternPtr BrushViewer::patternAt(int index) const
{
    const int at = index - int(mFile->count());
    return at >= 0 && size_t(at) < mFile->patterns().size() ? mFile->patterns()[size_t(at)]
                                                            : nullptr;
}

void BrushViewer::addControl(QAction* action)
{
    addAction(action);
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    mControls->insertWidget(3, button);
}

void BrushViewer::showBrush(int index)
{
    if (!mFile || index < 0 || index >= itemCount())
        return;
    mIndex = index;
    if (const PatternPtr pattern = patternAt(index)) {
        mCanvas->setPattern(pattern->image());
        setWindowTitle(BrushFileView::captionForPattern(*pattern));
    } else {
        const BrushPtr& brush = mFile->brush(size_t(index));
        mCanvas->setBrush(brush);
        setWindowTitle(BrushFileView::captionForBrush(*brush));
    }
    updateFacts();
    Q_EMIT brushShown(index);
}

void BrushViewer::updateFacts()
{
    while (mFacts->rowCount() > 0)
        mFacts->removeRow(0);
    const PatternPtr pattern = patternAt(mIndex);
    const auto facts =
        pattern ? factsForPattern(*pattern) : factsForBrush(*mFile->brush(size_t(mIndex)));
    for (const auto& [label, value] : facts) {
        auto* text = new QLabel(value);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setWordWrap(true);
        mFacts->addRow(label + QLatin1Char(':'), text);
    }
    const int count = itemCount();
    mPlace->setText(tr("%1 of %2").arg(mIndex + 1).arg(count));
    mPrevious->setEnabled(mIndex > 0);
    mNext->setEnabled(mIndex + 1 < count);
}

void BrushViewer::showPrevious()
{
    showBrush(mIndex - 1);
}

void BrushViewer::showNext()
{
    showBrush(mIndex + 1);
}

void BrushViewer::setZoom(Zoom zoom)
{
    mZoomBox->setCurrentIndex(mZoomBox->findData(int(zoom)));
}

BrushViewer::Zoom BrushViewer::zoom() const
{
    return Zoom(mCanvas->zoom());
}

void BrushViewer::setBackground(Background background)
{
    mBackgroundBox->setCurrentIndex(mBackgroundBox->findData(int(background)));
}

double BrushViewer::scale() const
{
    return mCanvas->scale();
}

QSize BrushViewer::drawnSize() const
{
    return mCanvas->drawnSize();
}

void BrushViewer::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        showPrevious();
        return;
    case Qt::Key_Right:
        showNext();
        return;
    case Qt::Key_Home:
        showBrush(0);
        return;
    case Qt::Key_End:
        showBrush(itemCount() - 1);
        return;
    case Qt::Key_Space:
        close();
        return; // Space opened it; Space closes it again
    default:
        QDialog::keyPressEvent(event);
    }
}
