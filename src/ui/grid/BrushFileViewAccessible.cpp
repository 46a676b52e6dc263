#include "ui/grid/BrushFileViewAccessible.h"

#include "brush/BrushPreset.h"
#include "ui/grid/BrushFileView.h"

#include <QPointer>
#include <QScrollArea>

namespace {

// A cell can be chosen and opened through AT-SPI as by the keyboard: "SetFocus" makes it the
// one selected brush, "Press" opens it in the viewer as Return does.
class BrushCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    BrushCellAccessible(BrushFileView* view, int index) : mView(view), mIndex(index) {}

    bool isValid() const override { return mView && mIndex < mView->itemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return mView ? mView->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return mView ? QAccessible::queryAccessibleInterface(mView) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return QString();
        const BrushFilePtr& file = mView->getBrushFile();
        switch (kind) {
        case QAccessible::Name:
            if (const PatternPtr pattern = mView->patternAt(mIndex))
                return BrushFileView::captionForPattern(*pattern);
            return BrushFileView::captionForBrush(*file->brush(size_t(mIndex)));
        case QAccessible::Description:
            return BrushFileViewAccessible::cellDescription(*mView, mIndex);
        default:
            return QString();
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        QRectF area = mView->thumbnailRect(mIndex);
        const QRectF caption = mView->captionRect(mIndex);
        if (!caption.isEmpty())
            area = area.united(caption);
        const QRect local = area.toAlignedRect();
        return QRect(mView->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.multiSelectable = true;
        state.selected = mView->isSelected(mIndex);
        state.active = mView->currentIndex() == mIndex;
        state.focused = state.active && mView->hasFocus();
        // Cells scrolled away are there but not seen, as a list view's rows are.
        const QRect shown = mView->visibleRegion().boundingRect();
        if (!shown.intersects(mView->thumbnailRect(mIndex).toAlignedRect())) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override
    {
        return isValid() ? QStringList{setFocusAction(), pressAction()} : QStringList();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        mView->setFocus();
        mView->selectOnly(mIndex);
        if (name == pressAction())
            Q_EMIT mView->brushActivated(mIndex);
    }

    int index() const { return mIndex; }

private:
    QPointer<BrushFileView> mView;
    int mIndex;
};

QAccessibleInterface* CreateForGrid(const QString& className, QObject* object)
{
    if (className == QLatin1String("BrushFileView"))
        if (auto* view = qobject_cast<BrushFileView*>(object))
            return new BrushFileViewAccessible(view);
    return nullptr;
}

QString KindWord(TipKind kind)
{
    switch (kind) {
    case TipKind::Sampled:
        return BrushFileView::tr("sampled");
    case TipKind::Computed:
        return BrushFileView::tr("computed");
    case TipKind::Bristle:
        return BrushFileView::tr("bristle");
    case TipKind::Erodible:
        return BrushFileView::tr("erodible");
    }
    return QString();
}

} // namespace

BrushFileViewAccessible::BrushFileViewAccessible(BrushFileView* view)
    : QAccessibleWidget(view, QAccessible::List)
{}

BrushFileViewAccessible::~BrushFileViewAccessible()
{
    for (const QAccessible::Id id : std::as_const(mCells))
        QAccessible::deleteAccessibleInterface(id);
}

void BrushFileViewAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateForGrid);
        return true;
    }();
    Q_UNUSED(installed);
}

BrushFileView* BrushFileViewAccessible::view() const
{
    return static_cast<BrushFileView*>(widget());
}

int BrushFileViewAccessible::childCount() const
{
    return view()->itemCount();
}

QAccessibleInterface* BrushFileViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto known = mCells.constFind(index);
    if (known != mCells.constEnd())
        return QAccessible::accessibleInterface(*known);
    auto* cell = new BrushCellAccessible(view(), index);
    mCells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int BrushFileViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const BrushCellAccessible*>(child);
    return cell && cell->parent() == this && cell->isValid() ? cell->index() : -1;
}

QAccessibleInterface* BrushFileViewAccessible::childAt(int x, int y) const
{
    const int index = view()->thumbnailAt(view()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* BrushFileViewAccessible::focusChild() const
{
    return view()->hasFocus() ? child(view()->currentIndex()) : nullptr;
}

QString BrushFileViewAccessible::cellDescription(const BrushFileView& view, int index)
{
    QStringList parts;
    if (const PatternPtr pattern = view.patternAt(index)) {
        const QSize size = pattern->pixelSize();
        parts << BrushFileView::tr("pattern")
              << BrushFileView::tr("%1 by %2 px").arg(size.width()).arg(size.height());
        return parts.join(QStringLiteral(", "));
    }
    if (index < 0 || !view.getBrushFile() || index >= int(view.getBrushFile()->count()))
        return QString();
    const Brush& brush = *view.getBrushFile()->brush(size_t(index));
    const QSizeF size = brush.size();
    parts << BrushFileView::tr("%1 by %2 px").arg(int(size.width())).arg(int(size.height()));
    parts << KindWord(brush.kind());
    if (view.starredIndexes().contains(index))
        parts << BrushFileView::tr("starred");
    const QString groups = BrushFileView::settingsGroupsText(brush);
    if (!groups.isEmpty())
        parts << BrushFileView::tr("settings: %1").arg(groups);
    return parts.join(QStringLiteral(", "));
}

void BrushFileViewAccessible::notifyCellsChanged(BrushFileView* view)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(view, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void BrushFileViewAccessible::notifyCurrentChanged(BrushFileView* view)
{
    // Only a focused grid moves the screen reader's focus; elsewhere the keyboard is not here.
    if (!QAccessible::isActive() || view->currentIndex() < 0 || !view->hasFocus())
        return;
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(view->currentIndex());
    QAccessible::updateAccessibility(&event);
}
