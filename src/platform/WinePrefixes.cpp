#include "platform/WinePrefixes.h"

#include "platform/LoginName.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
QString EnvironmentFolder(const char* variable, const QString& fallback)
{
    // XDG base directories must be absolute; a relative value counts as unset.
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

QStringList PrefixesIn(const QString& folder)
{
    QStringList prefixes;
    for (const QString& name : SubfolderNames(folder))
        prefixes.append(folder + QLatin1Char('/') + name);
    return prefixes;
}
} // namespace

QString UserDataFolder()
{
    return EnvironmentFolder("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
}

QString UserConfigFolder()
{
    return EnvironmentFolder("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
}

QStringList SubfolderNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

QString EntryNamedIgnoringCase(const QString& folder, const QString& name)
{
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    if (entries.contains(name))
        return name;
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}

QStringList WinePrefixFolders()
{
    const QString home = QDir::homePath();
    QStringList candidates;
    const QString configured = qEnvironmentVariable("WINEPREFIX");
    if (QDir::isAbsolutePath(configured))
        candidates.append(QDir::cleanPath(configured));
    candidates.append(home + QStringLiteral("/.wine"));
    candidates += PrefixesIn(UserDataFolder() + QStringLiteral("/wineprefixes"));
    candidates += PrefixesIn(UserDataFolder() + QStringLiteral("/bottles/bottles"));
    candidates +=
        PrefixesIn(home + QStringLiteral("/.var/app/com.usebottles.bottles/data/bottles/bottles"));
    candidates += PrefixesIn(home + QStringLiteral("/Games"));
    candidates += PrefixesIn(home + QStringLiteral("/.PlayOnLinux/wineprefix"));

    // $WINEPREFIX is usually ~/.wine again, and links between the tools' folders are common.
    QStringList prefixes;
    QSet<QString> seen;
    for (const QString& candidate : candidates) {
        const QFileInfo driveC(candidate + QStringLiteral("/drive_c"));
        if (!driveC.isDir())
            continue;
        const QString identity = QFileInfo(candidate).canonicalFilePath();
        if (seen.contains(identity))
            continue;
        seen.insert(identity);
        prefixes.append(candidate);
    }
    return prefixes;
}

QStringList WineAdobeApplicationsFolders(const QString& prefix)
{
    const QString driveC = prefix + QStringLiteral("/drive_c");
    QStringList folders;
    for (const QString& name : SubfolderNames(driveC)) {
        if (!name.startsWith(QLatin1String("Program Files"), Qt::CaseInsensitive))
            continue;
        const QString programFiles = driveC + QLatin1Char('/') + name;
        const QString adobe = EntryNamedIgnoringCase(programFiles, QStringLiteral("Adobe"));
        if (!adobe.isEmpty() && QFileInfo(programFiles + QLatin1Char('/') + adobe).isDir())
            folders.append(programFiles + QLatin1Char('/') + adobe);
    }
    return folders;
}

QString WineAdobeAppSupportFolder(const QString& prefix)
{
    const QString users = prefix + QStringLiteral("/drive_c/users");
    QStringList candidates = SubfolderNames(users);
    candidates.removeAll(QStringLiteral("Public"));
    if (candidates.isEmpty())
        return QString();
    const QString login = LoginName();
    const QString user = candidates.contains(login) ? login : candidates.first();
    const QString userFolder = users + QLatin1Char('/') + user;
    if (!QFileInfo(userFolder + QStringLiteral("/AppData")).isDir() &&
        QFileInfo(userFolder + QStringLiteral("/Application Data")).isDir())
        return userFolder + QStringLiteral("/Application Data/Adobe");
    return userFolder + QStringLiteral("/AppData/Roaming/Adobe");
}
