#include "brush/BrushFile.h"
#include "discovery/BrushFileSearch.h"
#include "platform/BackgroundPriority.h"
#include "platform/OpenFilesLimit.h"
#include "platform/Translations.h"
#include "thread/BackgroundWork.h"
#include "ui/grid/BrushFileView.h"
#include "ui/library/LibraryController.h"
#include "ui/outline/OutlineDump.h"
#include "ui/outline/OutlineModels.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/KelbrinApplication.h"
#include "ui/window/OutlineSetup.h"
#include "ui/window/SingleInstance.h"

#include <QClipboard>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
int gSignalPipe[2] = {-1, -1};

void OnTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
}

// SIGTERM (a logout, `kill`) and SIGINT quit the way File ▸ Quit does, so that the window's
// settings are kept and background work is stopped rather than cut off. The handler only
// writes a byte; the event loop does the rest.
void QuitOnTerminationSignals(QApplication& app)
{
    if (::pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        char bytes[16];
        while (::read(gSignalPipe[0], bytes, sizeof bytes) > 0) {
        }
        notifier->setEnabled(false);
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

// Whether the window program may end without freeing what it holds (see main). Not when it
// owns the clipboard: Qt's own teardown hands a copied brush to the desktop's clipboard
// manager, so that it can still be pasted after quitting. Nor in sanitizer builds, whose
// checks run at a normal exit.
bool LeavesAtOnce()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return false;
#endif
#endif
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return !clipboard->ownsClipboard() && !clipboard->ownsSelection();
}

void DescribeOptions(QCommandLineParser& parser, QCommandLineOption& screenshot,
                     QCommandLineOption& dumpOutlines, QCommandLineOption& full)
{
    parser.setApplicationDescription(
        Translated("kelbrin", "Browse the brushes in Photoshop brush files."));
    parser.addHelpOption();
    parser.addVersionOption();
    screenshot.setDescription(
        Translated("kelbrin", "Open FILE, save a picture of the window to OUT and quit."));
    parser.addOption(screenshot);
    dumpOutlines.setDescription(Translated(
        "kelbrin",
        "Without showing a window, wait until the search for brush files has done its first "
        "pass, print both outlines with every folder open, and quit."));
    parser.addOption(dumpOutlines);
    full.setDescription(
        Translated("kelbrin", "With --dump-outlines: print every folder (Show All Folders)."));
    parser.addOption(full);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        Translated("kelbrin", "A brush file to show (a path or a file:// URI)."),
        QStringLiteral("[file]"));
}

// `kelbrin --screenshot OUT.png FILE`: show FILE, wait until it has been read, grab the window.
int RunScreenshot(KelbrinApplication& app, BrushWindow& window, const QString& out,
                  const QString& file)
{
    // A folder is taken for a GIMP pack, read as its brushes.
    const QFileInfo info(file);
    if (!(info.isFile() || info.isDir()) || !info.isReadable()) {
        std::fprintf(stderr, "kelbrin: cannot read %s\n", qPrintable(file));
        return 1;
    }
    bool finished = false;
    QObject::connect(&window, &BrushWindow::fileReadingFinished, &app, [&] {
        finished = true;
        // Let the last thumbnails paint before the grab.
        QTimer::singleShot(150, &app, [&] { app.quit(); });
    });
    QTimer::singleShot(30000, &app, [&] { app.quit(); });
    window.show();
    window.doOpenFile(file);
    app.exec();
    const bool saved = window.grab().save(out, "PNG");
    if (!saved)
        std::fprintf(stderr, "kelbrin: cannot write %s\n", qPrintable(out));
    // A file of a version Kelbrin does not read ends its read without an error but with no
    // brush: a picture of an empty window is no proof that the file was read.
    const BrushFilePtr& shown = window.fileView()->getBrushFile();
    const bool empty = !shown || shown->count() == 0;
    if (window.lastReadFailed())
        std::fprintf(stderr, "kelbrin: the read of %s stopped with an error\n", qPrintable(file));
    else if (finished && empty)
        std::fprintf(stderr, "kelbrin: no brush could be read from %s\n", qPrintable(file));
    return finished && saved && !window.lastReadFailed() && !empty ? 0 : 1;
}
// `kelbrin --dump-outlines [--full]`: the outlines as text, once the search's first phase and
// the installed outline's own search are over.
int RunDumpOutlines(KelbrinApplication& app, bool full)
{
    BrushWindow window;
    BrushFileSearch* search = app.getBrushFileQuery();
    if (!search) {
        std::fprintf(stderr, "kelbrin: the search for brush files could not start\n");
        return 1;
    }
    AttachOutlines(window, *search, app.getPaintingApps(), KelbrinApplication::searchedFolders());
    auto* found = static_cast<FoundFileOutlineModel*>(window.fileOutlineModel());
    auto* installed = static_cast<InstalledFileOutlineModel*>(window.installedFileOutlineModel());
    int installedPhases = 0;
    QObject::connect(installed, &OutlineModel::firstPhaseDidFinish, &app,
                     [&] { ++installedPhases; });
    const auto done = [&] {
        return found->firstPhaseFinished() &&
               installedPhases >= 1 + installed->supplementalSearchCount();
    };
    while (!done())
        app.processEvents(QEventLoop::WaitForMoreEvents);
    QTextStream out(stdout);
    for (auto [title, source] :
         {std::pair<const char*, OutlineModel*>{"[all]", found}, {"[installed]", installed}}) {
        source->setShowingFullHierarchy(full);
        out << title << '\n';
        for (const QString& row : OutlineDumpRows(*source))
            out << row << '\n';
    }
    return 0;
}

