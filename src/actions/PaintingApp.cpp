#include "actions/PaintingApp.h"

#include "platform/Logging.h"
#include "platform/NormalizePath.h"
#include "platform/PEVersionResource.h"
#include "platform/Paths.h"
#include "platform/WinePrefixes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <tuple>

namespace {
const QString kPhotoshopIdentifier = QStringLiteral("com.adobe.Photoshop");
const QString kElementsIdentifier = QStringLiteral("com.adobe.PhotoshopElements");
const QString kPhotoshopExecutable = QStringLiteral("Photoshop.exe");
const QString kElementsExecutable = QStringLiteral("PhotoshopElementsEditor.exe");

// Joining as path components: the sub-paths' own slashes do not double or trail.
QString JoinPath(const QString& folder, const QString& subPath)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + subPath);
}

bool IsFolder(const QString& path)
{
    return QFileInfo(path).isDir();
}

// GIMP keeps one configuration folder per minor series ("2.10", "3.0", "3.2"). The series that
// read brush files from "brushes" are 2.10 and every 3.x; older ones are left alone. Returned
// oldest first, with their major version.
std::vector<std::pair<QString, int>> GimpSeriesFolders(const QString& gimp)
{
    static const QRegularExpression kSeries(QStringLiteral("^(2)\\.(10)$|^(3)\\.(\\d{1,3})$"));
    std::vector<std::tuple<int, int, QString>> found;
    for (const QString& name : QDir(gimp).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = kSeries.match(name);
        if (!match.hasMatch())
            continue;
        const int major = (match.captured(1) + match.captured(3)).toInt();
        const int minor = (match.captured(2) + match.captured(4)).toInt();
        found.emplace_back(major, minor, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::pair<QString, int>> folders;
    for (const auto& [major, minor, name] : found)
        folders.emplace_back(gimp + QLatin1Char('/') + name, major);
    return folders;
}

// Krita keeps its resources where its settings say ("ResourceDirectory", among the entries
// before the first group of kritarc, which is where Krita's own setting writes it), else in
// its data folder. Only the folder Krita reads counts: an old one it was moved from is not
// Krita's any more.
QString KritaResourceFolder(const QString& kritarc, const QString& dataFolder)
{
    QFile config(kritarc);
    if (config.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!config.atEnd()) {
            const QString line = QString::fromUtf8(config.readLine()).trimmed();
            if (line.startsWith(QLatin1Char('[')))
                break;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals < 0 || line.left(equals).trimmed() != QLatin1String("ResourceDirectory"))
                continue;
            // KDE's settings files escape a backslash and leading or trailing white space.
            QString value = line.mid(equals + 1).trimmed();
            value.replace(QLatin1String("\\s"), QLatin1String(" "));
            value.replace(QLatin1String("\\\\"), QLatin1String("\\"));
            if (!value.isEmpty() && IsFolder(value))
                return QDir::cleanPath(value);
        }
    }
    return dataFolder;
}

void AppendGimpAndKrita(PaintingAppList* apps)
{
    const QString home = QDir::homePath();
    const QString gimpConfigs[] = {UserConfigFolder() + QStringLiteral("/GIMP"),
                                   home + QStringLiteral("/.var/app/org.gimp.GIMP/config/GIMP")};
    for (const QString& gimp : gimpConfigs)
        for (const auto& [config, major] : GimpSeriesFolders(gimp))
            apps->push_back(PaintingApp::paintingAppWithFolders(
                PaintingApp::Kind::Gimp, major, config, config + QStringLiteral("/brushes")));
    // The native package and the AppImage share the user's folders; the Flatpak has its own.
    const std::pair<QString, QString> kritas[] = {
        {UserConfigFolder() + QStringLiteral("/kritarc"),
         UserDataFolder() + QStringLiteral("/krita")},
        {home + QStringLiteral("/.var/app/org.kde.krita/config/kritarc"),
         home + QStringLiteral("/.var/app/org.kde.krita/data/krita")}};
    for (const auto& [kritarc, data] : kritas) {
        const QString resources = KritaResourceFolder(kritarc, data);
        if (IsFolder(resources))
            apps->push_back(PaintingApp::paintingAppWithFolders(
                PaintingApp::Kind::Krita, -1, resources, resources + QStringLiteral("/brushes")));
    }
}
} // namespace

