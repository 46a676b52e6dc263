#include "ui/BrushWindow.h"

#include <QFileInfo>

BrushWindow::BrushWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelbrin"));
    resize(900, 600);
}

void BrushWindow::openFile(const QString& path)
{
    setWindowTitle(QFileInfo(path).fileName());
}