// The window program proper: one window, the only one on this desktop session.
int RunWindow(KelbrinApplication& app, const QStringList& files)
{
    // From before anyone can learn of this instance: a signal that comes early is taken up
    // once the loop runs.
    QuitOnTerminationSignals(app);
    SingleInstance instance;
    // A running window takes the file, or without one comes to the front; either way this
    // launch has nothing more to do.
    if (SingleInstance::handOverToRunningInstance(files))
        return 0;
    instance.listen();
    instance.openFiles(files);

    BrushWindow window;
    if (BrushFileSearch* search = app.getBrushFileQuery()) {
        AttachOutlines(window, *search, app.getPaintingApps(),
                       KelbrinApplication::searchedFolders());
        // Before the loop turns: the search's first reports are already on their way.
        window.libraryController()->followSearch(search);
        // Until the first phase's end is reported; the application object knows no window.
        if (search->isInInitialSearch())
            window.setProgressIndicator(true);
        app.followDesktopUnmounts();
    }
    window.show();
    window.startLibraryOnceShown();
    instance.setWindow(&window);
    PreferPromptWakeUps();
    const int status = app.exec();
    if (!LeavesAtOnce())
        return status;
    // Quitting is prompt. Whatever quitting has to do is done by now: the window saved its
    // settings and cancelled its read as it closed, exports and installs run to their end
    // before the loop turns again, and the search threads only read. What is left is giving
    // back the outlines and the search's index of the home folder: hundreds of thousands of
    // small blocks that took over a second to free one by one, which the system takes back
    // at once.
    instance.stopListening();
    std::fflush(nullptr);
    ::_exit(status);
}
} // namespace

int main(int argc, char** argv)
{
    {
        QSettings settings(QStringLiteral("Kelbrin"), QStringLiteral("Kelbrin"));
        RaiseOpenFilesLimit(settings.value(QStringLiteral("maxOpenFolders"), 0).toInt());
    }
    // Help and version are text only: they must work without a display.
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--version" || argument == "-v" || argument == "--help" ||
            argument == "-h" || argument == "--help-all") {
            QCoreApplication text(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("kelbrin"));
            QCoreApplication::setApplicationVersion(QStringLiteral(KELBRIN_VERSION));
            QCommandLineParser parser;
            QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(),
                                          QStringLiteral("OUT"));
            QCommandLineOption dumpOutlines(QStringLiteral("dump-outlines"));
            QCommandLineOption full(QStringLiteral("full"));
            DescribeOptions(parser, screenshot, dumpOutlines, full);
            parser.process(text); // prints and exits
            return 0;
        }
    }
    // The outlines' dump shows no window, so it must not need a display either: without one Qt
    // would give up before the options are even read. A platform the user chose still wins.
    const bool dumpingOutlines = std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--dump-outlines") == 0;
    });
    if (dumpingOutlines && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(kelbrin);
    KelbrinApplication app(argc, argv);
    InstallTranslations();
    const BackgroundWorkEnder endsBackgroundWork;
    if (!dumpingOutlines)
        app.followDesktopColorScheme();

    QCommandLineParser parser;
    QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Open FILE, save a picture of the window to OUT and quit."),
        QStringLiteral("OUT"));
    QCommandLineOption dumpOutlines(QStringLiteral("dump-outlines"));
    QCommandLineOption full(QStringLiteral("full"));
    DescribeOptions(parser, screenshot, dumpOutlines, full);
    parser.process(app);
    if (parser.isSet(dumpOutlines))
        return RunDumpOutlines(app, parser.isSet(full));
    QStringList files;
    for (const QString& argument : parser.positionalArguments()) {
        const QString path = SingleInstance::pathFromArgument(argument);
        if (path.isEmpty()) {
            std::fprintf(stderr, "kelbrin: not a local file: %s\n", qPrintable(argument));
            return 2;
        }
        files << path;
    }

    if (parser.isSet(screenshot)) {
        if (files.size() != 1) {
            std::fprintf(stderr, "usage: kelbrin --screenshot OUT.png FILE\n");
            return 2;
        }
        BrushWindow window;
        return RunScreenshot(app, window, parser.value(screenshot), files.first());
    }

    return RunWindow(app, files);
}
