#include "support/MadeUpHome.h"

#include "actions/PaintingApp.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
// One line per application: "kind version appFolder | brushesFolder | additionalFolder", with
// the home folder as "~", the brushes folder relative to the application's folder and
// ".../AppData/Roaming/Adobe" as "support".
QString DescribeAll(const PaintingAppList& apps, const MadeUpHome& home)
{
    QStringList lines;
    for (const PaintingApp& app : apps) {
        QString additional = app.additionalBrushesFolderPath();
        additional.replace(QRegularExpression(".*/AppData/Roaming/Adobe"), "support");
        lines << QStringLiteral("%1 %2 %3 | %4 | %5")
                     .arg(app.kindName())
                     .arg(app.majorVersion())
                     .arg(QString(app.appFolderPath()).replace(home.path(), "~"),
                          app.brushesFolderPath().mid(app.appFolderPath().size() + 1),
                          additional.isEmpty() ? "-" : additional);
    }
    return lines.join('\n');
}
} // namespace

// One made-up machine with every kind of installation: the list, its order and each
// application's three folders.
TEST(PaintingApp, FindsEveryInstalledApplicationInListOrder)
{
    MadeUpHome home;
    const QString wine = QStringLiteral(".wine");
    home.adobeApp(wine, "CS2", "Photoshop.exe", 9);
    home.adobeSupportFolder(wine, "CS2"); // too old to use it
    const QString cs6 = home.adobeApp(wine, "CS6", "Photoshop.exe", 13);
    home.folder(cs6.mid(home.path().size() + 1) + "/Vorgaben/Pinsel");
    home.folder(cs6.mid(home.path().size() + 1) + "/Presets/Brushes");
    home.adobeSupportFolder(wine, "CS6");
    home.adobeApp(wine, "CC 2015", "PHOTOSHOP.EXE", 16, "Program Files (x86)");
    // $WINEPREFIX naming ~/.wine again must not list it twice.
    qputenv("WINEPREFIX", home.path(wine).toUtf8());

    const QString bottle = QStringLiteral(".local/share/bottles/bottles/Elements");
    home.adobeApp(bottle, "Elements 9", "PhotoshopElementsEditor.exe", 9);
    home.adobeSupportFolder(bottle, "Elements 9 9");
    home.adobeApp(bottle, "Elements 11", "PhotoshopElementsEditor.exe", 11);
    home.folder(".local/share/bottles/bottles/Empty/drive_c");
    home.folder("Games/not-a-prefix");

    home.folder(".config/GIMP/2.10");
    home.folder(".config/GIMP/2.8"); // reads no .abr brushes from its folder
    home.folder(".config/GIMP/3.10");
    home.folder(".config/GIMP/3.2");
    home.folder(".config/GIMP/3.x-backup");
    home.folder(".var/app/org.gimp.GIMP/config/GIMP/3.0");
    home.folder(".var/app/org.gimp.GIMP/config/GIMP/3.2");
    // Krita was told to keep its resources elsewhere; the folder it left is not Krita's.
    home.folder(".local/share/krita");
    const QString moved = home.folder("Art/Krita resources");
    home.file(".config/kritarc", "ResourceDirectory=" + moved.toUtf8() +
                                     "\n\n[General]\nResourceDirectory=/nowhere\n");
    home.folder(".var/app/org.kde.krita/data/krita");

    const QString bottleApps = "~/" + bottle + "/drive_c/Program Files/Adobe/";
    EXPECT_EQ(
        DescribeAll(FindInstalledPaintingApps(), home).toStdString(),
        QStringList(
            {
                "photoshop 9 ~/.wine/drive_c/Program Files/Adobe/CS2 | Presets/Brushes | -",
                "photoshop 13 ~/.wine/drive_c/Program Files/Adobe/CS6 | Vorgaben/Pinsel | "
                "support/CS6/",
                "photoshop 16 ~/.wine/drive_c/Program Files (x86)/Adobe/CC 2015 | "
                "Presets/Brushes | -",
                "elements 11 " + bottleApps + "Elements 11 | Presets/Brushes | -",
                "elements 9 " + bottleApps + "Elements 9 | Presets/Brushes | support/Elements 9 9/",
                "gimp 2 ~/.config/GIMP/2.10 | brushes | -",
                "gimp 3 ~/.config/GIMP/3.2 | brushes | -",
                "gimp 3 ~/.config/GIMP/3.10 | brushes | -",
                "gimp 3 ~/.var/app/org.gimp.GIMP/config/GIMP/3.0 | brushes | -",
                "gimp 3 ~/.var/app/org.gimp.GIMP/config/GIMP/3.2 | brushes | -",
                "krita -1 ~/Art/Krita resources | brushes | -",
                "krita -1 ~/.var/app/org.kde.krita/data/krita | brushes | -",
            })
            .join('\n')
            .toStdString());
    QStringList names;
    for (const PaintingApp& app : FindInstalledPaintingApps())
        names << app.displayName();
    EXPECT_EQ(names.join(", ").toStdString(),
              "Photoshop CS2, Photoshop CS6, Photoshop CC 2015, Photoshop Elements 11, "
              "Photoshop Elements 9, GIMP 2.10, GIMP 3.2, GIMP 3.10, GIMP 3.0 (Flatpak), "
              "GIMP 3.2 (Flatpak), Krita, Krita (Flatpak)");
}

// Elements 10 and later installed outside the applications folder count from the folder above
// their own; without a version resource nothing that depends on the version applies.
TEST(PaintingApp, VersionRulesForElementsOutsideTheApplicationsFolderAndNoVersion)
{
    MadeUpHome home;
    const QString prefix = QStringLiteral("pfx");
    const QString applications = home.folder("pfx/drive_c/Program Files/Adobe");
    const QString support = home.path("pfx/drive_c/users/painter/AppData/Roaming/Adobe");
    const PaintingApp::WineFolders folders{applications, support};
    home.adobeSupportFolder(prefix, "Editor 11");
    home.adobeSupportFolder(prefix, "Editor 9");

    const auto elements = [&](int major) {
        const QString exe =
            QStringLiteral("Photoshop Elements %1/Editor/PhotoshopElementsEditor.exe").arg(major);
        home.adobeApp(prefix, exe.section('/', 0, 1), "PhotoshopElementsEditor.exe", major);
        return PaintingApp::fromWineExecutable(applications + "/" + exe, folders);
    };
    const PaintingApp eleven = elements(11);
    EXPECT_EQ(eleven.appFolderPath(), applications + "/Photoshop Elements 11");
    EXPECT_EQ(eleven.brushesFolderPath(),
              applications + "/Photoshop Elements 11/Editor/Presets/Brushes");
    EXPECT_EQ(eleven.additionalBrushesFolderPath(), support + "/Editor 11/");
    EXPECT_EQ(eleven.installDirectoryPath(), support + "/Editor 11/");
    const PaintingApp nine = elements(9);
    EXPECT_EQ(nine.appFolderPath(), applications + "/Photoshop Elements 9/Editor");
    EXPECT_EQ(nine.additionalBrushesFolderPath(), support + "/Editor 9/");

    home.adobeSupportFolder(prefix, "CS6");
    const QString cs6 = home.adobeApp(prefix, "CS6", "Photoshop.exe", 0);
    const PaintingApp unversioned =
        PaintingApp::fromWineExecutable(cs6 + "/Photoshop.exe", folders);
    EXPECT_EQ(unversioned.majorVersion(), -1);
    EXPECT_EQ(unversioned.additionalBrushesFolderPath(), QString());
    EXPECT_EQ(unversioned.installDirectoryPath(), cs6);
}
