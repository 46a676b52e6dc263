#include "ui/library/LibraryResultsView.h"

#include "library/CatalogueEntry.h"
#include "ui/common/ImageScaling.h"
#include "ui/grid/BrushFileView.h"
#include "ui/library/LibraryResultsModel.h"

#include <QCache>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {
constexpr int kCellWidth = 128;
constexpr int kPadding = 6;
} // namespace

// Each cell: the tip on the grid's tile colour, the brush's name under it, and its file's name
// in a quieter colour under that. Thumbnails are loaded as cells are painted, so a search that
// finds a thousand brushes reads the few dozen PNGs on screen.
class LibraryResultsView::Thumbnails : public QStyledItemDelegate
{
public:
    Thumbnails(std::function<QByteArray(qint64)> load, QObject* parent)
        : QStyledItemDelegate(parent), mLoad(std::move(load))
    {}

    void clear() { mCache.clear(); }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {kCellWidth, kLibraryThumbnailSide + 3 * kPadding + 2 * option.fontMetrics.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString name = cell.text;
        cell.text.clear();
        cell.icon = QIcon();
        // The whole cell shows it is selected, not the text and icon it no longer has.
        cell.showDecorationSelected = true;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

        const QRect inner = option.rect.adjusted(kPadding, kPadding, -kPadding, -kPadding);
        const QRect tile(inner.center().x() - kLibraryThumbnailSide / 2, inner.top(),
                         kLibraryThumbnailSide, kLibraryThumbnailSide);
        painter->fillRect(tile, BrushFileView::backgroundColor(option.palette));
        const QPixmap tip = thumbnail(index, option.palette.color(QPalette::Text));
        if (!tip.isNull()) {
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawPixmap(
                proportionalDrawingRect(tip.size(), tile.size()).translated(tile.topLeft()), tip,
                QRectF(tip.rect()));
        }

        if (index.data(LibraryResultsModel::eStarredRole).toBool())
            BrushFileView::paintStarMark(*painter, tile, option.palette.color(QPalette::Text), 12);

        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        const QColor text =
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        const int line = option.fontMetrics.height();
        QRect nameRect(inner.left(), tile.bottom() + kPadding, inner.width(), line);
        painter->setPen(text);
        painter->drawText(nameRect, Qt::AlignHCenter | Qt::AlignTop,
                          option.fontMetrics.elidedText(name, Qt::ElideRight, inner.width()));
        QColor quiet = text;
        quiet.setAlphaF(0.6f);
        painter->setPen(quiet);
        const QString file =
            QFileInfo(index.data(LibraryResultsModel::ePathRole).toString()).fileName();
        painter->drawText(nameRect.translated(0, line), Qt::AlignHCenter | Qt::AlignTop,
                          option.fontMetrics.elidedText(file, Qt::ElideMiddle, inner.width()));
    }

private:
    QPixmap thumbnail(const QModelIndex& index, const QColor& ink) const
    {
        const qint64 id = index.data(LibraryResultsModel::eBrushIdRole).toLongLong();
        if (const QPixmap* kept = mCache.object(id); kept && mInk == ink)
            return *kept;
        if (mInk != ink) {
            mCache.clear();
            mInk = ink;
        }
        QImage image = QImage::fromData(mLoad(id), "PNG");
        QPixmap pixmap;
        // The library keeps tips at most 64 pixels a side: on a denser screen they are drawn
        // a little soft, fitted to the tile as the grid fits them.
        if (!image.isNull())
            pixmap = QPixmap::fromImage(InkImage(image, ink));
        mCache.insert(id, new QPixmap(pixmap));
        return pixmap;
    }

    std::function<QByteArray(qint64)> mLoad;
    // A few screens' worth.
    mutable QCache<qint64, QPixmap> mCache{400};
    mutable QColor mInk;
};

