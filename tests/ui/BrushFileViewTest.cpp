#include "ui/grid/BrushFileView.h"
#include "brush/SampledBrush.h"
#include "ui/common/ImageScaling.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <climits>
#include <gtest/gtest.h>

namespace {
BrushPtr MakeBrush(const char* name, int w = 10, int h = 10)
{
    return std::make_shared<SampledBrush>(name ? std::optional<QString>(QString::fromUtf8(name))
                                               : std::nullopt,
                                          w, h, 8, PixelBlock(size_t(w * h), 200));
}

PatternPtr MakePattern(const char* name, const QImage& image, int depth = 8)
{
    return std::make_shared<Pattern>(QString::fromUtf8(name), QStringLiteral("id"),
                                     Pattern::Mode::Rgb, depth, image);
}

// Eight pixels across: four black, then four white, on every row.
PatternPtr Stripes()
{
    QImage image(8, 8, QImage::Format_Grayscale8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.scanLine(y)[x] = x < 4 ? 0 : 255;
    return std::make_shared<Pattern>(QStringLiteral("$$$/Presets/Patterns/Stripes=Stripes"),
                                     QStringLiteral("s"), Pattern::Mode::Grey, 8, image);
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
            append(MakeBrush("b"));
    }
    // As the reading controller does: the file grows, then the grid catches up.
    void append(BrushPtr brush)
    {
        view->getBrushFile()->addBrush(std::move(brush));
        view->brushesAppended();
    }
    void append(PatternPtr pattern)
    {
        view->getBrushFile()->addPattern(std::move(pattern));
        view->patternsAppended();
    }
    void click(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at = index < 0 ? QPointF(1, 1) : view->thumbnailRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, modifiers);
        QCoreApplication::sendEvent(view, &release);
    }
    bool key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(view, &event);
        return event.isAccepted();
    }
    QList<int> selected() const { return view->selectedIndexes(); }
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

TEST(BrushFileView, AppendingCatchesUpWithTheFileAndClearForgetsIt)
{
    Grid grid(400, 300, 4);
    grid.view->brushesAppended();
    EXPECT_EQ(grid.view->getBrushFile(), nullptr);
    grid.show(2);
    EXPECT_EQ(grid.view->getBrushFile()->count(), 2u);
    EXPECT_EQ(grid.view->thumbnailAt(grid.view->thumbnailRect(1).center()), 1);
    EXPECT_EQ(grid.view->thumbnailAt(QPointF(1, 1)), -1); // in the gap
    // Several brushes can arrive before the grid is told.
    grid.view->getBrushFile()->addBrush(MakeBrush("c"));
    grid.view->getBrushFile()->addBrush(MakeBrush("d"));
    grid.view->brushesAppended();
    grid.view->selectAll();
    EXPECT_EQ(grid.view->selectedIndexes(), QList<int>({0, 1, 2, 3}));
    grid.click(3, Qt::ControlModifier);
    EXPECT_EQ(grid.view->selectedIndexes(), QList<int>({0, 1, 2}));
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

TEST(BrushFileView, SelectionFollowsClicksModifiersAndArrows)
{
    Grid grid(400, 300, 4);
    grid.show(10);
    int changed = 0;
    QObject::connect(grid.view, &BrushFileView::selectionChanged, [&] { ++changed; });
    grid.click(5);
    EXPECT_EQ(grid.selected(), (QList<int>{5}));
    grid.click(2, Qt::ControlModifier);
    grid.click(9, Qt::ShiftModifier); // from the anchor, the last Ctrl-click
    EXPECT_EQ(grid.selected(), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    grid.click(3, Qt::ControlModifier);
    EXPECT_FALSE(grid.view->isSelected(3));
    grid.click(4); // a plain click on a selected brush narrows to it on release
    EXPECT_EQ(grid.selected(), (QList<int>{4}));

    // Arrows move by one across and a row down; the ends hold; Shift extends from the anchor.
    EXPECT_TRUE(grid.key(Qt::Key_Down));
    EXPECT_EQ(grid.selected(), (QList<int>{8}));
    grid.key(Qt::Key_Down);
    EXPECT_EQ(grid.view->currentIndex(), 8);
    grid.key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.selected(), (QList<int>{8, 9}));
    grid.key(Qt::Key_Right);
    EXPECT_EQ(grid.selected(), (QList<int>{9}));
    grid.view->selectAll();
    EXPECT_EQ(grid.selected().size(), 10);
    grid.click(-1); // the gap
    EXPECT_TRUE(grid.selected().isEmpty());
    EXPECT_GE(changed, 8);

    // A new file starts with nothing selected, and brushes arriving later can be selected.
    grid.show(1);
    EXPECT_TRUE(grid.selected().isEmpty());
    grid.append(MakeBrush("late"));
    grid.click(1);
    EXPECT_EQ(grid.selected(), (QList<int>{1}));
}

TEST(BrushFileView, SpaceReturnAndDoubleClickOpenTheBrush)
{
    Grid grid(400, 300, 4);
    grid.show(3);
    QList<int> activated;
    QObject::connect(grid.view, &BrushFileView::brushActivated, [&](int i) { activated << i; });
    EXPECT_FALSE(grid.key(Qt::Key_Space)) << "nothing current yet";
    grid.click(2);
    grid.key(Qt::Key_Space);
    grid.key(Qt::Key_Return);
    const QPointF at = grid.view->thumbnailRect(1).center();
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, grid.view->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid.view, &twice);
    EXPECT_EQ(activated, (QList<int>{2, 2, 1}));
}

