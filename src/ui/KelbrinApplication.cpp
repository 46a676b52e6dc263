#include "ui/KelbrinApplication.h"

#include "thread/KelbrinCoreApplication.h"

KelbrinApplication::KelbrinApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Kelbrin"));
    setApplicationName(QStringLiteral("Kelbrin"));
}

bool KelbrinApplication::event(QEvent* event)
{
    if (RouteApplicationDefinedEvent(event))
        return true;
    return QApplication::event(event);
}
