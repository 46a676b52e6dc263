#include "support/MadeUpHome.h"

#include "support/PEImageWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char* const kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "WINEPREFIX"};
}

MadeUpHome::MadeUpHome()
{
    for (const char* variable : kVariables) {
        mWasSet.push_back(qEnvironmentVariableIsSet(variable));
        mSaved.emplace_back(variable, qgetenv(variable));
    }
    qputenv("HOME", mDir.path().toUtf8());
    qputenv("XDG_DATA_HOME", (mDir.path() + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (mDir.path() + "/.config").toUtf8());
    qunsetenv("WINEPREFIX");
}

MadeUpHome::~MadeUpHome()
{
    for (size_t i = 0; i < mSaved.size(); ++i) {
        if (mWasSet[i])
            qputenv(mSaved[i].first.constData(), mSaved[i].second);
        else
            qunsetenv(mSaved[i].first.constData());
    }
}

QString MadeUpHome::path(const QString& relative) const
{
    return relative.isEmpty() ? mDir.path() : mDir.path() + QLatin1Char('/') + relative;
}

QString MadeUpHome::folder(const QString& relative) const
{
    const QString p = path(relative);
    if (!QDir().mkpath(p))
        qFatal("cannot make %s", qPrintable(p));
    return p;
}

QString MadeUpHome::file(const QString& relative, const QByteArray& bytes) const
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(p));
    return p;
}

QString MadeUpHome::adobeApp(const QString& prefix, const QString& appFolder, const QString& exe,
                             int major, const QString& programFiles) const
{
    const QString folderPath = folder(prefix + QStringLiteral("/drive_c/") + programFiles +
                                      QStringLiteral("/Adobe/") + appFolder);
    file(folderPath.mid(path().size() + 1) + QLatin1Char('/') + exe,
         PEImage::Executable(uint16_t(major), 0, major != 0));
    return folderPath;
}

QString MadeUpHome::adobeSupportFolder(const QString& prefix, const QString& name) const
{
    return folder(prefix + QStringLiteral("/drive_c/users/painter/AppData/Roaming/Adobe/") + name) +
           QLatin1Char('/');
}
