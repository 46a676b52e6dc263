#include "ui/KelbrinApplication.h"

#include "thread/KelbrinCoreApplication.h"
#include "ui/BrushWindow.h"
#include "ui/KelbrinStyle.h"

#include <QStyle>

#include <boost/thread/thread.hpp>

namespace {
void DummyCall() {}
} // namespace

KelbrinApplication::KelbrinApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Kelbrin"));
    setApplicationName(QStringLiteral("Kelbrin"));
    setApplicationDisplayName(QStringLiteral("Kelbrin"));
    setApplicationVersion(QStringLiteral(KELBRIN_VERSION));
    // The launcher's name without ".desktop": docks and Wayland compositors find our icon by it.
    setDesktopFileName(QStringLiteral("org.kelbrin.Kelbrin"));
    setStyle(new KelbrinStyle(QApplication::style()->name()));
    // Have the thread library set itself up before the worker and the folder watcher start.
    boost::thread(DummyCall).detach();
}

KelbrinApplication* KelbrinApplication::instance()
{
    return qobject_cast<KelbrinApplication*>(QCoreApplication::instance());
}

bool KelbrinApplication::event(QEvent* event)
{
    if (RouteNotificationEvent(event))
        return true;
    return QApplication::event(event);
}

void KelbrinApplication::windowCreated(BrushWindow* window)
{
    mBrushWindow = window;
}
