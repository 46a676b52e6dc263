#pragma once

#include "brush/BrushFile.h"

#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QPrinter;
class QScrollArea;
class QSlider;

// The grid of brush thumbnails: square cells in rows that fill the width, top row first.
// Thumbnails are drawn by this one widget rather than a widget per brush, so a file of
// thousands of brushes lays out in constant time per added brush.
class BrushFileView : public QWidget
{
    Q_OBJECT
public:
    explicit BrushFileView(QWidget* parent = nullptr);

    // The scroll area this view is the document of, and the zoom slider; both set once.
    void setScrollArea(QScrollArea* scrollArea);
    void setSlider(QSlider* slider);
    QSlider* slider() const { return mSlider; }

    void setBrushFile(const BrushFilePtr& file);
    const BrushFilePtr& getBrushFile() const { return mBrushFile; }
    void addBrush(const BrushPtr& brush);
    void clear();

    void updateLayout();
    void setLayoutForWidth(int itemsPerRow);
    int getItemsPerColumn() const;
    void setItemsPerColumn(int count);

    bool canZoomIn() const;
    bool canZoomOut() const;
    bool canPrint() const { return mBrushFile != nullptr; }

    // Cell geometry of the last layout: side s, gap g, pitch p = s + g.
    double thumbnailSide() const { return mSide; }
    QRectF thumbnailRect(int index) const;
    int thumbnailAt(QPointF point) const;

    void printTo(QPrinter* printer);

    static QString toolTipForBrush(const Brush& brush);
    static QColor backgroundColor();

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void scrollToTop();
    void scrollToBottom();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void viewportResized();
    void liveResizeEnded();
    const QPixmap& thumbnail(int index, int side);

    BrushFilePtr mBrushFile;
    QSlider* mSlider = nullptr;
    QScrollArea* mScrollArea = nullptr;
    QSizeF mBoundsAtLastResizing;
    QTimer mLiveResizeTimer;
    int mItemsPerRow = 1;
    double mSide = 0;
    double mGap = 0;
    // Scaled thumbnails for the current side only; a zoom or resize empties it.
    QHash<int, QPixmap> mThumbnailCache;
    int mCachedSide = -1;
};
