#include "ui/dialogs/TagsDialog.h"
#include "ui/grid/BrushFileView.h"
#include "ui/grid/BrushFileViewAccessible.h"
#include "ui/grid/BrushViewer.h"
#include "ui/library/LibraryResultsModel.h"
#include "ui/outline/OutlineModel.h"
#include "ui/window/BrushWindow.h"

#include "brush/ComputedBrush.h"
#include "brush/SampledBrush.h"
#include "hierarchy/HierarchyTestSupport.h"
#include "support/AbrWriter.h"
#include "support/TestUtil.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The controls a user reaches and a screen reader must name: "Class objectName" for each that
// has no name, empty when all have one.
QStringList UnnamedControls(const QWidget& top)
{
    QStringList unnamed;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
            qobject_cast<QTabBar*>(widget) || qobject_cast<BrushFileView*>(widget);
        // Scroll bars and the line edits inside spin and combo boxes are named by their owners.
        // Hidden ones (a tree's header, a bar's overflow button) and the clear button of a
        // line edit, which the keyboard replaces with its own keys, are not met.
        if (!control || !widget->isVisibleTo(&top) || widget->inherits("QLineEditIconButton") ||
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
            qobject_cast<QComboBox*>(widget->parentWidget()) || widget->inherits("QScrollBar") ||
            widget->inherits("QComboBoxListView"))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(
                QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
    }
    return unnamed;
}

BrushPtr Sampled(const char* name, int w, int h)
{
    return std::make_shared<SampledBrush>(name ? std::optional<QString>(QString::fromUtf8(name))
                                               : std::nullopt,
                                          w, h, 8, PixelBlock(size_t(w * h), 200));
}

} // namespace

TEST(BrushFileViewAccessible, CellsSayNameSizeKindStarAndWhereTheKeyboardIs)
{
    QScrollArea area;
    auto* view = new BrushFileView;
    view->setScrollArea(&area);
    area.resize(400, 300);
    area.show();
    auto file = BrushFile::brushFileWithPath("/x.abr");
    view->setBrushFile(file);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::List);
    EXPECT_EQ(grid->child(0), nullptr);

    file->addBrush(Sampled("Chalk", 30, 20));
    file->addBrush(Sampled(nullptr, 12, 12));
    file->addBrush(std::make_shared<ComputedBrush>(std::optional<QString>(QStringLiteral("Hard")),
                                                   40, 100, 0, 100));
    view->brushesAppended();
    view->setStarredIndexes({2});
    ASSERT_EQ(grid->childCount(), 3);
    QStringList cells;
    for (int i = 0; i < grid->childCount(); ++i) {
        QAccessibleInterface* cell = grid->child(i);
        EXPECT_EQ(cell->role(), QAccessible::ListItem);
        EXPECT_EQ(cell->parent(), grid);
        EXPECT_EQ(grid->indexOfChild(cell), i);
        EXPECT_EQ(grid->child(i), cell) << "a cell keeps its object";
        cells << cell->text(QAccessible::Name) + QLatin1Char('|') +
                     cell->text(QAccessible::Description);
    }
    EXPECT_EQ(cells, QStringList({QStringLiteral("Chalk|30 by 20 px, sampled"),
                                  QStringLiteral("12 \u00D7 12|12 by 12 px, sampled"),
                                  QStringLiteral("Hard|40 by 40 px, computed, starred")}));

    QSignalSpy opened(view, &BrushFileView::brushActivated);
    grid->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(view->selectedIndexes(), QList<int>{2});
    EXPECT_EQ(opened.count(), 1);
    grid->child(1)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(grid->child(1)->state().selected);
    EXPECT_TRUE(grid->child(1)->state().active);
    EXPECT_FALSE(grid->child(0)->state().selected);
    const QRect cell = grid->child(1)->rect();
    EXPECT_EQ(grid->childAt(cell.center().x(), cell.center().y()), grid->child(1));

    // A new, shorter file: cells past its end are gone, the rest read the new file.
    auto other = BrushFile::brushFileWithPath("/y.abr");
    other->addBrush(Sampled("Ink", 5, 5));
    view->setBrushFile(other);
    EXPECT_EQ(grid->childCount(), 1);
    EXPECT_EQ(grid->child(0)->text(QAccessible::Name), QStringLiteral("Ink"));
    EXPECT_EQ(grid->child(2), nullptr);
}

