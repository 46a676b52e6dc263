#include "brush/SampledBrush.h"
#include "support/TestUtil.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushViewer.h"
#include "ui/grid/ScratchCanvas.h"
#include "ui/grid/StrokePreviews.h"

#include <QPointingDevice>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTabletEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A round, solid 20-pixel tip as a preset of diameter 20.
BrushPtr RoundPreset(const char* name, double diameter = 20, const char* patternId = nullptr,
                     bool missingDualTip = false)
{
    const int side = 20;
    PixelBlock pixels(size_t(side * side), 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (std::hypot(x - 9.5, y - 9.5) < 9.5)
                pixels[size_t(y * side + x)] = 255;
    auto brush = std::make_shared<SampledBrush>(QString::fromUtf8(name), side, side, 8, pixels);
    BrushPreset preset;
    preset.tip.kind = TipKind::Sampled;
    preset.tip.diameter = diameter;
    preset.tip.spacing = 25;
    if (patternId) {
        preset.settings.texture = Texture();
        preset.settings.texture->patternId = QString::fromUtf8(patternId);
    }
    // A sampled dual tip whose sample the file lacks: a round one stands in, and says so.
    if (missingDualTip) {
        preset.settings.dualBrush = DualBrush();
        preset.settings.dualBrush->tip.kind = TipKind::Sampled;
        preset.settings.dualBrush->tip.diameter = 8;
    }
    brush->setPreset(std::make_shared<const BrushPreset>(preset));
    return brush;
}

BrushFilePtr FileOf(int count, const char* path = "/x.abr")
{
    auto file = BrushFile::brushFileWithPath(QString::fromUtf8(path));
    for (int i = 0; i < count; ++i)
        file->addBrush(RoundPreset("round"));
    return file;
}

int InkIn(const QImage& shot, const QRect& area, QRgb paper)
{
    int ink = 0;
    const QRect box = area.intersected(shot.rect());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ink += qGray(shot.pixel(x, y)) != qGray(paper);
    return ink;
}

struct StrokeGrid
{
    QScrollArea area;
    QSlider slider{Qt::Horizontal};
    BrushFileView* view = new BrushFileView;
    StrokeGrid()
    {
        area.setFrameShape(QFrame::NoFrame);
        view->setScrollArea(&area);
        slider.setRange(1, 16);
        view->setSlider(&slider);
        view->setItemsPerColumn(BrushFileView::kDefaultItemsPerRow);
        area.resize(640, 480);
        area.show();
    }
};
} // namespace

TEST(StrokePreviews, ShowStrokesWidensTheCellsAndPaintsEachStrokeOnceThePoolIsDone)
{
    StrokeGrid grid;
    BrushFileView* view = grid.view;
    view->setShowNames(true);
    BrushFilePtr file = FileOf(2);
    file->addBrush(RoundPreset("stand-in", 20, nullptr, true));
    view->setBrushFile(file);
    const double squareSide = view->thumbnailSide();
    EXPECT_EQ(view->cellWidth(), squareSide);

    view->setShowStrokes(true);
    EXPECT_GE(view->cellWidth(), 2.0 * view->thumbnailSide());
    EXPECT_LE(view->cellWidth(), 3.5 * view->thumbnailSide() + 1);
    const QRectF cell = view->thumbnailRect(0);
    const QRectF caption = view->captionRect(0);
    EXPECT_GT(caption.top(), cell.bottom());
    EXPECT_FALSE(view->diameterRect(0).isEmpty());
    EXPECT_TRUE(caption.contains(view->diameterRect(0)));
    EXPECT_LE(view->nameRect(0).right(), view->diameterRect(0).left());
    EXPECT_EQ(view->thumbnailAt(view->thumbnailRect(1).center()), 1);

    // The first paint asks; the strokes come from the pool and only then show.
    const QRgb paper = BrushFileView::backgroundColor(view->palette()).rgb();
    EXPECT_EQ(InkIn(view->grab().toImage(), cell.toAlignedRect(), paper), 0);
    StrokePreviews* previews = view->strokePreviews();
    EXPECT_GT(previews->pendingCount(), 0);
    QSignalSpy ready(previews, &StrokePreviews::previewReady);
    ASSERT_TRUE(WaitUntil([&] { return previews->pendingCount() == 0; }, 10000));
    EXPECT_EQ(ready.count(), 3) << "each stroke once";
    EXPECT_FALSE(previews->simplified(0));
    EXPECT_TRUE(previews->simplified(2)) << "the cell marks a stroke that is less than asked";
    const QImage shot = view->grab().toImage();
    EXPECT_GT(InkIn(shot, cell.toAlignedRect(), paper), 50);
    EXPECT_EQ(previews->pendingCount(), 0) << "painted again from the cache";

    view->setShowStrokes(false);
    EXPECT_EQ(view->thumbnailSide(), squareSide);
    EXPECT_EQ(view->cellWidth(), squareSide);
}

