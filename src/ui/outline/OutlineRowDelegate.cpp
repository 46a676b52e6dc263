#include "ui/outline/OutlineRowDelegate.h"

#include "platform/Logging.h"
#include "ui/outline/OutlineModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kImageInset = 3;  // from the cell's left edge to the image
constexpr int kTitleGap = 2;    // from the image's area to the text
constexpr int kBadgeMargin = 5; // added to the number's width and height for the badge's area
constexpr int kMinTitleRoom = 30;
} // namespace

OutlineRowDelegate::OutlineRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QFont OutlineRowDelegate::numberFont(const QFont& rowFont)
{
    QFont font = rowFont;
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(1.0, font.pointSizeF() - 2));
    else
        font.setPixelSize(std::max(1, font.pixelSize() - 2));
    return font;
}

QColor OutlineRowDelegate::badgeColor()
{
    return QColor::fromHsvF(0.6f, 0.25f, 0.75f, 1.0f);
}

OutlineRowDelegate::Layout OutlineRowDelegate::layoutFor(const QRect& cell, const QSize& imageSize,
                                                         bool showNumber, int number,
                                                         const QFont& font)
{
    Layout layout;
    QRect rest = cell;
    if (!imageSize.isEmpty()) {
        // The image's own width, scaled down only when it is taller than the row.
        QSize size = imageSize;
        if (size.height() > cell.height())
            size = size.scaled(size.width(), cell.height(), Qt::KeepAspectRatio);
        const int top = cell.top() + (cell.height() - size.height() + 1) / 2;
        layout.image = QRect(QPoint(cell.left() + kImageInset, top), size);
        rest.setLeft(cell.left() + size.width() + kImageInset + kTitleGap);
    }
    if (showNumber) {
        layout.number = QString::number(number);
        const QFontMetrics metrics(numberFont(font));
        const int textWidth = metrics.horizontalAdvance(layout.number);
        const int textHeight = metrics.height();
        const int fieldWidth = textWidth + textHeight + kBadgeMargin;
        if (rest.width() > fieldWidth + kMinTitleRoom) {
            QRect field(rest.right() - fieldWidth + 1, rest.top(), fieldWidth, rest.height());
            rest.setRight(field.left() - 1);
            layout.badge = QRect(field.left() - 2, field.top(), textWidth + textHeight,
                                 std::max(1, field.height() - 1));
        }
    }
    layout.title = rest;
    return layout;
}

QIcon OutlineRowDelegate::iconForPath(const QString& path, bool folder) const
{
    static const QMimeDatabase mimeTypes;
    const QString type =
        folder ? QStringLiteral("inode/directory")
               : mimeTypes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    auto it = mIconsByType.constFind(type);
    if (it != mIconsByType.constEnd())
        return *it;
    QIcon icon;
    if (folder) {
        icon = QIcon::fromTheme(QStringLiteral("folder"));
        if (icon.isNull())
            icon = QFileIconProvider().icon(QFileIconProvider::Folder);
    } else {
        const QMimeType mime = mimeTypes.mimeTypeForName(type);
        icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
        if (icon.isNull())
            icon = QFileIconProvider().icon(QFileIconProvider::File);
    }
    if (icon.isNull())
        qCInfo(lcUi, "Can't get icon for %s", qUtf8Printable(path));
    mIconsByType.insert(type, icon);
    return icon;
}

void OutlineRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();

    // The row's background and selection, drawn as the style does, without text or icon.
    opt.text.clear();
    opt.icon = QIcon();
    opt.features &= ~QStyleOptionViewItem::HasDecoration;
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QRect cell = option.rect;
    // Keep the badge in view when the outline is scrolled sideways.
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
        cell.setRight(std::min(cell.right(), view->viewport()->rect().right()));

    const bool folder = index.data(OutlineModel::IsFolderRole).toBool();
    const QString path = index.data(OutlineModel::PathRole).toString();
    const int side = std::min(cell.height(), opt.decorationSize.height());
    const QIcon icon = iconForPath(path, folder);
    const QSize imageSize = icon.isNull() ? QSize() : QSize(side, side);
    const Layout layout = layoutFor(cell, imageSize, folder,
                                    index.data(OutlineModel::FileCountRole).toInt(), opt.font);

    painter->save();
    if (!layout.image.isEmpty())
        icon.paint(painter, layout.image, Qt::AlignCenter,
                   (option.state & QStyle::State_Selected) ? QIcon::Selected : QIcon::Normal);

    const QPalette::ColorGroup group =
        (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QPalette::ColorRole textRole =
        (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->setPen(opt.palette.color(group, textRole));
    painter->setFont(opt.font);
    const QString label = index.data(Qt::DisplayRole).toString();
    // A starred file ends its name with a small star in the text's own colour, half strength:
    // enough to find favourites in a list, too quiet to compete with the names.
    const bool starred = index.data(OutlineModel::StarredRole).toBool();
    const QString star = QStringLiteral(" \u2605");
    QRect title = layout.title;
    if (starred)
        title.setRight(title.right() - opt.fontMetrics.horizontalAdvance(star));
    const QString shown = opt.fontMetrics.elidedText(label, Qt::ElideRight, title.width());
    painter->drawText(title, Qt::AlignVCenter | Qt::AlignLeft, shown);
    if (starred) {
        QColor colour = painter->pen().color();
        colour.setAlphaF(0.55f);
        painter->setPen(colour);
        QRect after = layout.title;
        after.setLeft(title.left() + opt.fontMetrics.horizontalAdvance(shown));
        painter->drawText(after, Qt::AlignVCenter | Qt::AlignLeft, star);
    }

    if (!layout.badge.isEmpty()) {
        painter->setRenderHint(QPainter::Antialiasing);
        QPainterPath capsule;
        const qreal radius = layout.badge.height() / 2.0;
        capsule.addRoundedRect(QRectF(layout.badge), radius, radius);
        painter->fillPath(capsule, badgeColor());
        painter->setPen(Qt::white);
        painter->setFont(numberFont(opt.font));
        painter->drawText(layout.badge, Qt::AlignCenter, layout.number);
    }
    painter->restore();
}

QSize OutlineRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    size.setHeight(std::max(size.height(), metrics.height() + 4));
    return size;
}
