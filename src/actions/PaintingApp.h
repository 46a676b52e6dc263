#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One installed painting application that takes brush files, described by three folders: the
// application's folder, its brush presets folder and, for newer versions, a per-user additional
// brushes folder. Photoshop and Photoshop Elements run under Wine here; GIMP and Krita read
// brush files too and are described the same way, so every rule about installed applications
// (the outlines, installing) covers them without a case of its own.
class PaintingApp
{
public:
    enum class Kind
    {
        Photoshop,
        Elements,
        Gimp,
        Krita
    };

    // The two folders that a Windows program's installation is seen against, both looked up
    // once per Wine prefix: "Program Files*/Adobe" and the user's Roaming/Adobe. Either may
    // be empty when the lookup found nothing.
    struct WineFolders
    {
        QString applicationsFolder;
        QString adobeAppSupportFolder;
    };

    // Describes the Photoshop or Photoshop Elements whose executable is at exePath; Elements
    // when the executable's name is "PhotoshopElementsEditor.exe" (any case).
    static PaintingApp fromWineExecutable(const QString& exePath, const WineFolders& folders);
    // GIMP or Krita: its configuration folder and the brushes folder in it.
    static PaintingApp paintingAppWithFolders(Kind kind, int majorVersion,
                                              const QString& configFolder,
                                              const QString& brushesFolder);

    Kind kind() const { return mKind; }
    QString kindName() const; // "photoshop", "elements", "gimp", "krita"
    // The name people know it by, to tell one installation from another in messages:
    // "Adobe Photoshop CS6" (its folder's name), "GIMP 2.10", "Krita (Flatpak)".
    QString displayName() const;
    QString identifier() const { return mIdentifier; }
    // The major version, or -1 when the executable says none.
    int majorVersion() const { return mMajorVersion; }

    QString appFolderPath() const { return mAppFolder; }
    QString brushesFolderPath() const { return mBrushesFolder; }
    // Ends in "/"; empty when there is none.
    QString additionalBrushesFolderPath() const { return mAdditionalBrushesFolder; }
    // The additional brushes folder when there is one, else the application's folder.
    QString installDirectoryPath() const;
    // Where the brushes converted for GIMP and Krita go, a pack each: GIMP's brushes folder
    // (a folder per pack), Krita's resource folder, where Krita 5 takes bundles from itself.
    // Empty for the applications that take brush files as they are.
    QString packsFolderPath() const;

    // The brush presets sub-paths of Photoshop's languages, in the order they are tried; the
    // last one, English, is also the fallback.
    static const std::vector<QString>& presetsSubPaths();

private:
    PaintingApp() = default;
    void initFromAppPath(const QString& exePath, const WineFolders& folders);

    Kind mKind = Kind::Photoshop;
    QString mIdentifier;
    int mMajorVersion = -1;
    QString mAppFolder;
    QString mBrushesFolder;
    QString mAdditionalBrushesFolder;
};

using PaintingAppList = std::vector<PaintingApp>;

// Every installed application, in list order: the Photoshops and Elements of each Wine prefix
// (prefixes in WinePrefixFolders' order; within one, by folder name), then GIMP 2.10 and every
// 3.x series, oldest first (native, then Flatpak), then Krita with the resource folder its
// settings name (native and AppImage, then Flatpak). The same application folder reached twice
// is listed once.
PaintingAppList FindInstalledPaintingApps();

// Every folder of apps that holds something of theirs: application, brushes, additional
// brushes and packs folders, without empty ones. What lies in them that Kelbrin did not write
// is theirs (ForeignResourceReason).
QStringList ApplicationFolders(const PaintingAppList& apps);
