#pragma once

#include <QAccessibleWidget>
#include <QHash>

class BrushFileView;

// What a screen reader learns of the grid: a list with one item a cell. The cells are painted,
// not widgets, so without this the grid is one blank box to AT-SPI. A cell's object is made when
// first asked for and lives as long as the grid's; it reads the file at its index each time, so
// a new file needs no new objects.
class BrushFileViewAccessible : public QAccessibleWidget
{
public:
    explicit BrushFileViewAccessible(BrushFileView* view);
    ~BrushFileViewAccessible() override;

    // Installed once, before the first grid is shown; Qt asks it for every object it has no
    // interface for and it answers for BrushFileView only.
    static void installFactory();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // What a cell says after its name: size, kind, and whether it is starred.
    static QString cellDescription(const BrushFileView& view, int index);

    // The grid tells the screen reader that its cells changed (a new or a longer file), and
    // which one the keyboard is on.
    static void notifyCellsChanged(BrushFileView* view);
    static void notifyCurrentChanged(BrushFileView* view);

private:
    BrushFileView* view() const;

    mutable QHash<int, QAccessible::Id> mCells;
};
