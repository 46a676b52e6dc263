#include "ui/grid/BrushViewer.h"

#include "engine/PresetStroke.h"

#include "brush/ComputedBrush.h"
#include "brush/PreviewBrush.h"
#include "brush/SampledBrush.h"
#include "ui/common/ImageScaling.h"
#include "ui/common/ScreenFit.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/ScratchCanvas.h"
#include "ui/grid/StrokePreviews.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace {
// The most pixels of a computed tip drawn while the canvas paints (a few milliseconds' worth).
constexpr double kPaintPixels = double(1 << 18);
// The stroke above the settings, in the panel's pixels: as wide as the panel, a grid cell's
// shape.
constexpr QSize kStrokeSize(264, 106);

// A drawing (dark is ink) as alpha: black ink on whatever lies beneath.
QImage InkFromDrawing(QImage drawing)
{
    drawing.invertPixels();
    if (!drawing.reinterpretAsFormat(QImage::Format_Alpha8))
        return QImage();
    return drawing;
}

QString Number(double value)
{
    const QLocale locale;
    if (value == std::round(value) && std::abs(value) < 1e9)
        return locale.toString(qint64(std::llround(value)));
    return locale.toString(value, 'f', std::abs(value) < 1 ? 2 : 1);
}

QString Percent(double value)
{
    return QStringLiteral("%1 %").arg(Number(value));
}

QString Degrees(double value)
{
    return Number(value) + QChar(0x00B0);
}

QString Pixels(double value)
{
    return QStringLiteral("%1 px").arg(Number(value));
}

QString YesNo(bool value)
{
    return value ? BrushViewer::tr("yes") : BrushViewer::tr("no");
}

// Photoshop's Flip X and Flip Y.
QString FlipText(bool x, bool y)
{
    if (x && y)
        return BrushViewer::tr("X and Y");
    return x ? QStringLiteral("X") : QStringLiteral("Y");
}

// Photoshop's Shape menus for the two tips its file numbers.
QString BristleShapeName(int shape)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("BrushViewer", "Round Point"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Round Blunt"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Round Curve"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Round Angle"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Round Fan"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Flat Point"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Flat Blunt"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Flat Curve"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Flat Angle"),
                                        QT_TRANSLATE_NOOP("BrushViewer", "Flat Fan")};
    return shape >= 0 && shape < 10 ? BrushViewer::tr(names[shape])
                                    : BrushViewer::tr("shape %1").arg(shape);
}

QString ErodibleShapeName(int shape)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("BrushViewer", "Point"), QT_TRANSLATE_NOOP("BrushViewer", "Flat"),
        QT_TRANSLATE_NOOP("BrushViewer", "Round"), QT_TRANSLATE_NOOP("BrushViewer", "Square"),
        QT_TRANSLATE_NOOP("BrushViewer", "Triangle")};
    return shape >= 0 && shape < 5 ? BrushViewer::tr(names[shape])
                                   : BrushViewer::tr("shape %1").arg(shape);
}

QString KindText(const Brush& brush)
{
    switch (brush.kind()) {
    case TipKind::Sampled:
        return BrushViewer::tr("Sampled");
    case TipKind::Computed:
        return BrushViewer::tr("Computed tip");
    case TipKind::Bristle:
        return BrushViewer::tr("Bristle tip (preview)");
    case TipKind::Erodible:
        break;
    }
    const TipShape* tip = brush.preset() ? &brush.preset()->tip : nullptr;
    if (const auto* preview = dynamic_cast<const PreviewBrush*>(&brush))
        tip = &preview->tip();
    if (tip && tip->erodible && tip->erodible->airbrush)
        return BrushViewer::tr("Airbrush tip (preview)");
    return BrushViewer::tr("Erodible tip (preview)");
}

// How a scatter reads: "120 %, both axes, pen pressure"; its jitter is the scatter itself.
QString ScatterText(const Dynamic& scatter, bool bothAxes)
{
    QStringList parts{Percent(scatter.jitter)};
    if (bothAxes)
        parts << BrushViewer::tr("both axes");
    if (scatter.control != DynamicControl::Off) {
        Dynamic control = scatter;
        control.jitter = 0;
        control.minimum = 0;
        parts << DynamicText(control);
    }
    return parts.join(QStringLiteral(", "));
}

