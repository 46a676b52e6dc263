#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class BrushWindow;
class QLocalServer;

// Files handed to the program: on its command line, or by a second launch, which passes its
// file to the running window over a local socket and quits.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    // Before the window exists the path waits and is opened when the window is set.
    void openFile(const QString& path);
    // Only a single path is opened; two or more are ignored; none brings the window forward.
    void openFiles(const QStringList& paths);
    // A command-line argument as a path: "file://" URIs become their local path, anything
    // else stays as it is. Empty for a URI of another machine or scheme.
    static QString pathFromArgument(const QString& argument);
    void setWindow(BrushWindow* window);
    QString pendingFile() const { return mFileToOpen; }

    // Hands the paths to an instance already running. True when one took them.
    static bool handOverToRunningInstance(const QStringList& paths);
    // Listens for later launches. False when another instance listens already.
    bool listen();
    // Stops listening and takes the socket file away, as the destructor would.
    void stopListening();

    static QString serverName();

private:
    QPointer<BrushWindow> mWindow;
    QString mFileToOpen;
    QLocalServer* mServer = nullptr;
};
