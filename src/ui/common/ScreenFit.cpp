#include "ui/common/ScreenFit.h"

#include <QScreen>
#include <QWidget>

QSize SizeWithinScreen(QSize wanted, QSize minimum, const QRect& available)
{
    const QSize room(available.width() * 9 / 10, available.height() * 9 / 10);
    return wanted.boundedTo(room).expandedTo(minimum.boundedTo(room));
}

void ResizeWithinScreen(QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    window->resize(
        SizeWithinScreen(wanted, window->minimumSizeHint(), screen->availableGeometry()));
}