const std::vector<QString>& PaintingApp::presetsSubPaths()
{
    static const std::vector<QString> paths = {
        QStringLiteral("/Vorgaben/Pinsel/"),
        QStringLiteral("/Paramètres prédéfinis/Formes/"),
        QStringLiteral("/Predefiniti/Pennelli/"),
        QStringLiteral("/Ajustes preestablecidos/Pinceles/"),
        QStringLiteral("/Predefinições/Pincéis/"),
        QStringLiteral("/Förinställningar/Penslar/"),
        QStringLiteral("/プリセット/ブラシ/"),
        QStringLiteral("/Presets/Brushes/"),
    };
    return paths;
}

PaintingApp PaintingApp::fromWineExecutable(const QString& exePath, const WineFolders& folders)
{
    PaintingApp app;
    app.initFromAppPath(exePath, folders);
    return app;
}

void PaintingApp::initFromAppPath(const QString& exePath, const WineFolders& folders)
{
    const QFileInfo exe(exePath);
    const bool elements = exe.fileName().compare(kElementsExecutable, Qt::CaseInsensitive) == 0;
    mKind = elements ? Kind::Elements : Kind::Photoshop;
    mIdentifier = elements ? kElementsIdentifier : kPhotoshopIdentifier;

    mAppFolder = exe.path();
    mAdditionalBrushesFolder.clear();
    mBrushesFolder = JoinPath(mAppFolder, presetsSubPaths().back());
    for (const QString& subPath : presetsSubPaths()) {
        const QString candidate = JoinPath(mAppFolder, subPath);
        if (IsFolder(candidate)) {
            mBrushesFolder = candidate;
            break;
        }
    }

    // A Windows program keeps its own name on the folder Adobe's installer makes for it
    // ("Adobe Photoshop CS6"); the executable's file name is the same for every version.
    const QString executableName = QFileInfo(mAppFolder).fileName();
    const std::optional<PEFileVersion> version = ReadPEFileVersionOfFile(exePath);
    if (!version)
        return;
    mMajorVersion = version->major;

    if (!folders.applicationsFolder.isEmpty() &&
        QDir::cleanPath(ParentPath(mAppFolder)) != QDir::cleanPath(folders.applicationsFolder) &&
        mIdentifier == kElementsIdentifier && mMajorVersion > 9)
        mAppFolder = ParentPath(mAppFolder);

    QString additional;
    if (folders.adobeAppSupportFolder.isEmpty())
        return;
    if (mIdentifier == kPhotoshopIdentifier && mMajorVersion > 9)
        additional = JoinPath(folders.adobeAppSupportFolder, executableName);
    else if (mIdentifier == kElementsIdentifier && mMajorVersion > 5)
        additional = JoinPath(folders.adobeAppSupportFolder,
                              QStringLiteral("%1 %2").arg(executableName).arg(mMajorVersion));
    if (!additional.isEmpty() && IsFolder(additional))
        mAdditionalBrushesFolder = normalizePathByAddingFinalSlash(additional);
}

PaintingApp PaintingApp::paintingAppWithFolders(Kind kind, int majorVersion,
                                                const QString& configFolder,
                                                const QString& brushesFolder)
{
    PaintingApp app;
    app.mKind = kind;
    app.mIdentifier =
        kind == Kind::Gimp ? QStringLiteral("org.gimp.GIMP") : QStringLiteral("org.kde.krita");
    app.mMajorVersion = majorVersion;
    app.mAppFolder = configFolder;
    app.mBrushesFolder = brushesFolder;
    return app;
}

QString PaintingApp::packsFolderPath() const
{
    switch (mKind) {
    case Kind::Gimp:
        return mBrushesFolder;
    case Kind::Krita:
        return mAppFolder;
    case Kind::Photoshop:
    case Kind::Elements:
        break;
    }
    return QString();
}