TEST(Accessibility, OutlineRowsAndLibraryResultsSayWhatTheirLookShows)
{
    DiskTree disk;
    OutlineModel outline;
    const QString path = disk.file(QStringLiteral("a/x.abr"));
    outline.addItems({path}, {kPlainFile});
    const QModelIndex folder = outline.index(0, 0);
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(folder.data(Qt::AccessibleTextRole).toString(),
              folder.data().toString() + QStringLiteral(", folder, 1 brush file"));
    const QModelIndex file = outline.index(0, 0, folder);
    EXPECT_EQ(file.data(Qt::AccessibleTextRole).toString(), QStringLiteral("x.abr"));
    EXPECT_EQ(file.data(Qt::AccessibleDescriptionRole).toString(), path);

    LibraryResultsModel results;
    LibraryBrush brush;
    brush.path = QStringLiteral("/b/set.abr");
    brush.position = 4;
    brush.starred = true;
    results.setResults({brush});
    const QModelIndex result = results.index(0, 0);
    EXPECT_EQ(result.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Brush 5, starred"));
    EXPECT_EQ(result.data(Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("Brush 5 in /b/set.abr"));
}

TEST(Accessibility, EveryControlOfTheWindowAndTheViewerHasAName)
{
    Sandbox box;
    AbrWriter w;
    w.u16(2).u16(2);
    w.computedRecord(true, QStringLiteral("Soft"), 12, 100, 0, 50);
    w.computedRecord(true, QStringLiteral("Hard"), 20, 100, 0, 50);
    const QString path = box.write(QStringLiteral("pair.abr"), w.data());
    BrushWindow window;
    window.show();
    window.setImageFromBrushFile(path);
    ASSERT_TRUE(WaitUntil([&] { return !window.isReadingFile(); }));
    EXPECT_EQ(UnnamedControls(window), QStringList());

    BrushViewer viewer(window.fileView()->getBrushFile(), 0);
    viewer.show();
    EXPECT_EQ(UnnamedControls(viewer), QStringList());

    TagsDialog tags(QStringLiteral("pair.abr"), {QStringLiteral("ink")}, {});
    tags.show();
    EXPECT_EQ(UnnamedControls(tags), QStringList());
}

// The viewer keeps Left and Right for the brushes, yet Tab reaches its tabs and every control of
// the page shown, and comes back round to the viewer.
TEST(Accessibility, TabReachesTheViewersTabsAndControls)
{
    auto file = BrushFile::brushFileWithPath("/x.abr");
    file->addBrush(Sampled("Chalk", 30, 20));
    file->addBrush(Sampled("Ink", 8, 8));
    BrushViewer viewer(file, 0);
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    ASSERT_EQ(QApplication::focusWidget(), &viewer);
    // Object names in Tab order, until Tab comes back to the viewer.
    const auto tabChain = [&] {
        QStringList names;
        while (names.size() < 20) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == &viewer)
                break;
            names << QApplication::focusWidget()->objectName();
        }
        return names.join(u' ');
    };
    EXPECT_EQ(tabChain(), QStringLiteral("qt_tabwidget_tabbar zoomBox backgroundBox"));
    QTest::keyClick(&viewer, Qt::Key_Right);
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Ink")) << "Right still shows the next brush";
    viewer.findChild<QTabWidget*>(QStringLiteral("viewerTabs"))->setCurrentIndex(1);
    EXPECT_EQ(tabChain(), QStringLiteral("qt_tabwidget_tabbar inkButton tipSizeSlider "
                                         "mousePressureBox clearButton saveSheetButton zoomBox "
                                         "backgroundBox"));
}