TEST(StrokePreviews, SwitchingTheFileCancelsThePreviewsOfTheFileLeft)
{
    StrokeGrid grid;
    BrushFileView* view = grid.view;
    view->setShowStrokes(true);
    view->setItemsPerColumn(16);
    view->setBrushFile(FileOf(60, "/left.abr"));
    view->grab();
    StrokePreviews* previews = view->strokePreviews();
    ASSERT_GT(previews->pendingCount(), 0);
    const auto left = previews->cancelFlag();
    EXPECT_FALSE(left->load());

    QSignalSpy ready(previews, &StrokePreviews::previewReady);
    view->setBrushFile(FileOf(1, "/shown.abr"));
    EXPECT_TRUE(left->load());
    EXPECT_FALSE(previews->cancelFlag()->load());
    EXPECT_EQ(previews->pendingCount(), 0);
    previews->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(ready.count(), 0) << "nothing of the file left lands";

    view->grab();
    ASSERT_TRUE(WaitUntil([&] { return previews->pendingCount() == 0; }, 10000));
    ASSERT_EQ(ready.count(), 1);
    EXPECT_EQ(ready.first().first().toInt(), 0);
}

TEST(StrokePreviews, TheTexturePaintsThroughTheFilesPatternWhenItHoldsIt)
{
    auto file = FileOf(0);
    file->addBrush(RoundPreset("held", 200, "granite"));
    file->addBrush(RoundPreset("missing", 200, "marble"));
    QImage image(4, 4, QImage::Format_Grayscale8);
    image.fill(128);
    file->addPattern(std::make_shared<Pattern>(QStringLiteral("Granite"),
                                               QStringLiteral("granite") + QChar(0),
                                               Pattern::Mode::Grey, 8, image));
    const StrokeOptions held = StrokePreviews::optionsFor(*file, *file->brush(0), {300, 100});
    EXPECT_EQ(held.pattern, file->patterns().front());
    EXPECT_EQ(StrokePreviews::optionsFor(*file, *file->brush(1), {300, 100}).pattern, nullptr);
    // A large tip is fitted to the stroke's height; a small one keeps its own size.
    EXPECT_DOUBLE_EQ(held.size, 30);
    EXPECT_DOUBLE_EQ(StrokePreviews::optionsFor(*FileOf(1), *FileOf(1)->brush(0), {300, 100}).size,
                     20);
}

namespace {
void Tablet(QWidget* target, QEvent::Type type, QPointF at, double pressure)
{
    QTabletEvent event(type, QPointingDevice::primaryPointingDevice(), at, target->mapToGlobal(at),
                       pressure, 0, 0, 0, 0, 0, Qt::NoModifier, Qt::LeftButton,
                       type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton);
    QCoreApplication::sendEvent(target, &event);
}

// A horizontal tablet stroke at height y.
void TabletStroke(QWidget* target, double y, double pressure)
{
    Tablet(target, QEvent::TabletPress, {20, y}, pressure);
    for (int x = 30; x <= 200; x += 10)
        Tablet(target, QEvent::TabletMove, {double(x), y}, pressure);
    Tablet(target, QEvent::TabletRelease, {200, y}, pressure);
}

// How many rows of the band around y the stroke inked.
int HeightAt(const ScratchCanvas& canvas, int y)
{
    int rows = 0;
    for (int row = std::max(0, y - 40); row < std::min(canvas.image().height(), y + 40); ++row)
        rows += InkIn(canvas.image(), QRect(100, row, 1, 1), canvas.paper().rgb()) > 0;
    return rows;
}
} // namespace

