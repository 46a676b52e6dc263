#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// The size a window that asks for `wanted` gets in `available` (a screen's room less the
// desktop's panels): never more than nine tenths of it, so that its frame and buttons stay on
// screen at any scale factor, and never less than the window's own minimum where that fits.
QSize SizeWithinScreen(QSize wanted, QSize minimum, const QRect& available);

// Resizes window (a dialog about to open) to wanted within the screen it will open on.
void ResizeWithinScreen(QWidget* window, QSize wanted);
