#pragma once

#include <QApplication>

#include "actions/PaintingApp.h"

#include <memory>

class AppTheme;
class BrushFileSearch;
class QThread;

// The window program's application object: hands the reading thread's notification carriers
// to NotificationEvent before Qt's own dispatch sees them, and opens the help page.
class KelbrinApplication : public QApplication
{
    Q_OBJECT
public:
    KelbrinApplication(int& argc, char** argv);
    bool event(QEvent* event) override;

    static KelbrinApplication* instance();

    ~KelbrinApplication() override;

    // The installed painting applications, found at start.
    const PaintingAppList& getPaintingApps() const { return mPaintingApps; }
    // The one search for every brush file on the machine, started by the first call.
    BrushFileSearch* getBrushFileQuery();
    // The folders that search looks through.
    static QStringList searchedFolders();

    // The colours View ▸ Theme chooses, applied from the start.
    AppTheme* theme() const { return mTheme.get(); }
    // Has the theme follow the desktop's colour-scheme preference. Only the window program
    // asks: tests and tools keep the colours they set whatever the desktop prefers.
    void followDesktopColorScheme();
    // Has the search let go of a drive the desktop is about to unmount. Only the window
    // program asks, once its search runs.
    void followDesktopUnmounts();

private:
    PaintingAppList mPaintingApps;
    // Gone before the application object itself, while its colours can still be put back.
    std::unique_ptr<AppTheme> mTheme;
    std::unique_ptr<BrushFileSearch> mBrushFileQuery;
    // Where the desktop's notices of unmounts are heard: the main thread may be a turn away.
    QThread* mUnmountNotices = nullptr;
    bool mBrushFileQueryStarted = false;
};
