#pragma once

#include <QApplication>

// The window program's application object: hands the reading thread's notification carriers
// to NotificationEvent before Qt's own dispatch sees them.
class KelbrinApplication : public QApplication
{
    Q_OBJECT
public:
    KelbrinApplication(int& argc, char** argv);
    bool event(QEvent* event) override;
};
