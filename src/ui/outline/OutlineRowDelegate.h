#pragma once

#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

// Draws one outline row: the item's icon, its name cut at the tail, and for folders a rounded
// badge with the number of brush files below, kept at the visible right edge when the outline
// scrolls sideways and left out when the row is too narrow for it.
class OutlineRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit OutlineRowDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The geometry of one row, in the row's coordinates (for drawing and for tests).
    struct Layout
    {
        QRect image;
        QRect title;
        QRect badge; // empty when no badge is shown
        QString number;
    };
    static Layout layoutFor(const QRect& cell, const QSize& imageSize, bool showNumber, int number,
                            const QFont& font);
    // The badge's number font: bold, two points smaller than the row's.
    static QFont numberFont(const QFont& rowFont);
    static QColor badgeColor();

    // The icon for a path: a folder, or the file type's theme icon (cached per type).
    QIcon iconForPath(const QString& path, bool folder) const;

private:
    mutable QHash<QString, QIcon> mIconsByType;
};
