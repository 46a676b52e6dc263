#include "ui/FileManagerLauncher.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");

std::function<void(const QString&, const QString&)> gTestHandler;

bool CallFileManager(const QString& method, const QString& path)
{
    if (gTestHandler) {
        gTestHandler(method, path);
        return true;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    // The service may be activatable rather than running; ask the bus either way.
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, QStringLiteral("/org/freedesktop/FileManager1"), kService, method);
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}
} // namespace

void OpenFolderInFileManager(const QString& folder)
{
    if (!CallFileManager(QStringLiteral("ShowFolders"), folder))
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void RevealInFileManager(const QString& path)
{
    if (!CallFileManager(QStringLiteral("ShowItems"), path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

void SetFileManagerHandlerForTesting(std::function<void(const QString&, const QString&)> handler)
{
    gTestHandler = std::move(handler);
}