LibraryResultsView::LibraryResultsView(std::function<QByteArray(qint64)> thumbnail, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("libraryResults"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    mHeading = new QLabel(this);
    mHeading->setObjectName(QStringLiteral("libraryResultsHeading"));
    mHeading->setTextFormat(Qt::PlainText);
    mHeading->setContentsMargins(10, 6, 10, 6);
    QFont bold = mHeading->font();
    bold.setWeight(QFont::DemiBold);
    mHeading->setFont(bold);
    mList = new QListView(this);
    mList->setObjectName(QStringLiteral("libraryResultsList"));
    mList->setAccessibleName(tr("Brushes found in the library"));
    mList->setViewMode(QListView::IconMode);
    mList->setResizeMode(QListView::Adjust);
    mList->setMovement(QListView::Static);
    mList->setUniformItemSizes(true);
    mList->setSpacing(2);
    mList->setFrameShape(QFrame::NoFrame);
    mList->setSelectionMode(QAbstractItemView::SingleSelection);
    mModel = new LibraryResultsModel(this);
    mList->setModel(mModel);
    mThumbnails = new Thumbnails(std::move(thumbnail), this);
    mList->setItemDelegate(mThumbnails);
    layout->addWidget(mHeading);
    layout->addWidget(mList, 1);
    mList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mList, &QListView::customContextMenuRequested, this, &LibraryResultsView::showMenu);
    connect(mList, &QListView::activated, this, [this](const QModelIndex& index) {
        Q_EMIT brushOpened(index.data(LibraryResultsModel::ePathRole).toString(),
                           index.data(LibraryResultsModel::ePositionRole).toInt());
    });
}

LibraryResultsView::~LibraryResultsView() = default;

void LibraryResultsView::showResults(const QString& text, std::vector<LibraryBrush> results,
                                     int limit)
{
    const bool more = int(results.size()) > limit;
    if (more)
        results.resize(size_t(limit));
    // By name as people read them ("Ink 2" before "Ink 10", accents and case aside, whatever
    // the locale), then by file: a brush kept in several files shows its copies side by side.
    const QCollator& byName = collator();
    std::vector<std::pair<QString, LibraryBrush>> keyed;
    keyed.reserve(results.size());
    for (LibraryBrush& brush : results)
        keyed.emplace_back(FoldedName(brush.name.value_or(QString())), std::move(brush));
    std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
        const int order = byName.compare(a.first, b.first);
        return order != 0 ? order < 0 : a.second.path < b.second.path;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        results[i] = std::move(keyed[i].second);
    const int count = int(results.size());
    // The same search again (the library grew): the brush the user was on stays current.
    const bool again = text == std::exchange(mText, text);
    const QModelIndex current = mList->currentIndex();
    const qint64 currentId = again && current.isValid()
                                 ? current.data(LibraryResultsModel::eBrushIdRole).toLongLong()
                                 : 0;
    if (!again)
        mThumbnails->clear();
    mModel->setResults(std::move(results));
    const int row = mModel->rowOf(currentId);
    if (row >= 0) {
        mList->setCurrentIndex(mModel->index(row));
        mList->scrollTo(mModel->index(row));
    } else {
        mList->scrollToTop();
    }
    if (count == 0)
        mHeading->setText(tr("No brushes named “%1” in the library").arg(text));
    else if (more)
        mHeading->setText(tr("Brushes named “%1” in the library — more than %2, %2 shown")
                              .arg(text, QLocale().toString(count)));
    else
        mHeading->setText(
            tr("Brushes named “%1” in the library — %2").arg(text, QLocale().toString(count)));
}

// The grid's own actions for a brush, without opening its file first.
void LibraryResultsView::showMenu(const QPoint& at)
{
    const QModelIndex index = mList->indexAt(at);
    if (!index.isValid())
        return;
    mList->setCurrentIndex(index);
    const QString path = index.data(LibraryResultsModel::ePathRole).toString();
    const int position = index.data(LibraryResultsModel::ePositionRole).toInt();
    QMenu menu(this);
    menu.addAction(tr("&Open"), this, [=] { Q_EMIT brushOpened(path, position); });
    menu.addAction(tr("Show in File &Manager"), this, [=] { Q_EMIT revealRequested(path); });
    QAction* favourite = menu.addAction(tr("&Favourite Brush"));
    favourite->setCheckable(true);
    favourite->setChecked(index.data(LibraryResultsModel::eStarredRole).toBool());
    connect(favourite, &QAction::triggered, this,
            [=](bool starred) { Q_EMIT starRequested(path, position, starred); });
    menu.exec(mList->viewport()->mapToGlobal(at));
}

QCollator& LibraryResultsView::collator()
{
    if (!mCollator) {
        // The C locale's collation compares code points alone, numbers included.
        mCollator.emplace(QLocale().language() == QLocale::C ? QLocale(QLocale::English)
                                                             : QLocale());
        mCollator->setNumericMode(true);
    }
    return *mCollator;
}

void LibraryResultsView::prepareOrdering()
{
    collator().compare(QStringLiteral("ink 2"), QStringLiteral("ink 10"));
}

QString LibraryResultsView::heading() const
{
    return mHeading->text();
}
