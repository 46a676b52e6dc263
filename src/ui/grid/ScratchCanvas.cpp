#include "ui/grid/ScratchCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTabletEvent>
#include <algorithm>
#include <cmath>

namespace {
bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}
} // namespace

ScratchCanvas::ScratchCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setCursor(Qt::CrossCursor);
    setMinimumSize(200, 150);
    mPaper = IsDark(palette()) ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white);
    mInk = IsDark(palette()) ? QColor(0xee, 0xee, 0xee) : QColor(Qt::black);
}

ScratchCanvas::~ScratchCanvas() = default;

void ScratchCanvas::setBrush(BrushPtr brush, PatternPtr pattern)
{
    endStroke();
    mBrush = std::move(brush);
    mPattern = std::move(pattern);
}

void ScratchCanvas::setInk(QColor ink)
{
    mInk = ink;
    mInkChosen = true;
}

void ScratchCanvas::changeEvent(QEvent* event)
{
    // A blank sheet follows the theme; one painted on stays as it is.
    if (event->type() == QEvent::PaletteChange && mUndo.empty()) {
        mPaper = IsDark(palette()) ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white);
        if (!mInkChosen)
            mInk = IsDark(palette()) ? QColor(0xee, 0xee, 0xee) : QColor(Qt::black);
        mImage.fill(mPaper);
        update();
    }
    QWidget::changeEvent(event);
}

void ScratchCanvas::fitSheet()
{
    const qreal dpr = devicePixelRatioF();
    const QSize wanted(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
    if (mImage.width() >= wanted.width() && mImage.height() >= wanted.height())
        return;
    QImage sheet(wanted.expandedTo(mImage.size()), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(mPaper);
    if (!mImage.isNull()) {
        QPainter painter(&sheet);
        painter.drawImage(0, 0, mImage);
    }
    mImage = std::move(sheet);
}

void ScratchCanvas::resizeEvent(QResizeEvent* event)
{
    // Growing only: a window made smaller and larger again keeps what was painted.
    fitSheet();
    QWidget::resizeEvent(event);
}

void ScratchCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    const QRect area = event->rect();
    const QRectF source(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr);
    painter.drawImage(QRectF(area), mImage, source);
}

StrokePoint ScratchCanvas::pointAt(QPointF position) const
{
    const qreal dpr = devicePixelRatioF();
    StrokePoint point;
    point.x = position.x() * dpr;
    point.y = position.y() * dpr;
    point.pressure = mMousePressure;
    return point;
}

void ScratchCanvas::beginStroke(const StrokePoint& point)
{
    if (!mBrush)
        return;
    fitSheet();
    mUndo.push_back(mImage);
    while (int(mUndo.size()) > kUndoSteps)
        mUndo.pop_front();
    StrokeOptions options;
    options.seed = mSeed++;
    options.foreground = mInk;
    options.background = mPaper;
    options.size = std::max(1.0, mTipSize * devicePixelRatioF());
    options.pattern = mPattern;
    mPainter = std::make_unique<StrokePainter>(mBrush, options);
    mPainter->begin(&mImage);
    updateDevice(mPainter->addPoint(point));
}

void ScratchCanvas::continueStroke(const StrokePoint& point)
{
    if (mPainter)
        updateDevice(mPainter->addPoint(point));
}

void ScratchCanvas::endStroke()
{
    if (!mPainter)
        return;
    updateDevice(mPainter->end());
    mPainter.reset();
    Q_EMIT changed();
}

void ScratchCanvas::updateDevice(const QRect& rect)
{
    if (rect.isEmpty())
        return;
    const qreal dpr = devicePixelRatioF();
    update(QRectF(rect.x() / dpr, rect.y() / dpr, rect.width() / dpr, rect.height() / dpr)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void ScratchCanvas::tabletEvent(QTabletEvent* event)
{
    StrokePoint point = pointAt(event->position());
    point.pressure = std::clamp(event->pressure(), 0.0, 1.0);
    point.tiltX = event->xTilt();
    point.tiltY = event->yTilt();
    point.rotation = event->rotation();
    switch (event->type()) {
    case QEvent::TabletPress:
        endStroke();
        beginStroke(point);
        break;
    case QEvent::TabletMove:
        // A pen hovering near the tablet moves too; only one that touches paints.
        if (event->buttons() & Qt::LeftButton || event->pressure() > 0)
            continueStroke(point);
        break;
    case QEvent::TabletRelease:
        continueStroke(point);
        endStroke();
        break;
    default:
        break;
    }
    // Accepted: Qt then makes no mouse events of it, which would paint the stroke twice.
    event->accept();
}

void ScratchCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    endStroke();
    beginStroke(pointAt(event->position()));
}

void ScratchCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        continueStroke(pointAt(event->position()));
}

void ScratchCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    continueStroke(pointAt(event->position()));
    endStroke();
}

void ScratchCanvas::clear()
{
    endStroke();
    // Undo brings a cleared sheet back too.
    mUndo.push_back(mImage);
    while (int(mUndo.size()) > kUndoSteps)
        mUndo.pop_front();
    mPaper = IsDark(palette()) ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white);
    mImage.fill(mPaper);
    update();
    Q_EMIT changed();
}

void ScratchCanvas::undo()
{
    endStroke();
    if (mUndo.empty())
        return;
    mImage = std::move(mUndo.back());
    mUndo.pop_back();
    fitSheet();
    update();
    Q_EMIT changed();
}

bool ScratchCanvas::save(const QString& path, QString* error) const
{
    if (mImage.save(path, "PNG"))
        return true;
    if (error)
        *error = tr("Could not write the picture to %1.").arg(path);
    return false;
}
