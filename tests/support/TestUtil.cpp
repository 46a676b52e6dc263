#include "TestUtil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QThread>
#include <algorithm>
#include <cctype>

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

std::vector<std::string> ReadCaseNames(const QString& withKey)
{
    std::vector<std::string> names;
    for (const QString& file : QDir(TestDataPath({})).entryList({"*.abr"}, QDir::Files))
        if (withKey.isEmpty() || ExpectedOutcome(file.chopped(4)).contains(withKey))
            names.push_back(file.chopped(4).toStdString());
    return names;
}

std::string ReadCaseTestName(std::string name)
{
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

QJsonObject ExpectedOutcome(const QString& name)
{
    QFile file(TestDataPath(name + QStringLiteral(".json")));
    return QJsonDocument::fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : "").object();
}

bool WritingExpected()
{
    return QCoreApplication::arguments().contains(QStringLiteral("--write-expected"));
}
