#include "ui/window/KelbrinApplication.h"

#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "discovery/FileIndex.h"
#include "thread/KelbrinCoreApplication.h"
#include "ui/window/AppTheme.h"
#include "ui/window/KelbrinStyle.h"
#include "ui/window/PreUnmountListener.h"

#include <QStyle>
#include <QThread>

KelbrinApplication::KelbrinApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Kelbrin"));
    setApplicationName(QStringLiteral("Kelbrin"));
    setApplicationDisplayName(QStringLiteral("Kelbrin"));
    setApplicationVersion(QStringLiteral(KELBRIN_VERSION));
    // The launcher's name without ".desktop": docks and Wayland compositors find our icon by it.
    setDesktopFileName(QStringLiteral("org.kelbrin.Kelbrin"));
    const QString desktopStyle = QApplication::style()->name();
    setStyle(new KelbrinStyle(desktopStyle));
    mTheme = std::make_unique<AppTheme>(desktopStyle);
    mPaintingApps = FindInstalledPaintingApps();
}

KelbrinApplication::~KelbrinApplication()
{
    if (mUnmountNotices) {
        mUnmountNotices->quit();
        mUnmountNotices->wait();
    }
}

void KelbrinApplication::followDesktopColorScheme()
{
    auto* portal = new ColorSchemePortal(this);
    connect(portal, &ColorSchemePortal::preferenceChanged, mTheme.get(),
            &AppTheme::setDesktopPreference);
    portal->start();
}

void KelbrinApplication::followDesktopUnmounts()
{
    BrushFileSearch* search = mBrushFileQuery.get();
    if (!search || mUnmountNotices)
        return;
    // GVfs asks udisks to unmount a few tens of milliseconds after its notice. The notice is
    // heard on a thread of its own, which keeps the crawlers out at once; the main thread, up
    // to a turn later, does the rest.
    mUnmountNotices = new QThread(this);
    mUnmountNotices->setObjectName(QStringLiteral("unmount notices"));
    auto* listener = new PreUnmountListener;
    listener->moveToThread(mUnmountNotices);
    connect(
        listener, &PreUnmountListener::aboutToUnmount, listener,
        [search](const QString& mountPoint) { search->keepCrawlersOut(mountPoint); },
        Qt::DirectConnection);
    connect(listener, &PreUnmountListener::aboutToUnmount, search, &BrushFileSearch::releaseMount);
    connect(mUnmountNotices, &QThread::started, listener, [listener] { listener->listen(); });
    connect(mUnmountNotices, &QThread::finished, listener, &QObject::deleteLater);
    mUnmountNotices->start();
}

BrushFileSearch* KelbrinApplication::getBrushFileQuery()
{
    // Made on first use rather than at start, so that test programs built on this
    // application object never start watching the disk.
    if (!mBrushFileQueryStarted) {
        mBrushFileQueryStarted = true;
        mBrushFileQuery = BrushFileSearch::create(BrushFileMatcher::brushFiles(), {});
        if (mBrushFileQuery)
            mBrushFileQuery->run();
    }
    return mBrushFileQuery.get();
}

QStringList KelbrinApplication::searchedFolders()
{
    return FileIndex::scopeFolders({FileIndex::kScopeHomeAndMedia});
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