TEST(BrushFileView, NamesAddALineUnderEachRowAndNamelessBrushesShowTheirSize)
{
    Grid grid(400, 300, 4);
    grid.show(8);
    const QRectF plain = grid.view->thumbnailRect(4);
    grid.view->setShowNames(true);
    const QRectF named = grid.view->thumbnailRect(4);
    EXPECT_EQ(named.x(), plain.x());
    EXPECT_GT(named.y(), plain.y()); // row 1 moved down by the name line
    const QRectF name = grid.view->nameRect(4);
    EXPECT_GT(name.top(), named.bottom());
    EXPECT_EQ(grid.view->thumbnailAt(name.center()), 4); // a click on the name is on the brush
    EXPECT_EQ(BrushFileView::captionForBrush(*MakeBrush("Soft", 45, 30)), QStringLiteral("Soft"));
    EXPECT_EQ(BrushFileView::captionForBrush(*MakeBrush(nullptr, 45, 30)),
              QStringLiteral("45 × 30"));
}

TEST(BrushFileView, CtrlWheelZoomsAndResetGoesBackToTheDefault)
{
    Grid grid(400, 300, 8);
    grid.show(3);
    auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(10, 10);
        QWheelEvent event(at, grid.view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grid.view, &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(grid.view->getItemsPerColumn(), 7);
    wheel(60, Qt::ControlModifier); // half a notch (a touchpad) waits for the other half
    EXPECT_EQ(grid.view->getItemsPerColumn(), 7);
    wheel(60, Qt::ControlModifier);
    EXPECT_EQ(grid.view->getItemsPerColumn(), 6);
    wheel(-240, Qt::ControlModifier);
    EXPECT_EQ(grid.view->getItemsPerColumn(), 8);
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(grid.view->getItemsPerColumn(), 8);
    grid.view->resetZoom();
    EXPECT_EQ(grid.view->getItemsPerColumn(), BrushFileView::kDefaultItemsPerRow);
}

// The width of what differs from the grid's fill inside cell `index`, as drawn.
int InkWidth(BrushFileView* view, int index)
{
    const QImage shot = view->grab().toImage();
    const QRgb fill = BrushFileView::backgroundColor(view->palette()).rgb();
    const QRect cell = view->thumbnailRect(index).toRect();
    int left = INT_MAX, right = -1;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (shot.pixel(x, y) != fill) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < 0 ? 0 : right - left + 1;
}

// A 12-pixel tip whose ink is the middle 4 x 4: only that may differ from the cell's own fill
// (no paper box around it), and zooming in enlarges it in whole pixels whatever the palette.
TEST(BrushFileView, ZoomScalesBrushesAndInkSitsOnTheCellsOwnFill)
{
    PixelBlock pixels(144, 0);
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            pixels[size_t(y * 12 + x)] = 255;
    QPalette dark(QColor(40, 40, 40));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    for (const QPalette& palette : {QApplication::palette(), dark}) {
        Grid grid(600, 400, BrushFileView::kDefaultItemsPerRow);
        grid.view->setPalette(palette);
        grid.view->setBrushFile(BrushFile::brushFileWithPath("/x.abr"));
        grid.append(std::make_shared<SampledBrush>(std::nullopt, 12, 12, 8, pixels));
        EXPECT_EQ(InkWidth(grid.view, 0), 4);
        const QImage shot = grid.view->grab().toImage();
        const QColor middle = shot.pixelColor(grid.view->thumbnailRect(0).center().toPoint());
        EXPECT_NEAR(middle.lightnessF(), palette.color(QPalette::Text).lightnessF(), 0.05);
        grid.area.resize(800, 400); // a wider window moves brushes, it does not grow them
        EXPECT_EQ(InkWidth(grid.view, 0), 4);
        grid.view->zoomIn();
        grid.view->zoomIn();
        grid.view->zoomIn();
        const int zoomed = InkWidth(grid.view, 0);
        EXPECT_GE(zoomed, 8);
        EXPECT_EQ(zoomed % 4, 0) << "crisp tips grow by whole pixels";
        grid.view->setItemsPerColumn(16);
        EXPECT_LE(InkWidth(grid.view, 0), 4);
    }
}

TEST(BrushFileView, CopyAndDragCarryTransparentPngsNamedAfterTheBrushes)
{
    Grid grid(400, 300, 4);
    auto file = BrushFile::brushFileWithPath("/x.abr");
    grid.view->setBrushFile(file);
    grid.append(MakeBrush("Chalk", 6, 4));
    grid.append(MakeBrush("Chalk", 3, 3));
    grid.append(MakeBrush(nullptr, 2, 2));

    std::unique_ptr<QMimeData> copy(grid.view->mimeDataForBrushes({1}, false));
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->hasUrls());
    const QImage image = QImage::fromData(copy->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(image.size(), QSize(3, 3));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 200);

    std::unique_ptr<QMimeData> drag(grid.view->mimeDataForBrushes({0, 1, 2}, true));
    ASSERT_TRUE(drag);
    QStringList names;
    for (const QUrl& url : drag->urls()) {
        names << url.fileName();
        EXPECT_EQ(QImage(url.toLocalFile()).isNull(), false);
    }
    EXPECT_EQ(names, (QStringList{"Chalk.png", "Chalk-1.png", "2.png"}));
}