// TipKindKey's words, for lupdate to find: the viewer shows them translated.
[[maybe_unused]] const char* const kTipKindWords[] = {
    QT_TRANSLATE_NOOP("BrushViewer", "sampled"), QT_TRANSLATE_NOOP("BrushViewer", "computed"),
    QT_TRANSLATE_NOOP("BrushViewer", "bristle"), QT_TRANSLATE_NOOP("BrushViewer", "erodible")};

// A dual brush's tip in a line: "Chalk (sampled, 36 px)".
QString TipText(const TipShape& tip)
{
    const QString name = ReadableName(tip.name);
    const QString kind = BrushViewer::tr(TipKindKey(tip.kind));
    const QString what = QStringLiteral("%1, %2").arg(kind, Pixels(tip.diameter));
    return name.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(name, what);
}

// The value of a setting that overrides the stylus when its switch is on.
QString PoseText(const QString& value, bool overrides)
{
    return overrides ? BrushViewer::tr("%1, overrides the stylus").arg(value) : value;
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
    mCanvas->setAccessibleName(tr("Brush tip"));
    mScrollArea = new QScrollArea;
    mScrollArea->setWidget(mCanvas);
    mScrollArea->setWidgetResizable(true);
    mScrollArea->setFocusPolicy(Qt::NoFocus);

    mZoomBox = new QComboBox;
    mZoomBox->setObjectName(QStringLiteral("zoomBox"));
    mZoomBox->setAccessibleName(tr("Zoom"));
    mZoomBox->addItem(tr("Fit to Window"), int(FitToWindow));
    // "100%" in English; languages that space their percent sign say so in their translation.
    for (const auto& [percent, zoom] : {std::pair{100, Actual}, {200, Double}, {400, Quadruple}})
        mZoomBox->addItem(tr("%1%", "zoom").arg(QLocale().toString(percent)), int(zoom));
    mBackgroundBox = new QComboBox;
    mBackgroundBox->setObjectName(QStringLiteral("backgroundBox"));
    mBackgroundBox->setAccessibleName(tr("Background"));
    mBackgroundBox->addItem(tr("Checkerboard"), int(Checkerboard));
    mBackgroundBox->addItem(tr("White"), int(White));
    mBackgroundBox->addItem(tr("Black"), int(Black));
    // Tab reaches every control, a click takes the keys from none: Left and Right stay with
    // the brushes.
    for (QComboBox* box : {mZoomBox, mBackgroundBox})
        box->setFocusPolicy(Qt::TabFocus);
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
    mFacts->setContentsMargins(0, 0, 0, 0);

    auto* settingsBox = new QGroupBox(tr("Settings"));
    mSettingsPane = settingsBox;
    mSettingsPane->setObjectName(QStringLiteral("settingsPane"));
    // One line a setting, "Size: pen pressure, jitter 20 %", wrapped: a label column would
    // leave the values too narrow a column to read.
    mSettings = new QVBoxLayout(mSettingsPane);
    mSettings->setSpacing(2);

    // A preset with many groups on runs longer than the window: the facts scroll on their own,
    // under the buttons that show the brush.
    mStroke = new QLabel;
    mStroke->setObjectName(QStringLiteral("strokePreview"));
    mStroke->setAccessibleName(tr("How the brush paints"));
    mStroke->setFixedSize(kStrokeSize);
    mStroke->setAlignment(Qt::AlignCenter);
    mStroke->setAutoFillBackground(true);
    mStroke->setBackgroundRole(QPalette::Base);
    mStroke->setFrameShape(QFrame::StyledPanel);
    mStrokeNote = new QLabel;
    mStrokeNote->setObjectName(QStringLiteral("strokeNote"));
    mStrokeNote->setWordWrap(true);
    mStrokeNote->setForegroundRole(QPalette::PlaceholderText);
    mStrokeNote->hide();
    auto* about = new QWidget;
    auto* aboutLayout = new QVBoxLayout(about);
    aboutLayout->setContentsMargins(0, 0, 0, 0);
    aboutLayout->addWidget(factsPane);
    aboutLayout->addWidget(mStroke);
    aboutLayout->addWidget(mStrokeNote);
    aboutLayout->addWidget(mSettingsPane);
    aboutLayout->addStretch(1);
    auto* aboutArea = new QScrollArea;
    aboutArea->setObjectName(QStringLiteral("aboutArea"));
    aboutArea->setWidget(about);
    aboutArea->setWidgetResizable(true);
    aboutArea->setFrameShape(QFrame::NoFrame);
    aboutArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    aboutArea->setFocusPolicy(Qt::NoFocus);
    aboutArea->setMinimumWidth(280);

    // How the brush is shown goes under its facts rather than beside the buttons, so that the
    // viewer fits a small or scaled screen.
    auto* showing = new QFormLayout;
    showing->setLabelAlignment(Qt::AlignRight);
    showing->addRow(tr("Zoom:"), mZoomBox);
    showing->addRow(tr("Background:"), mBackgroundBox);
    auto* side = new QVBoxLayout;
    side->addWidget(aboutArea, 1);
    side->addLayout(showing);
    mTabs = new QTabWidget;
    mTabs->setObjectName(QStringLiteral("viewerTabs"));
    mTabs->setDocumentMode(true);
    mTabs->setFocusPolicy(Qt::TabFocus);
    mTabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    mTabs->addTab(mScrollArea, tr("Tip"));
    mTabs->addTab(buildTryPage(), tr("Try"));
    auto* middle = new QHBoxLayout;
    middle->addWidget(mTabs, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(middle, 1);

    // The viewer itself takes the keys first, and Tab comes back to it after the controls.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();

    ResizeWithinScreen(this, QSize(820, 560));
    showBrush(index);
}

QList<QPair<QString, QString>> BrushViewer::factsForBrush(const Brush& brush)
{
    QList<QPair<QString, QString>> facts;
    const QString name = brush.displayName();
    facts << qMakePair(tr("Name"), name.isEmpty() ? tr("(no name)") : name);
    facts << qMakePair(tr("Kind"), KindText(brush));
    const BrushPreset* preset = brush.preset();
    if (preset && !preset->isPreset)
        facts << qMakePair(tr("Preset"), tr("none: a stored tip no preset of the file uses"));
    const auto sizeText = [](QSize size) {
        return QStringLiteral("%1 %2 %3 px")
            .arg(size.width())
            .arg(QChar(0x00D7))
            .arg(size.height());
    };
    facts << qMakePair(tr("Size"), sizeText(brush.pixelSize()));
    // Computed tips are drawn one byte a pixel; a preview has no depth worth saying.
    const auto* sampled = dynamic_cast<const SampledBrush*>(&brush);
    if (sampled && sampled->storedSize() != brush.pixelSize())
        facts << qMakePair(tr("Stored sample"), sizeText(sampled->storedSize()));
    if (brush.kind() == TipKind::Sampled || brush.kind() == TipKind::Computed)
        facts << qMakePair(tr("Depth"), tr("%1-bit").arg(sampled ? sampled->depth() : 8));
    if (sampled && sampled->missingRows())
        facts << qMakePair(tr("Damaged"), tr("%n row(s) lost in the file, left blank", nullptr,
                                             int(sampled->missingRows())));
    if (brush.kind() == TipKind::Bristle || brush.kind() == TipKind::Erodible)
        facts << qMakePair(tr("Picture"),
                           tr("a drawn preview; Photoshop simulates this tip as it paints"));
    const std::optional<PatternReference>& texture = brush.texture();
    if (texture && !(preset && preset->settings.texture))
        facts << qMakePair(tr("Texture"), ReadableName(texture->name));
    if (preset) {
        const TipShape& tip = preset->tip;
        if (tip.diameter > 0)
            facts << qMakePair(tr("Diameter"), Pixels(tip.diameter));
        facts << qMakePair(tr("Spacing"), tip.spacing ? Percent(*tip.spacing) : tr("off"))
              << qMakePair(tr("Angle"), Degrees(tip.angle))
              << qMakePair(tr("Roundness"), Percent(tip.roundness));
        if (tip.hardness)
            facts << qMakePair(tr("Hardness"), Percent(*tip.hardness));
        if (tip.flipX || tip.flipY)
            facts << qMakePair(tr("Flip"), FlipText(tip.flipX, tip.flipY));
        if (const std::optional<BristleTip>& bristle = tip.bristle)
            facts << qMakePair(tr("Shape"), BristleShapeName(bristle->shape))
                  << qMakePair(tr("Bristles"), Percent(bristle->bristles))
                  << qMakePair(tr("Length"), Percent(bristle->length))
                  << qMakePair(tr("Thickness"), Percent(bristle->thickness))
                  << qMakePair(tr("Stiffness"), Percent(bristle->stiffness));
        if (const std::optional<ErodibleTip>& erodible = tip.erodible) {
            if (erodible->airbrush)
                facts << qMakePair(tr("Granularity"), Percent(erodible->granularity))
                      << qMakePair(tr("Spatter size"), Percent(erodible->spatterSize))
                      << qMakePair(tr("Spatter amount"),
                                   QLocale().toString(erodible->spatterAmount));
            else
                facts << qMakePair(tr("Shape"), ErodibleShapeName(erodible->shape))
                      << qMakePair(tr("Softness"), Percent(erodible->softness));
        }
        return facts;
    }
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

QList<BrushViewer::SettingsSection> BrushViewer::settingsForBrush(const Brush& brush)
{
    QList<SettingsSection> sections;
    const BrushPreset* preset = brush.preset();
    if (!preset)
        return sections;
    const BrushSettings& s = preset->settings;
    for (const SettingsGroup& group : GroupsOn(s)) {
        SettingsSection section{QString::fromLatin1(group.key), group.shownTitle(), {}};
        auto& v = section.values;
        const auto dynamic = [&v](const QString& label, const Dynamic& d) {
            v << qMakePair(label, DynamicText(d));
        };
        const auto ifVaries = [&v](const QString& label, const Dynamic& d) {
            if (d.varies())
                v << qMakePair(label, DynamicText(d));
        };
        const QString& key = section.key;
        if (key == QLatin1String("shape_dynamics")) {
            const ShapeDynamics& d = *s.shapeDynamics;
            dynamic(tr("Size"), d.size);
            // The reader may keep the minimum in the dynamic too; it is said once.
            if (d.minimumDiameter != 0 && d.minimumDiameter != d.size.minimum)
                v << qMakePair(tr("Minimum diameter"), Percent(d.minimumDiameter));
            if (d.size.control == DynamicControl::PenTilt && d.tiltScale != 0)
                v << qMakePair(tr("Tilt scale"), Percent(d.tiltScale));
            dynamic(tr("Angle"), d.angle);
            dynamic(tr("Roundness"), d.roundness);
            if (d.minimumRoundness != 0 && d.minimumRoundness != d.roundness.minimum)
                v << qMakePair(tr("Minimum roundness"), Percent(d.minimumRoundness));
            if (d.flipXJitter || d.flipYJitter)
                v << qMakePair(tr("Flip jitter"), FlipText(d.flipXJitter, d.flipYJitter));
            if (d.projection)
                v << qMakePair(tr("Brush projection"), tr("on"));
        } else if (key == QLatin1String("scattering")) {
            const Scattering& d = *s.scattering;
            v << qMakePair(tr("Scatter"), ScatterText(d.scatter, d.bothAxes))
              << qMakePair(tr("Count"), Number(d.count));
            ifVaries(tr("Count jitter"), d.countJitter);
        } else if (key == QLatin1String("texture")) {
            const Texture& d = *s.texture;
            const QString pattern = ReadableName(d.patternName);
            v << qMakePair(tr("Pattern"), pattern.isEmpty() ? tr("(no name)") : pattern);
            if (d.invert)
                v << qMakePair(tr("Invert"), tr("yes"));
            v << qMakePair(tr("Scale"), Percent(d.scale))
              << qMakePair(tr("Brightness"), Number(d.brightness))
              << qMakePair(tr("Contrast"), Number(d.contrast))
              << qMakePair(tr("Texture each tip"), YesNo(d.perTip));
            if (!d.mode.isEmpty())
                v << qMakePair(tr("Mode"), ShownBlendMode(d.mode));
            v << qMakePair(tr("Depth"), Percent(d.depth));
            if (d.perTip) {
                v << qMakePair(tr("Minimum depth"), Percent(d.minimumDepth));
                ifVaries(tr("Depth jitter"), d.depthJitter);
            }
        } else if (key == QLatin1String("dual_brush")) {
            const DualBrush& d = *s.dualBrush;
            v << qMakePair(tr("Tip"), TipText(d.tip));
            if (!d.mode.isEmpty())
                v << qMakePair(tr("Mode"), ShownBlendMode(d.mode));
            if (d.flip)
                v << qMakePair(tr("Flip"), tr("yes"));
            v << qMakePair(tr("Size"), Pixels(d.tip.diameter))
              << qMakePair(tr("Spacing"), d.tip.spacing ? Percent(*d.tip.spacing) : tr("off"))
              << qMakePair(tr("Scatter"), ScatterText(d.scatter, d.bothAxes))
              << qMakePair(tr("Count"), Number(d.count));
            ifVaries(tr("Count jitter"), d.countJitter);
        } else if (key == QLatin1String("color_dynamics")) {
            const ColorDynamics& d = *s.colorDynamics;
            v << qMakePair(tr("Apply per tip"), YesNo(d.perTip));
            dynamic(tr("Foreground/background"), d.foregroundBackground);
            v << qMakePair(tr("Hue jitter"), Percent(d.hue))
              << qMakePair(tr("Saturation jitter"), Percent(d.saturation))
              << qMakePair(tr("Brightness jitter"), Percent(d.brightness))
              << qMakePair(tr("Purity"), Percent(d.purity));
        } else if (key == QLatin1String("transfer")) {
            const Transfer& d = *s.transfer;
            dynamic(tr("Opacity"), d.opacity);
            dynamic(tr("Flow"), d.flow);
            ifVaries(tr("Wetness"), d.wetness);
            ifVaries(tr("Mix"), d.mix);
        } else if (key == QLatin1String("brush_pose")) {
            const BrushPose& d = *s.brushPose;
            v << qMakePair(tr("Tilt X"), PoseText(Degrees(d.tiltX), d.overrideTiltX))
              << qMakePair(tr("Tilt Y"), PoseText(Degrees(d.tiltY), d.overrideTiltY))
              << qMakePair(tr("Rotation"), PoseText(Degrees(d.rotation), d.overrideRotation))
              << qMakePair(tr("Pressure"), PoseText(Percent(d.pressure), d.overridePressure));
        }
        sections << section;
    }
    if (const std::optional<ToolOptions>& tool = preset->toolOptions) {
        SettingsSection section{QStringLiteral("tool_options"), tr("Tool Options"), {}};
        if (!tool->mode.isEmpty())
            section.values << qMakePair(tr("Mode"), ShownBlendMode(tool->mode));
        if (tool->opacity)
            section.values << qMakePair(tr("Opacity"), Percent(*tool->opacity));
        if (tool->flow)
            section.values << qMakePair(tr("Flow"), Percent(*tool->flow));
        if (tool->smoothing)
            section.values << qMakePair(tr("Smoothing"), Percent(*tool->smoothing));
        if (!section.values.isEmpty())
            sections << section;
    }
    return sections;
}

PatternPtr BrushViewer::patternForTexture(const BrushFile& file, const Texture& texture)
{
    return FindPattern({texture.patternName, texture.patternId}, file.patterns());
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

BrushViewer::~BrushViewer()
{
    // A stroke under way stops at its next point; its result finds the viewer gone.
    if (mStrokeCancel)
        mStrokeCancel->store(true);
}

void BrushViewer::showBrush(int index)
{
    if (!mFile || index < 0 || index >= itemCount())
        return;
    mIndex = index;
    if (const PatternPtr pattern = patternAt(index)) {
        mCanvas->setPattern(pattern->image());
        setWindowTitle(BrushFileView::captionForPattern(*pattern));
        updateStroke(nullptr);
        updateTryPage(nullptr);
    } else {
        const BrushPtr& brush = mFile->brush(size_t(index));
        mCanvas->setBrush(brush);
        setWindowTitle(BrushFileView::captionForBrush(*brush));
        updateStroke(brush);
        updateTryPage(brush);
    }
    updateFacts();
    // The pictures say which brush they show, in words.
    mCanvas->setAccessibleDescription(windowTitle());
    mStroke->setAccessibleDescription(windowTitle());
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
        mFacts->addRow(tr("%1:", "a fact's label, \"Size:\"").arg(label), text);
    }
    updateSettings(pattern ? nullptr : mFile->brush(size_t(mIndex)).get());
    const int count = itemCount();
    mPlace->setText(tr("%1 of %2").arg(mIndex + 1).arg(count));
    mPrevious->setEnabled(mIndex > 0);
    mNext->setEnabled(mIndex + 1 < count);
}

void BrushViewer::updateSettings(const Brush* brush)
{
    while (QLayoutItem* item = mSettings->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    // Patterns, and brushes from files that carry no presets, have no settings to speak of.
    const BrushPreset* preset = brush ? brush->preset() : nullptr;
    mSettingsPane->setVisible(preset && preset->isPreset);
    if (!mSettingsPane->isVisibleTo(this))
        return;
    const auto textLabel = [](const QString& text) {
        auto* label = new QLabel(text);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
        return label;
    };
    const QList<SettingsSection> sections = settingsForBrush(*brush);
    if (sections.isEmpty()) {
        QLabel* none = textLabel(tr("No settings beyond the tip"));
        none->setForegroundRole(QPalette::PlaceholderText);
        mSettings->addWidget(none);
        return;
    }
    const PatternPtr pattern =
        preset->settings.texture ? patternForTexture(*mFile, *preset->settings.texture) : nullptr;
    const int indent = fontMetrics().averageCharWidth() * 2;
    for (const SettingsSection& section : sections) {
        QLabel* title = textLabel(section.title);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        if (mSettings->count() > 0)
            title->setContentsMargins(0, 6, 0, 0);
        mSettings->addWidget(title);
        for (const auto& [label, value] : section.values) {
            QLabel* line = textLabel(tr("%1: %2").arg(label, value));
            QWidget* field = line;
            if (pattern && section.key == QLatin1String("texture") && label == tr("Pattern"))
                field = patternField(pattern, line);
            field->setContentsMargins(indent, 0, 0, 0);
            mSettings->addWidget(field);
        }
    }
}

// The texture's name with a swatch of the pattern beside it; the swatch steps the viewer on to
// the pattern itself.
QWidget* BrushViewer::patternField(const PatternPtr& pattern, QLabel* text)
{
    const int side = 28;
    const qreal ratio = devicePixelRatioF();
    const int deviceSide = int(std::ceil(side * ratio));
    QImage tile = pattern->image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (std::max(tile.width(), tile.height()) > deviceSide)
        tile = tile.scaled(deviceSide, deviceSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap swatch(deviceSide, deviceSide);
    swatch.fill(Qt::transparent);
    if (!tile.isNull()) {
        QPainter painter(&swatch);
        painter.fillRect(swatch.rect(), QBrush(tile));
    }
    swatch.setDevicePixelRatio(ratio);
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("patternSwatch"));
    button->setIcon(QIcon(swatch));
    button->setIconSize(QSize(side, side));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(tr("Show the pattern"));
    button->setAccessibleName(tr("Show the pattern %1").arg(pattern->displayName()));
    const auto& patterns = mFile->patterns();
    const int at = int(std::find(patterns.begin(), patterns.end(), pattern) - patterns.begin());
    // Queued: showing the pattern takes down the settings rows, this button among them.
    connect(
        button, &QToolButton::clicked, this, [this, at] { showBrush(int(mFile->count()) + at); },
        Qt::QueuedConnection);
    auto* field = new QWidget;
    auto* row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(button);
    row->addWidget(text, 1);
    return field;
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

void BrushViewer::changeEvent(QEvent* event)
{
    // The stroke is ink in the palette's text colour: a new theme paints it again.
    if (event->type() == QEvent::PaletteChange && mIndex >= 0 && !patternAt(mIndex))
        updateStroke(mFile->brush(size_t(mIndex)));
    QDialog::changeEvent(event);
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

void BrushViewer::updateStroke(const BrushPtr& brush)
{
    if (mStrokeCancel)
        mStrokeCancel->store(true);
    mStrokeCancel.reset();
    const quint64 serial = ++mStrokeSerial;
    mStrokeImage = QImage();
    mStroke->clear();
    mStrokeNote->hide();
    mStroke->setVisible(brush != nullptr);
    if (!brush)
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize device(int(kStrokeSize.width() * ratio), int(kStrokeSize.height() * ratio));
    StrokeOptions options = StrokePreviews::optionsFor(*mFile, *brush, QSizeF(device));
    mStrokeCancel = std::make_shared<std::atomic<bool>>(false);
    options.cancel = mStrokeCancel.get();
    const QColor ink = palette().color(QPalette::Text);
    QPointer<BrushViewer> self(this);
    // Qt's pool, which EndBackgroundWork waits for before the program's statics go.
    QThreadPool::globalInstance()->start(
        [self, brush, options, device, ink, serial, cancel = mStrokeCancel] {
            StrokeResult stroke;
            try {
                stroke = PaintStroke(*brush, SCurvePath(QSizeF(device)), device, options);
            } catch (const std::bad_alloc&) {
                return;
            }
            if (cancel->load() || stroke.cancelled)
                return;
            QImage image = InkImage(stroke.image, ink);
            QMetaObject::invokeMethod(
                qApp,
                [self, serial, image = std::move(image), standIn = stroke.textureStandIn,
                 simplified = stroke.simplified]() mutable {
                    if (self)
                        self->strokeLanded(serial, std::move(image), standIn, simplified);
                },
                Qt::QueuedConnection);
        });
}

void BrushViewer::strokeLanded(quint64 serial, QImage image, bool standIn, bool simplified)
{
    if (serial != mStrokeSerial)
        return;
    mStrokeImage = image;
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    mStroke->setPixmap(pixmap);
    QStringList notes;
    if (standIn)
        notes << tr("The texture's pattern is not in this file: a plain noise stands in for it.");
    if (simplified)
        notes << tr("Simplified: the preset asks for more dabs or a larger tip than a preview "
                    "paints.");
    mStrokeNote->setText(notes.join(QLatin1Char('\n')));
    mStrokeNote->setVisible(!notes.isEmpty());
}

QString BrushViewer::strokeNote() const
{
    return mStrokeNote->isVisibleTo(this) ? mStrokeNote->text() : QString();
}

QWidget* BrushViewer::buildTryPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tryPage"));
    mTryPage = page;
    mScratch = new ScratchCanvas;
    mScratch->setObjectName(QStringLiteral("scratchCanvas"));
    mScratch->setAccessibleName(tr("Sheet to try the brush on"));

    mInkButton = new QToolButton;
    mInkButton->setObjectName(QStringLiteral("inkButton"));
    mInkButton->setToolTip(tr("Ink colour"));
    mInkButton->setText(tr("Ink…"));
    mInkButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    mInkButton->setAccessibleName(tr("Ink colour"));
    mInkButton->setAccessibleDescription(tr("The colour strokes on the sheet are painted in"));
    connect(mInkButton, &QToolButton::clicked, this, &BrushViewer::chooseInk);

    mSizeSlider = new QSlider(Qt::Horizontal);
    mSizeSlider->setObjectName(QStringLiteral("tipSizeSlider"));
    mSizeSlider->setRange(1, 500);
    mSizeSlider->setMinimumWidth(100);
    mSizeSlider->setAccessibleName(tr("Tip size"));
    mSizeValue = new QLabel;
    mSizeValue->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("5000 px")));
    connect(mSizeSlider, &QSlider::valueChanged, this, [this](int value) {
        mScratch->setTipSize(value);
        mSizeValue->setText(Pixels(value));
    });

    // A mouse has no pressure of its own: it paints with this one.
    mPressureBox = new QSpinBox;
    mPressureBox->setObjectName(QStringLiteral("mousePressureBox"));
    mPressureBox->setRange(1, 100);
    mPressureBox->setValue(100);
    mPressureBox->setSuffix(QStringLiteral(" %"));
    mPressureBox->setToolTip(tr("The pen pressure a mouse paints with"));
    mPressureBox->setAccessibleName(tr("Mouse pressure"));
    mPressureBox->setAccessibleDescription(mPressureBox->toolTip());
    connect(mPressureBox, &QSpinBox::valueChanged, this,
            [this](int value) { mScratch->setMousePressure(value / 100.0); });

    auto* clear = new QPushButton(tr("Clear"));
    clear->setObjectName(QStringLiteral("clearButton"));
    clear->setAccessibleDescription(tr("Wipes the strokes off the sheet"));
    connect(clear, &QPushButton::clicked, mScratch, &ScratchCanvas::clear);
    mUndoAction = new QAction(tr("Undo"), this);
    mUndoAction->setShortcut(QKeySequence::Undo);
    mUndoAction->setEnabled(false);
    connect(mUndoAction, &QAction::triggered, mScratch, &ScratchCanvas::undo);
    addAction(mUndoAction);
    auto* undo = new QToolButton;
    undo->setDefaultAction(mUndoAction);
    // Ctrl+Z takes back strokes only where they can be seen.
    const auto enableUndo = [this] {
        mUndoAction->setEnabled(mScratch->canUndo() && mTabs->currentWidget() == mTryPage);
    };
    connect(mScratch, &ScratchCanvas::changed, this, enableUndo);
    connect(mTabs, &QTabWidget::currentChanged, this, enableUndo);
    auto* save = new QPushButton(tr("Save as PNG…"));
    save->setObjectName(QStringLiteral("saveSheetButton"));
    save->setAccessibleDescription(tr("Saves the sheet's strokes as a PNG image"));
    connect(save, &QPushButton::clicked, this, &BrushViewer::saveSheet);
    for (QWidget* control :
         std::initializer_list<QWidget*>{mInkButton, mSizeSlider, mPressureBox, clear, undo, save})
        control->setFocusPolicy(Qt::TabFocus); // Left and Right stay with the brushes
    for (QPushButton* button : {clear, save})
        button->setAutoDefault(false);

    auto* controls = new QHBoxLayout;
    controls->addWidget(mInkButton);
    controls->addWidget(new QLabel(tr("Size:")));
    controls->addWidget(mSizeSlider, 1);
    controls->addWidget(mSizeValue);
    // Rows of their own: one would crowd the controls in a narrow viewer.
    auto* pressure = new QHBoxLayout;
    pressure->addWidget(new QLabel(tr("Mouse pressure:")));
    pressure->addWidget(mPressureBox);
    pressure->addStretch(1);
    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(undo);
    actions->addWidget(clear);
    actions->addWidget(save);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addLayout(pressure);
    layout->addWidget(mScratch, 1);
    layout->addLayout(actions);
    return page;
}

void BrushViewer::updateTryPage(const BrushPtr& brush)
{
    mTabs->setTabEnabled(1, brush != nullptr);
    if (!brush) {
        mScratch->setBrush(nullptr, nullptr);
        return;
    }
    const BrushPreset* preset = brush->preset();
    mScratch->setBrush(brush, preset && preset->settings.texture
                                  ? patternForTexture(*mFile, *preset->settings.texture)
                                  : nullptr);
    // The preset's own diameter to start with; the slider reaches past it either way.
    const int diameter = std::max(1, int(std::lround(PresetDiameter(*brush))));
    mSizeSlider->setRange(1, std::clamp(diameter * 2, 300, 5000));
    mSizeSlider->setValue(diameter);
    mScratch->setTipSize(diameter);
    mSizeValue->setText(Pixels(diameter));
    QPixmap swatch(16, 16);
    swatch.fill(mScratch->ink());
    mInkButton->setIcon(QIcon(swatch));
}

void BrushViewer::chooseInk()
{
    const QColor ink = QColorDialog::getColor(mScratch->ink(), this, tr("Ink Colour"));
    if (!ink.isValid())
        return;
    mScratch->setInk(ink);
    QPixmap swatch(16, 16);
    swatch.fill(ink);
    mInkButton->setIcon(QIcon(swatch));
}

void BrushViewer::saveSheet()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString name = windowTitle().isEmpty() ? tr("stroke") : windowTitle();
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save as PNG"), QDir(folder).filePath(name + QStringLiteral(".png")),
        tr("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!mScratch->save(path, &error))
        QMessageBox::warning(this, tr("Could Not Save"), error);
}
