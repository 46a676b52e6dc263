#include "ui/BrushFileView.h"
#include "brush/SampledBrush.h"
#include "ui/ImageScaling.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <gtest/gtest.h>

namespace {
BrushPtr MakeBrush(const char* name, int w = 10, int h = 10)
{
    return std::make_shared<SampledBrush>(name ? std::optional<QString>(QString::fromUtf8(name))
                                               : std::nullopt,
                                          w, h, 8, PixelBlock(size_t(w * h), 200));
}

// A grid in a scroll area whose visible area is exactly width x height.
struct Grid
{
    QScrollArea area;
    QSlider slider{Qt::Horizontal};
    BrushFileView* view = new BrushFileView;

    Grid(int width, int height, int perRow)
    {
        area.setFrameShape(QFrame::NoFrame);
        view->setScrollArea(&area);
        area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        slider.setRange(1, 16);
        view->setSlider(&slider);
        view->setItemsPerColumn(perRow);
        area.resize(width, height);
        area.show();
    }
    void show(int brushes)
    {
        auto file = BrushFile::brushFileWithPath("/x.abr");
        view->setBrushFile(file);
        for (int i = 0; i < brushes; ++i)
            view->addBrush(MakeBrush("b"));
    }
};
} // namespace

TEST(BrushFileView, GeometryFillsTheWidthWithCellsAndGaps)
{
    Grid grid(400, 300, 4);
    grid.show(5);
    EXPECT_NEAR(grid.view->thumbnailSide(), 400 / 4.9375, 1e-3);
    const QRectF fifth = grid.view->thumbnailRect(4);
    const double s = 400 / 4.9375, g = 0.1875 * s;
    EXPECT_NEAR(fifth.x(), g, 1e-3);         // column 0
    EXPECT_NEAR(fifth.y(), s + 2 * g, 1e-3); // row 1
    EXPECT_NEAR(grid.view->thumbnailRect(3).right(), 400 - g, 1e-3);
}

TEST(BrushFileView, HeightIsRowsOrTheVisibleAreaWhicheverIsLarger)
{
    const double s = 400 / 4.9375, p = 1.1875 * s, g = 0.1875 * s;
    for (auto [brushes, rows] :
         {std::pair{9, 3}, std::pair{8, 2}, std::pair{0, 0}, std::pair{40, 10}}) {
        Grid grid(400, 300, 4);
        grid.show(brushes);
        EXPECT_EQ(grid.view->height(), int(std::ceil(std::max(300.0, rows * p + g)))) << brushes;
    }
}

TEST(BrushFileView, ZoomRunsAgainstTheSliderAndStopsAtItsEnds)
{
    Grid grid(400, 300, 4);
    EXPECT_EQ(grid.view->getItemsPerColumn(), 4);
    EXPECT_EQ(grid.slider.value(), 13);
    grid.view->zoomIn();
    EXPECT_EQ(grid.view->getItemsPerColumn(), 3);
    grid.view->setItemsPerColumn(1);
    EXPECT_FALSE(grid.view->canZoomIn());
    EXPECT_TRUE(grid.view->canZoomOut());
    grid.view->setItemsPerColumn(16);
    EXPECT_TRUE(grid.view->canZoomIn());
    EXPECT_FALSE(grid.view->canZoomOut());
}

TEST(BrushFileView, SettingTheCurrentZoomDoesNotRelayout)
{
    Grid grid(400, 300, 4);
    grid.show(3);
    const double side = grid.view->thumbnailSide();
    grid.area.viewport()->removeEventFilter(grid.view); // resize without the view noticing
    grid.area.resize(800, 300);
    grid.view->setItemsPerColumn(4);
    EXPECT_EQ(grid.view->thumbnailSide(), side);
    grid.view->setItemsPerColumn(5);
    EXPECT_NE(grid.view->thumbnailSide(), side);
}

TEST(BrushFileView, ToolTipShowsNameOnItsOwnLineThenSize)
{
    EXPECT_EQ(BrushFileView::toolTipForBrush(*MakeBrush("Soft", 45, 30)),
              QStringLiteral("Soft\n45 × 30 px"));
    EXPECT_EQ(BrushFileView::toolTipForBrush(*MakeBrush(nullptr, 45, 30)),
              QStringLiteral("45 × 30 px"));
    EXPECT_EQ(BrushFileView::toolTipForBrush(*MakeBrush("", 45, 30)), QStringLiteral("45 × 30 px"));
}

TEST(BrushFileView, HomeAndEndScrollToTopAndBottom)
{
    Grid grid(400, 300, 4);
    grid.area.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid.show(60);
    QScrollBar* bar = grid.area.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(grid.view, &end);
    EXPECT_EQ(bar->value(), bar->maximum());
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QCoreApplication::sendEvent(grid.view, &home);
    EXPECT_EQ(bar->value(), 0);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(grid.view, &letter);
    EXPECT_FALSE(letter.isAccepted());
}

TEST(BrushFileView, BrushesWithoutAFileAreIgnoredAndClearForgetsTheFile)
{
    Grid grid(400, 300, 4);
    grid.view->addBrush(MakeBrush("x"));
    EXPECT_EQ(grid.view->getBrushFile(), nullptr);
    grid.show(2);
    EXPECT_EQ(grid.view->getBrushFile()->count(), 2u);
    EXPECT_EQ(grid.view->thumbnailAt(grid.view->thumbnailRect(1).center()), 1);
    EXPECT_EQ(grid.view->thumbnailAt(QPointF(1, 1)), -1); // in the gap
    grid.view->clear();
    EXPECT_EQ(grid.view->getBrushFile(), nullptr);
}

TEST(ImageScaling, WideImageIsCentredVertically)
{
    QImage wide(100, 50, QImage::Format_RGB32);
    wide.fill(Qt::black);
    EXPECT_EQ(proportionalDrawingRect(wide.size(), QSizeF(32, 32)), QRectF(0, 8, 32, 16));
    EXPECT_EQ(proportionalDrawingRect(QSizeF(50, 100), QSizeF(32, 32)), QRectF(8, 0, 16, 32));
    const QImage scaled = imageByScalingProportionallyToSize(wide, QSize(32, 32));
    EXPECT_EQ(scaled.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(scaled.pixel(16, 2)), 0);
    EXPECT_EQ(qAlpha(scaled.pixel(16, 16)), 255);
    EXPECT_TRUE(imageByScalingProportionallyToSize(QImage(), QSize(32, 32)).isNull());
}