TEST(ChromeColours, FollowThePaletteAndKeepTheOldColoursOnLightDesktops)
{
    QPalette light(Qt::white);
    light.setColor(QPalette::Base, Qt::white);
    QPalette dark(QColor(40, 40, 40));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    EXPECT_EQ(BrushFileView::backgroundColor(light), QColor::fromHsvF(0.0f, 0.0f, 0.96f, 1.0f));
    EXPECT_LT(BrushFileView::backgroundColor(dark).lightnessF(), 0.3);
}

// Patterns start a row of their own under a heading, after the last brush row, and fill their
// cells with whole copies of themselves rather than one stretched copy.
TEST(BrushFileView, PatternsFollowTheBrushesUnderAHeadingAsRepeatedTiles)
{
    Grid grid(400, 300, 4);
    grid.show(6);
    EXPECT_TRUE(grid.view->headingRect().isEmpty());
    grid.append(Stripes());
    grid.append(MakePattern("Two", QImage(3, 2, QImage::Format_RGB32)));
    grid.append(MakePattern(nullptr, QImage(5, 5, QImage::Format_RGB32)));
    EXPECT_EQ(grid.view->itemCount(), 9);
    const QRectF heading = grid.view->headingRect();
    const QRectF first = grid.view->thumbnailRect(6), lastBrush = grid.view->thumbnailRect(5);
    EXPECT_EQ(first.x(), grid.view->thumbnailRect(0).x());
    EXPECT_GT(heading.top(), lastBrush.bottom());
    EXPECT_LT(heading.bottom(), first.top());
    EXPECT_EQ(grid.view->thumbnailAt(first.center()), 6);
    EXPECT_EQ(grid.view->thumbnailAt(grid.view->thumbnailRect(8).center()), 8);
    EXPECT_EQ(grid.view->thumbnailAt(heading.center()), -1);
    EXPECT_EQ(grid.view->thumbnailAt(lastBrush.center()), 5);
    EXPECT_GE(grid.view->height(), grid.view->thumbnailRect(8).bottom());

    const QImage shot = grid.view->grab().toImage();
    const QRect cell = first.toAlignedRect().adjusted(1, 1, -1, -1);
    const int y = cell.center().y();
    int black = 0;
    for (int x = cell.left(); x + 8 <= cell.right(); ++x) {
        EXPECT_EQ(shot.pixel(x, y), shot.pixel(x + 8, y)) << x;
        black += qGray(shot.pixel(x, y)) == 0 ? 1 : 0;
    }
    EXPECT_NEAR(black, (cell.width() - 8) / 2, 4);
    // The heading is drawn in the grid's ink.
    const QColor fill = BrushFileView::backgroundColor(grid.view->palette());
    bool inked = false;
    for (int x = int(heading.left()); x < int(heading.left()) + 60 && !inked; ++x)
        inked = shot.pixelColor(x, int(heading.center().y())) != fill;
    EXPECT_TRUE(inked);

    EXPECT_EQ(BrushFileView::captionForPattern(*Stripes()), QStringLiteral("Stripes"));
    EXPECT_EQ(BrushFileView::toolTipForPattern(*Stripes()), QStringLiteral("Stripes\n8 × 8 px"));
    EXPECT_EQ(BrushFileView::captionForPattern(*grid.view->patternAt(8)), QStringLiteral("5 × 5"));
    EXPECT_EQ(grid.view->patternAt(5), nullptr);
}

