#include "ui/window/SingleInstance.h"

#include "ui/window/BrushWindow.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>
#include <unistd.h>

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

QString SingleInstance::serverName()
{
    // Tests run beside a real session under a name of their own.
    const QString override = qEnvironmentVariable("KELBRIN_INSTANCE_NAME");
    return override.isEmpty() ? QStringLiteral("kelbrin-%1").arg(getuid()) : override;
}

void SingleInstance::openFile(const QString& path)
{
    if (!mWindow) {
        mFileToOpen = path;
        return;
    }
    mWindow->doOpenFile(path);
}

void SingleInstance::openFiles(const QStringList& paths)
{
    if (paths.size() == 1) {
        openFile(paths.first());
    } else if (paths.isEmpty() && mWindow) {
        // A second launch without a file: the user wants the window they already have.
        if (mWindow->isMinimized())
            mWindow->showNormal();
        mWindow->raise();
        mWindow->activateWindow();
    }
}

QString SingleInstance::pathFromArgument(const QString& argument)
{
    // File managers and desktop files (%u) hand over URIs; everything else is a path.
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        QUrl url(argument);
        const bool here = url.host().isEmpty() || url.host() == QLatin1String("localhost");
        url.setHost(QString());
        return url.isLocalFile() && here ? url.toLocalFile() : QString();
    }
    return argument;
}

void SingleInstance::setWindow(BrushWindow* window)
{
    mWindow = window;
    if (mWindow && !mFileToOpen.isEmpty()) {
        const QString path = mFileToOpen;
        mFileToOpen.clear();
        mWindow->doOpenFile(path);
    }
}

bool SingleInstance::handOverToRunningInstance(const QStringList& paths)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(500))
        return false;
    QStringList absolute;
    for (const QString& path : paths)
        absolute << QFileInfo(path).absoluteFilePath();
    QByteArray message;
    QDataStream stream(&message, QIODevice::WriteOnly);
    stream << absolute;
    socket.write(message);
    socket.flush();
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::stopListening()
{
    if (mServer)
        mServer->close();
}

bool SingleInstance::listen()
{
    // Someone answering on the name is a running instance. (Listening would not tell: with
    // access options Qt replaces an existing socket file instead of failing.)
    {
        QLocalSocket probe;
        probe.connectToServer(serverName());
        if (probe.waitForConnected(200))
            return false;
    }
    // Nobody answers: whatever socket file is left is from a run that crashed.
    QLocalServer::removeServer(serverName());
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!mServer->listen(serverName()))
        return false;
    connect(mServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = mServer->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                QStringList paths;
                QDataStream stream(socket->readAll());
                stream >> paths;
                if (stream.status() == QDataStream::Ok)
                    openFiles(paths);
            });
        }
    });
    return true;
}
