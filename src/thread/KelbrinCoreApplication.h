#pragma once

#include <QCoreApplication>

class QEvent;

// Every application object of ours hands the notification carriers to NotificationEvent and
// never lets them reach Qt's own dispatch.
bool RouteNotificationEvent(QEvent* event);

// The application object of the command-line program and of the core tests.
class KelbrinCoreApplication : public QCoreApplication
{
public:
    KelbrinCoreApplication(int& argc, char** argv);
    bool event(QEvent* event) override;
};