// 6 brushes and 5 patterns, four a row: brush rows 0-3 and 4-5, pattern rows 6-9 and 10.
TEST(BrushFileView, SelectionAndArrowsCrossFromBrushesToPatterns)
{
    Grid grid(400, 300, 4);
    grid.show(6);
    for (int i = 0; i < 5; ++i)
        grid.append(Stripes());
    grid.click(5);
    grid.key(Qt::Key_Right);
    EXPECT_EQ(grid.selected(), (QList<int>{6}));
    grid.key(Qt::Key_Up);
    EXPECT_EQ(grid.view->currentIndex(), 4); // the column stays
    grid.click(5);
    grid.key(Qt::Key_Down);
    EXPECT_EQ(grid.view->currentIndex(), 7);
    grid.key(Qt::Key_Down); // a shorter row: its last item
    EXPECT_EQ(grid.view->currentIndex(), 10);
    grid.key(Qt::Key_Down);
    EXPECT_EQ(grid.view->currentIndex(), 10);
    grid.key(Qt::Key_Up);
    EXPECT_EQ(grid.view->currentIndex(), 6);
    grid.key(Qt::Key_PageDown);
    EXPECT_EQ(grid.view->currentIndex(), 10);
    grid.key(Qt::Key_PageUp);
    EXPECT_EQ(grid.view->currentIndex(), 0);
    grid.click(3);
    grid.click(8, Qt::ShiftModifier);
    EXPECT_EQ(grid.selected(), (QList<int>{3, 4, 5, 6, 7, 8}));
    grid.view->selectAll();
    EXPECT_EQ(grid.selected().size(), 11);
    QList<int> activated;
    QObject::connect(grid.view, &BrushFileView::brushActivated, [&](int i) { activated << i; });
    grid.click(9);
    grid.key(Qt::Key_Return);
    EXPECT_EQ(activated, QList<int>{9});
}

// A copied pattern keeps its own colours, whatever its format; dragged ones are named as
// brushes are, never over a brush's file.
TEST(BrushFileView, CopyAndDragCarryPatternsInTheirOwnColours)
{
    Grid grid(400, 300, 4);
    grid.view->setBrushFile(BrushFile::brushFileWithPath("/x.abr"));
    grid.append(MakeBrush("Chalk", 3, 3));
    QImage clear(2, 2, QImage::Format_ARGB32);
    clear.fill(qRgba(200, 40, 10, 128));
    QImage deep(2, 2, QImage::Format_RGBA64);
    deep.fill(QColor::fromRgba64(0x1234, 0x8000, 0xffff, 0xffff));
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 255), qRgb(0, 255, 0)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    grid.append(MakePattern("Chalk", clear));
    grid.append(MakePattern("", deep, 16));
    grid.append(MakePattern("Palette", indexed));

    auto copied = [&](int index) {
        std::unique_ptr<QMimeData> mime(grid.view->mimeDataForBrushes({index}, false));
        return mime ? QImage::fromData(mime->data(QStringLiteral("image/png")), "PNG") : QImage();
    };
    EXPECT_EQ(copied(1).pixel(1, 1), qRgba(200, 40, 10, 128));
    EXPECT_EQ(quint64(copied(2).pixelColor(0, 0).rgba64()),
              quint64(QRgba64::fromRgba64(0x1234, 0x8000, 0xffff, 0xffff)));
    EXPECT_EQ(copied(3).pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(copied(3).pixel(1, 0), qRgb(0, 0, 255));

    std::unique_ptr<QMimeData> drag(grid.view->mimeDataForBrushes({0, 1, 2, 3}, true));
    ASSERT_TRUE(drag);
    QStringList names;
    for (const QUrl& url : drag->urls())
        names << url.fileName();
    EXPECT_EQ(names, (QStringList{"Chalk.png", "Chalk-1.png", "pattern 2.png", "Palette.png"}));
}

