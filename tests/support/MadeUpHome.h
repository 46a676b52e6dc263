#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// A home folder made up for one test: HOME and the XDG base folders point into a temporary
// folder for the test's lifetime (WINEPREFIX is unset), so everything looked for "on this
// machine" is what the test put there.
class MadeUpHome
{
public:
    MadeUpHome();
    ~MadeUpHome();
    MadeUpHome(const MadeUpHome&) = delete;
    MadeUpHome& operator=(const MadeUpHome&) = delete;

    QString path(const QString& relative = QString()) const;
    // Makes the folder (and its parents) and returns its path.
    QString folder(const QString& relative) const;
    QString file(const QString& relative, const QByteArray& bytes) const;

    // Puts an Adobe executable with the given major version at
    // <prefix>/drive_c/<programFiles>/Adobe/<appFolder>/<exe> and returns the application's
    // folder. A major version of 0 writes an executable without a version resource.
    QString adobeApp(const QString& prefix, const QString& appFolder, const QString& exe, int major,
                     const QString& programFiles = QStringLiteral("Program Files")) const;
    // <prefix>/drive_c/users/<user>/AppData/Roaming/Adobe/<name>/ made; returned with "/".
    QString adobeSupportFolder(const QString& prefix, const QString& name) const;

private:
    QTemporaryDir mDir;
    std::vector<std::pair<QByteArray, QByteArray>> mSaved; // variable, value ("" = unset)
    std::vector<bool> mWasSet;
};
