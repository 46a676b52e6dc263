#include "TestUtil.h"


#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>

Sandbox::Sandbox()
{
    mDir.setAutoRemove(true);
}

QString Sandbox::path(const QString& name) const
{
    return mDir.filePath(name);
}

QString Sandbox::write(const QString& name, const QByteArray& bytes) const
{
    const QString p = path(name);
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(p));
    return p;
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::usleep(200);
    }
    return true;
}

void DrainPostedEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

QString TestDataPath(const QString& name)
{
    return QStringLiteral(KELBRIN_TEST_DATA "/") + name;
}
