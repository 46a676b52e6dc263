#pragma once

#include <QApplication>
#include <QPointer>

#include "ui/BrushWindow.h"

// The window program's application object: hands the reading thread's notification carriers
// to NotificationEvent before Qt's own dispatch sees them, and opens the help page.
class KelbrinApplication : public QApplication
{
    Q_OBJECT
public:
    KelbrinApplication(int& argc, char** argv);
    bool event(QEvent* event) override;

    static KelbrinApplication* instance();

    void windowCreated(BrushWindow* window);
    BrushWindow* brushWindow() const { return mBrushWindow; }

private:
    QPointer<BrushWindow> mBrushWindow;
};