// A preset's cell gives its diameter under the tip, in the ink at part strength, and its tool tip
// (what a screen reader hears of the current brush too) the groups it has on. A brush without a
// preset, or a stored tip no preset uses, keeps the whole cell; tiny cells keep it too.
TEST(BrushFileView, PresetCellsGiveTheDiameterUnderTheTip)
{
    auto shaped = [](double diameter, bool isPreset, bool withSettings) {
        auto brush =
            std::make_shared<SampledBrush>(QStringLiteral("p"), 40, 40, 8, PixelBlock(1600, 255));
        BrushPreset preset;
        preset.isPreset = isPreset;
        preset.tip.kind = TipKind::Sampled;
        preset.tip.diameter = diameter;
        if (withSettings) {
            preset.settings.shapeDynamics = ShapeDynamics();
            preset.settings.wetEdges = true;
        }
        brush->setPreset(std::make_shared<const BrushPreset>(preset));
        return brush;
    };
    Grid grid(600, 400, BrushFileView::kDefaultItemsPerRow);
    grid.view->setBrushFile(BrushFile::brushFileWithPath("/x.abr"));
    grid.append(shaped(87.4, true, true));
    grid.append(shaped(40, false, false));
    grid.append(MakeBrush("plain", 40, 40));
    BrushFileView* view = grid.view;
    const BrushFile& file = *view->getBrushFile();
    EXPECT_EQ(BrushFileView::diameterLabel(*file.brush(0)), QStringLiteral("87"));
    EXPECT_EQ(BrushFileView::toolTipForBrush(*file.brush(0)),
              QStringLiteral("p\n40 × 40 px\nSettings: Shape Dynamics, Wet Edges"));
    view->setCurrentIndex(0);
    EXPECT_EQ(view->accessibleDescription(), BrushFileView::toolTipForBrush(*file.brush(0)));

    const QRectF line = view->diameterRect(0);
    const QRectF tip = view->tipRect(0);
    ASSERT_FALSE(line.isEmpty());
    EXPECT_DOUBLE_EQ(line.bottom(), view->thumbnailRect(0).bottom());
    EXPECT_LE(tip.bottom(), line.top());
    for (int plain : {1, 2}) {
        EXPECT_TRUE(view->diameterRect(plain).isEmpty());
        EXPECT_EQ(view->tipRect(plain), view->thumbnailRect(plain));
        EXPECT_EQ(BrushFileView::toolTipForBrush(*file.brush(size_t(plain))).count('\n'), 1);
    }
    // Digits are drawn in the line and the tip keeps clear of it.
    const QImage shot = view->grab().toImage();
    const QRgb fill = BrushFileView::backgroundColor(view->palette()).rgb();
    auto inkIn = [&](const QRectF& area) {
        int ink = 0;
        const QRect box = area.toAlignedRect().intersected(shot.rect());
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                ink += shot.pixel(x, y) != fill;
        return ink;
    };
    EXPECT_GT(inkIn(line), 0);
    EXPECT_EQ(inkIn(view->diameterRect(0).translated(view->thumbnailRect(2).topLeft() -
                                                     view->thumbnailRect(0).topLeft())),
              0)
        << "no line under a plain brush's 40-pixel tip";

    view->setItemsPerColumn(16); // small cells are all tip
    EXPECT_TRUE(view->diameterRect(0).isEmpty());
}
