#pragma once

#include "brush/BrushFile.h"

#include <QCache>
#include <QPixmap>
#include <QPoint>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QMimeData;
class QPrinter;
class QScrollArea;
class QSlider;

// The grid of brush thumbnails: square cells in rows that fill the width, top row first, each
// with the brush's name under it when names are shown. Thumbnails are drawn by this one widget
// rather than a widget per brush, so a file of thousands of brushes lays out in constant time
// per added brush. The file's patterns follow its brushes under a heading of their own, in
// rows of their own; an index names a brush below the file's brush count and a pattern from it
// on, so selection, copy and drag treat both alike.
class QPainter;
class QRectF;
class StrokePreviews;

class BrushFileView : public QWidget
{
    Q_OBJECT
public:
    // Thumbnails per row when nothing else has been chosen, and where Ctrl+0 goes back to.
    static constexpr int kDefaultItemsPerRow = 5;

    explicit BrushFileView(QWidget* parent = nullptr);

    // The scroll area this view is the document of, and the zoom slider; both set once.
    void setScrollArea(QScrollArea* scrollArea);
    void setSlider(QSlider* slider);
    QSlider* slider() const { return mSlider; }

    void setBrushFile(const BrushFilePtr& file);
    const BrushFilePtr& getBrushFile() const { return mBrushFile; }
    // The file has grown: lays out and paints the brushes and patterns added to it since the
    // last call. Patterns come after the brushes, so none of them moves a brush.
    void brushesAppended();
    void patternsAppended() { brushesAppended(); }
    // Brushes and patterns; 0 without a file.
    int itemCount() const;
    // The pattern at an index, or null for a brush or no item.
    PatternPtr patternAt(int index) const;
    void clear();

    void updateLayout();
    void setLayoutForWidth(int itemsPerRow);
    int getItemsPerColumn() const;
    void setItemsPerColumn(int count);

    bool canZoomIn() const;
    bool canZoomOut() const;
    bool canPrint() const { return mBrushFile != nullptr; }
    // How large brushes are drawn against their own pixels: 1 at the default zoom, growing and
    // shrinking with the cells from there. A brush never outgrows its cell.
    double brushScale() const;

    // Names under the thumbnails add one line of text to each row's height.
    void setShowNames(bool show);
    bool showNames() const { return mShowNames; }
    // Each brush shows how it paints, its stroke over the preview's S-curve, in a cell wider
    // than tall, with its name and diameter on the line under it; patterns fill the same cells.
    void setShowStrokes(bool show);
    bool showStrokes() const { return mShowStrokes; }
    StrokePreviews* strokePreviews() const { return mStrokes; }
    // Brushes the user has starred carry a small star in their cell's corner.
    void setStarredIndexes(QSet<int> indexes);
    const QSet<int>& starredIndexes() const { return mStarred; }

    // Cell geometry of the last layout: side s, gap g, pitch p = s + g across and s + g + the
    // name line down.
    // With strokes shown the cells are wider: cellWidth() across, thumbnailSide() down.
    double thumbnailSide() const { return mSide; }
    double cellWidth() const { return mCellWidth; }
    QRectF thumbnailRect(int index) const;
    // The part of a cell a brush's picture is fitted into: the whole cell, or above the line that
    // gives a preset's diameter when the cell is large enough to show one.
    QRectF tipRect(int index) const;
    // That line under the tip, inside the cell; empty when it is not shown.
    QRectF diameterRect(int index) const;
    QRectF nameRect(int index) const;
    // The whole line under a cell, name and (with strokes) diameter; empty when none is shown.
    QRectF captionRect(int index) const;
    int thumbnailAt(QPointF point) const;
    // The line that says "Patterns" above the first pattern; empty without patterns.
    QRectF headingRect() const;

    // Selection, in file order. The current brush is where the keyboard is; -1 when none.
    QList<int> selectedIndexes() const;
    bool isSelected(int index) const;
    int currentIndex() const { return mCurrent; }
    void setCurrentIndex(int index);
    void selectOnly(int index);
    void selectAll();
    void clearSelection();

    // What a copy or a drag of these brushes carries: the first as a PNG image with transparency
    // and, with files, every one as a PNG file named after the brush in a folder of our own.
    // Patterns go as their image in colour. Null when none of them has an image. It also
    // carries kDraggedBrushesFormat, so that the window can tell its own brushes coming back.
    QMimeData* mimeDataForBrushes(const QList<int>& indexes, bool withFiles);
    static const QString kDraggedBrushesFormat;

    void printTo(QPrinter* printer);

