#pragma once

#include "brush/BrushFile.h"
#include "engine/BrushEngine.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <deque>
#include <memory>

// A sheet to try a brush on: the mouse or a pen paints on it with the brush through the engine,
// a pen's pressure, tilt and rotation driving the preset's dynamics, the mouse at a set pressure.
// White paper, or dark in a dark theme. Each input event repaints only what its dabs changed.
class ScratchCanvas : public QWidget
{
    Q_OBJECT
public:
    // Strokes Undo can take back; each keeps a copy of the sheet from before it.
    static constexpr int kUndoSteps = 8;

    explicit ScratchCanvas(QWidget* parent = nullptr);
    ~ScratchCanvas() override;

    // The brush painted with and the pattern its texture paints through (null: a stand-in).
    void setBrush(BrushPtr brush, PatternPtr pattern);
    void setInk(QColor ink);
    QColor ink() const { return mInk; }
    // The tip's diameter in pixels of the screen's layout (not device pixels).
    void setTipSize(double size) { mTipSize = size; }
    double tipSize() const { return mTipSize; }
    // The pressure a mouse paints with, 0 to 1.
    void setMousePressure(double pressure) { mMousePressure = pressure; }
    double mousePressure() const { return mMousePressure; }

    bool canUndo() const { return !mUndo.empty(); }
    // The sheet in device pixels, as Save writes it.
    const QImage& image() const { return mImage; }
    QColor paper() const { return mPaper; }
    // Writes the sheet as a PNG file; false with the reason in words.
    bool save(const QString& path, QString* error) const;

public Q_SLOTS:
    void clear();
    void undo();

Q_SIGNALS:
    // A stroke was laid down, taken back or cleared.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void beginStroke(const StrokePoint& point);
    void continueStroke(const StrokePoint& point);
    void endStroke();
    // Repaints the part of the sheet, in device pixels, that changed.
    void updateDevice(const QRect& rect);
    StrokePoint pointAt(QPointF position) const;
    // The sheet at least as large as the widget, what it held kept.
    void fitSheet();

    BrushPtr mBrush;
    PatternPtr mPattern;
    QColor mInk;
    QColor mPaper;
    bool mInkChosen = false;
    double mTipSize = 0;
    double mMousePressure = 1;
    QImage mImage;
    std::deque<QImage> mUndo;
    std::unique_ptr<StrokePainter> mPainter;
    // Each stroke its own jitter, as two strokes of a pen differ.
    std::uint32_t mSeed = 1;
};
