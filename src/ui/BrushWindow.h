#pragma once

#include <QMainWindow>

class BrushWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit BrushWindow(QWidget* parent = nullptr);

    void openFile(const QString& path);
};