    // Name, size and, for a preset, the settings groups that are on.
    static QString toolTipForBrush(const Brush& brush);
    // The small number under a preset's tip, its diameter in pixels as Photoshop lists presets;
    // empty for a brush that is not a preset (a stored tip, a brush made in a test).
    static QString diameterLabel(const Brush& brush);
    // The titles of the settings groups a preset has on, in the panel's order ("Shape Dynamics,
    // Texture"); empty when none is.
    static QString settingsGroupsText(const Brush& brush);
    // The text under a thumbnail: the name, or the size for a brush without one.
    static QString captionForBrush(const Brush& brush);
    static QString toolTipForPattern(const Pattern& pattern);
    static QString captionForPattern(const Pattern& pattern);
    // The grid's fill: the light grey of old on light desktops, the palette's base on dark ones.
    static QColor backgroundColor(const QPalette& palette);
    // The mark of a starred brush, in a tile's top right corner: in the ink at part strength,
    // seen when looked for and off the tip itself.
    static void paintStarMark(QPainter& painter, const QRectF& tile, QColor ink, int pixelSize);
    // The brush as ink with transparency, what copy and drag hand on: at full size, except a
    // computed tip too large to draw within ComputedBrush::kMaxDrawingPixels, drawn smaller.
    static QImage fullImageForBrush(const BrushPtr& brush);

Q_SIGNALS:
    void selectionChanged();
    // Double-click, Space or Return on a brush.
    void brushActivated(int index);

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void scrollToTop();
    void scrollToBottom();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void viewportResized();
    void liveResizeEnded();
    // The one place the grid takes a brush's picture from, at the device size it will be drawn.
    QImage brushImage(int index, int deviceSide) const;
    // The longest side, in device pixels, the brush is drawn at in this zoom; 0 without image.
    int deviceSideForBrush(int index, qreal dpr) const;
    QPixmap thumbnail(int index, qreal dpr);
    // A pattern fills its whole cell with copies of itself, at the brushes' scale or smaller.
    QImage patternTile(const Pattern& pattern, QSize deviceCell) const;
    void paintCell(QPainter& painter, int index, qreal dpr);
    // The diameter under a preset's tip and the mark of a preset with settings beyond its tip.
    void paintPresetLine(QPainter& painter, int index);
    // The stroke in its cell, once the pool has painted it.
    void paintStroke(QPainter& painter, int index, qreal dpr);
    // Pixel size of the diameter's digits at this zoom; 0 when cells are too small for them.
    int diameterPixelSize() const;
    void updateAccessibleDescription();
    int brushCount() const { return mBrushFile ? int(mBrushFile->count()) : 0; }
    int patternCount() const { return mBrushFile ? int(mBrushFile->patterns().size()) : 0; }
    // Rows as the keyboard walks them: the brushes' rows, then the patterns'.
    int visualRow(int index) const;
    int visualRowCount() const;
    // The item in `column` of a visual row, or the row's last when it is shorter; -1 past the
    // rows.
    int indexAt(int row, int column) const;
    // Where the first pattern row's cells are measured from, as brush rows are from 0.
    double patternsOrigin() const;
    double headingHeight() const;
    QColor inkColour() const;
    double rowPitch() const;
    double nameLineHeight() const;
    void repaintBrush(int index);
    void moveCurrent(int to, Qt::KeyboardModifiers modifiers);
    // Selects from the anchor to `to` (the anchor stays for the next Shift) and makes `to`
    // current.
    void selectRange(int anchor, int to, bool addToSelection);
    void ensureVisible(int index);
    void startDrag(int pressed);
    void zoomBySteps(int steps);

    BrushFilePtr mBrushFile;
    QSlider* mSlider = nullptr;
    QScrollArea* mScrollArea = nullptr;
    QSizeF mBoundsAtLastResizing;
    QTimer mLiveResizeTimer;
    // Cells across a row; the zoom asks for mZoomItems square cells a row, fewer wide ones with
    // strokes.
    int mItemsPerRow = 1;
    int mZoomItems = 1;
    double mSide = 0;
    double mCellWidth = 0;
    bool mShowStrokes = false;
    StrokePreviews* mStrokes = nullptr;
    double mGap = 0;
    bool mShowNames = false;
    QSet<int> mStarred;
    bool mPrinting = false;
    // Thumbnails by brush and drawn size, up to this many kilobytes: several screens' worth.
    static constexpr int kThumbnailCacheKilobytes = 128 * 1024;
    QCache<quint64, QPixmap> mThumbnailCache{kThumbnailCacheKilobytes};
    qreal mThumbnailCacheRatio = 0;

    std::vector<bool> mSelected;
    int mSelectedCount = 0;
    int mCurrent = -1;
    int mAnchor = -1;
    QPoint mPressPos;
    int mPressIndex = -1;
    int mWheelRemainder = 0;
    qreal mPinchRemainder = 0;
    // Dragged brushes are written here as PNG files; it lives as long as the grid so that a
    // slow drop target still finds them.
    std::unique_ptr<QTemporaryDir> mDragFolder;
};