TEST(ScratchCanvas, PenPressurePaintsUndoTakesTheLastStrokeBackAndClearEmpties)
{
    ScratchCanvas canvas;
    canvas.resize(300, 240);
    canvas.show();
    // Size on pen pressure, as Photoshop's default round brushes have it.
    BrushPtr round = RoundPreset("round", 40);
    BrushPreset preset = *round->preset();
    preset.settings.shapeDynamics = ShapeDynamics();
    preset.settings.shapeDynamics->size.control = DynamicControl::PenPressure;
    std::const_pointer_cast<Brush>(round)->setPreset(std::make_shared<const BrushPreset>(preset));
    canvas.setBrush(round, nullptr);
    canvas.setTipSize(40);
    const QImage blank = canvas.image();
    TabletStroke(&canvas, 60, 1.0);
    const QImage afterOne = canvas.image();
    TabletStroke(&canvas, 160, 0.3);
    const int full = HeightAt(canvas, 60);
    const int light = HeightAt(canvas, 160);
    EXPECT_GT(full, 30);
    EXPECT_GT(light, 0);
    EXPECT_LT(light, full * 2 / 3) << "pressure drives the size";

    EXPECT_TRUE(canvas.canUndo());
    canvas.undo();
    EXPECT_EQ(canvas.image(), afterOne);
    canvas.undo();
    EXPECT_EQ(canvas.image(), blank);
    EXPECT_FALSE(canvas.canUndo());

    // The mouse paints at the pressure set for it.
    canvas.setMousePressure(0.3);
    auto mouse = [&canvas](QEvent::Type type, int x, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(x, 160), canvas.mapToGlobal(QPointF(x, 160)),
                          Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&canvas, &event);
    };
    mouse(QEvent::MouseButtonPress, 20, Qt::LeftButton);
    for (int x = 30; x <= 200; x += 10)
        mouse(QEvent::MouseMove, x, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, 200, Qt::NoButton);
    EXPECT_EQ(HeightAt(canvas, 160), light);
    canvas.clear();
    EXPECT_EQ(canvas.image(), blank);
    canvas.undo();
    EXPECT_NE(canvas.image(), blank) << "a clear can be taken back too";
}

TEST(BrushViewer, ShowsTheStrokeAboveTheSettingsAndATryTabAtThePresetsSize)
{
    auto file = FileOf(0);
    file->addBrush(RoundPreset("round", 37));
    QImage image(4, 4, QImage::Format_Grayscale8);
    image.fill(128);
    file->addPattern(std::make_shared<Pattern>(QStringLiteral("Granite"), QStringLiteral("g"),
                                               Pattern::Mode::Grey, 8, image));
    BrushViewer viewer(file, 0);
    viewer.show();
    ASSERT_TRUE(WaitUntil([&] { return !viewer.strokeImage().isNull(); }, 10000));
    const QImage stroke = viewer.strokeImage();
    int inked = 0;
    for (int y = 0; y < stroke.height(); ++y)
        for (int x = 0; x < stroke.width(); ++x)
            inked += qAlpha(stroke.pixel(x, y)) > 0;
    EXPECT_GT(inked, 50) << "ink with transparency, on the panel's own paper";
    EXPECT_TRUE(viewer.strokeNote().isEmpty()) << "a plain round preset paints whole";
    EXPECT_EQ(viewer.tabs()->tabText(1), QStringLiteral("Try"));
    EXPECT_EQ(viewer.tipSizeSlider()->value(), 37);
    EXPECT_DOUBLE_EQ(viewer.scratchCanvas()->tipSize(), 37);

    viewer.showNext(); // the pattern: no stroke, nothing to try
    EXPECT_TRUE(viewer.strokeImage().isNull());
    EXPECT_FALSE(viewer.tabs()->isTabEnabled(1));
}
