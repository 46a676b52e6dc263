#include "platform/OpenFilesLimit.h"
#include "ui/BrushAppDelegate.h"
#include "ui/BrushWindow.h"
#include "ui/KelbrinApplication.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <cstdio>

namespace {
// `kelbrin --screenshot OUT.png FILE`: show FILE, wait until it has been read, grab the window.
int RunScreenshot(KelbrinApplication& app, BrushWindow& window, const QString& out,
                  const QString& file)
{
    if (!QFileInfo(file).isFile() || !QFileInfo(file).isReadable()) {
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
    if (window.lastReadFailed())
        std::fprintf(stderr, "kelbrin: the read of %s stopped with an error\n", qPrintable(file));
    return finished && saved && !window.lastReadFailed() ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    {
        QSettings settings(QStringLiteral("Kelbrin"), QStringLiteral("Kelbrin"));
        RaiseOpenFilesLimit(settings.value(QStringLiteral("maxOpenFolders"), 0).toInt());
    }
    Q_INIT_RESOURCE(kelbrin);
    KelbrinApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Browse the brushes in Photoshop brush files."));
    parser.addHelpOption();
    QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Open FILE, save a picture of the window to OUT and quit."),
        QStringLiteral("OUT"));
    parser.addOption(screenshot);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A brush file to show."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    if (parser.isSet(screenshot)) {
        if (files.size() != 1) {
            std::fprintf(stderr, "usage: kelbrin --screenshot OUT.png FILE\n");
            return 2;
        }
        BrushWindow window;
        return RunScreenshot(app, window, parser.value(screenshot), files.first());
    }

    BrushAppDelegate delegate;
    if (!files.isEmpty() && BrushAppDelegate::handOverToRunningInstance(files))
        return 0;
    delegate.listen();
    delegate.openFiles(files);

    BrushWindow window;
    window.show();
    app.windowCreated(&window);
    delegate.setWindow(&window);
    return app.exec();
}