QString PaintingApp::kindName() const
{
    switch (mKind) {
    case Kind::Photoshop:
        return QStringLiteral("photoshop");
    case Kind::Elements:
        return QStringLiteral("elements");
    case Kind::Gimp:
        return QStringLiteral("gimp");
    case Kind::Krita:
        return QStringLiteral("krita");
    }
    return QString();
}

QString PaintingApp::displayName() const
{
    // Adobe's installer names the folder after the product; a folder named otherwise (a
    // version alone, say) still gets the product's name in front.
    const QString folderName = QFileInfo(mAppFolder).fileName();
    switch (mKind) {
    case Kind::Photoshop:
    case Kind::Elements: {
        QString name = folderName;
        if (mKind == Kind::Elements &&
            !name.contains(QStringLiteral("Elements"), Qt::CaseInsensitive))
            name.prepend(QStringLiteral("Elements "));
        if (!name.contains(QStringLiteral("Photoshop"), Qt::CaseInsensitive))
            name.prepend(QStringLiteral("Photoshop "));
        return name.trimmed();
    }
    case Kind::Gimp:
    case Kind::Krita:
        break;
    }
    // GIMP's configuration folder is named after its series ("2.10"); Krita has one.
    QString name =
        mKind == Kind::Gimp ? QStringLiteral("GIMP ") + folderName : QStringLiteral("Krita");
    if (mAppFolder.contains(QStringLiteral("/.var/app/")))
        name += QStringLiteral(" (Flatpak)");
    return name;
}

QString PaintingApp::installDirectoryPath() const
{
    return mAdditionalBrushesFolder.isEmpty() ? mAppFolder : mAdditionalBrushesFolder;
}

PaintingAppList FindInstalledPaintingApps()
{
    PaintingAppList apps;
    for (const QString& prefix : WinePrefixFolders()) {
        const QStringList applicationsFolders = WineAdobeApplicationsFolders(prefix);
        const QString support = WineAdobeAppSupportFolder(prefix);
        for (const QString& applications : applicationsFolders)
            for (const QString& folder : SubfolderNames(applications)) {
                const QString appFolder = applications + QLatin1Char('/') + folder;
                for (const QString& name : {kPhotoshopExecutable, kElementsExecutable}) {
                    const QString found = EntryNamedIgnoringCase(appFolder, name);
                    if (found.isEmpty())
                        continue;
                    const QString exe = appFolder + QLatin1Char('/') + found;
                    if (!QFileInfo(exe).isFile()) {
                        qCWarning(lcActions).noquote()
                            << "No application executable found at path" << exe;
                        continue;
                    }
                    apps.push_back(PaintingApp::fromWineExecutable(exe, {applications, support}));
                }
            }
    }
    AppendGimpAndKrita(&apps);

    PaintingAppList unique;
    QSet<QString> seen;
    for (PaintingApp& app : apps) {
        // Photoshop and Elements may share a folder; only a folder reached twice is one app.
        const QString folder = QFileInfo(app.appFolderPath()).canonicalFilePath();
        const QString identity = folder + QLatin1Char('\n') + app.kindName();
        if (!folder.isEmpty() && seen.contains(identity))
            continue;
        seen.insert(identity);
        unique.push_back(std::move(app));
    }
    // Common on a machine without Photoshop under Wine, GIMP or Krita: worth a note, not a warning.
    if (unique.empty())
        qCInfo(lcActions)
            << "No Photoshop, GIMP or Krita found: nothing to install brush files into";
    return unique;
}

QStringList ApplicationFolders(const PaintingAppList& apps)
{
    QStringList folders;
    for (const PaintingApp& app : apps) {
        for (const QString& folder : {app.appFolderPath(), app.brushesFolderPath(),
                                      app.additionalBrushesFolderPath(), app.packsFolderPath()})
            if (!folder.isEmpty() && !folders.contains(folder))
                folders << folder;
    }
    return folders;
}
