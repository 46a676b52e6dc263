#include "ui/common/FileManagerLauncher.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <memory>

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");
// xdg-open may wait for the file manager it starts; an exit after this long is the user
// closing that, not a failure to show anything.
constexpr qint64 kXdgOpenVerdictMs = 10000;

std::function<void(const QString&, const QString&)> gTestHandler;
std::function<void(const QString&, const QString&)> gUnavailableReport;

bool CallFileManager(const QString& method, const QString& path)
{
    if (gUnavailableReport)
        return false;
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

void TellNothingShowed(const QString& message, const QString& folder)
{
    const QString informative =
        QApplication::translate("FileManagerLauncher",
                                "Neither the desktop's file manager nor xdg-open answered. "
                                "The folder is:") +
        QLatin1Char('\n') + QDir::toNativeSeparators(folder);
    if (gUnavailableReport) {
        gUnavailableReport(message, informative);
        return;
    }
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(), message,
                    QMessageBox::Close, parent);
    box.setInformativeText(informative);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The path is in the informative text, which the call above leaves as it was.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

// Runs xdg-open on folder; failed() runs when it cannot start or soon exits unsuccessfully.
void XdgOpen(const QString& folder, std::function<void()> failed)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty() || gUnavailableReport) {
        failed();
        return;
    }
    // Parented to nothing: deleting a QProcess kills what it runs, and the file manager that
    // xdg-open waits on must outlive the window.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, started, failed](int code, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || code != 0) &&
                             started->elapsed() < kXdgOpenVerdictMs)
                             failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         failed();
                         process->deleteLater();
                     });
    process->start(program, {folder});
}
} // namespace

void OpenFolderInFileManager(const QString& folder)
{
    if (CallFileManager(QStringLiteral("ShowFolders"), folder))
        return;
    XdgOpen(folder, [folder] {
        TellNothingShowed(QApplication::translate("FileManagerLauncher",
                                                  "No file manager could open the folder “%1”.")
                              .arg(QFileInfo(folder).fileName()),
                          folder);
    });
}

void RevealInFileManager(const QString& path)
{
    if (CallFileManager(QStringLiteral("ShowItems"), path))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    XdgOpen(folder, [path, folder] {
        TellNothingShowed(
            QApplication::translate("FileManagerLauncher", "No file manager could show “%1”.")
                .arg(QFileInfo(path).fileName()),
            folder);
    });
}

void SetFileManagerHandlerForTesting(std::function<void(const QString&, const QString&)> handler)
{
    gTestHandler = std::move(handler);
}

void SetFileManagerUnavailableForTesting(
    std::function<void(const QString& message, const QString& informative)> report)
{
    gUnavailableReport = std::move(report);
}
