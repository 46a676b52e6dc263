#include "platform/WinePrefixes.h"

#include "platform/LoginName.h"

#include "support/MadeUpHome.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
// The made-up home's paths relative to it, to compare short strings.
QStringList Relative(const MadeUpHome& home, const QStringList& paths)
{
    QStringList relative;
    for (const QString& path : paths)
        relative << (path.startsWith(home.path()) ? path.mid(home.path().size() + 1) : path);
    return relative;
}

struct SavedUser
{
    QByteArray value = qgetenv("USER");
    ~SavedUser() { qputenv("USER", value); }
};
} // namespace

TEST(WinePrefixes, EveryToolsPrefixesOnceInTheirOrder)
{
    MadeUpHome home;
    const QString flatpak =
        QStringLiteral(".var/app/com.usebottles.bottles/data/bottles/bottles/F");
    const QString tools = ".local/share/wineprefixes/a .local/share/wineprefixes/b "
                          ".local/share/bottles/bottles/Art " +
                          flatpak + " Games/lutris-ps .PlayOnLinux/wineprefix/Photoshop";
    for (const QString& prefix : (tools + " custom .wine elsewhere/wineprefixes/moved").split(' '))
        home.folder(prefix + QStringLiteral("/drive_c"));
    home.folder(".local/share/wineprefixes/no-drive/dosdevices");
    home.file("Games/not-a-prefix/drive_c", "a file");
    // Tools link prefixes into each other's folders; a prefix reached twice is one.
    QFile::link(home.path(".wine"), home.path(".local/share/wineprefixes/wine-link"));

    const struct
    {
        QString winePrefix; // "" = unset
        QString dataHome;
        QString expected;
    } cases[] = {
        {home.path("custom"), home.path(".local/share"), "custom .wine " + tools},
        {home.path(".wine/"), home.path(".local/share"), ".wine " + tools},
        {"custom", home.path(".local/share"), ".wine " + tools}, // relative: ignored
        {"", ".local/share", ".wine " + tools},                  // relative: the default
        {"", home.path("elsewhere"),
         ".wine elsewhere/wineprefixes/moved " + flatpak +
             " Games/lutris-ps .PlayOnLinux/wineprefix/Photoshop"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.winePrefix.toStdString() + " " + c.dataHome.toStdString());
        if (c.winePrefix.isEmpty())
            qunsetenv("WINEPREFIX");
        else
            qputenv("WINEPREFIX", c.winePrefix.toUtf8());
        qputenv("XDG_DATA_HOME", c.dataHome.toUtf8());
        EXPECT_EQ(Relative(home, WinePrefixFolders()).join(' '), c.expected);
    }
}

// Windows ignores case in names, and installers of different ages spell the folders
// differently.
TEST(WinePrefixes, AdobeFoldersUnderEveryProgramFilesFolder)
{
    MadeUpHome home;
    home.folder("p/drive_c/Program Files/Adobe/Adobe Photoshop 2021");
    home.folder("p/drive_c/Program Files/adobe");
    home.folder("p/drive_c/Program Files (x86)/ADOBE");
    home.folder("p/drive_c/Program Files/Common Files/Adobe");
    home.file("p/drive_c/program files (arm)/Adobe", "a file");
    home.folder("p/drive_c/windows/Adobe");
    EXPECT_EQ(
        Relative(home, WineAdobeApplicationsFolders(home.path("p"))),
        (QStringList{"p/drive_c/Program Files/Adobe", "p/drive_c/Program Files (x86)/ADOBE"}));
}

// The user folder is the account's, whatever $USER says or whether it is set at all.
TEST(WinePrefixes, TheAdobeSupportFolderOfThePrefixsUser)
{
    MadeUpHome home;
    SavedUser user;
    const QString me = LoginName();
    ASSERT_FALSE(me.isEmpty());
    const struct
    {
        const char* what;
        QStringList userFolders;
        const char* userVariable; // nullptr: unset
        QString expected;
    } cases[] = {
        {"one user", {"Public", "painter/AppData"}, "me", "painter/AppData/Roaming/Adobe"},
        {"the login among several, $USER unset",
         {"al/AppData", me + "/AppData"},
         nullptr,
         me + "/AppData/Roaming/Adobe"},
        {"the login, not $USER",
         {"al/AppData", me + "/AppData"},
         "al",
         me + "/AppData/Roaming/Adobe"},
        {"the first of several", {"al/AppData", "bo/AppData"}, "bo", "al/AppData/Roaming/Adobe"},
        {"old Wine", {"Public", "old/Application Data"}, "me", "old/Application Data/Adobe"},
        {"not made yet", {"painter"}, "me", "painter/AppData/Roaming/Adobe"},
        {"only Public", {"Public"}, "me", ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString prefix = QStringLiteral("prefix%1").arg(++n);
        home.folder(prefix + QStringLiteral("/drive_c/windows"));
        for (const QString& folder : c.userFolders)
            home.folder(prefix + QStringLiteral("/drive_c/users/") + folder);
        if (c.userVariable)
            qputenv("USER", c.userVariable);
        else
            qunsetenv("USER");
        const QString found = WineAdobeAppSupportFolder(home.path(prefix));
        EXPECT_EQ(found, c.expected.isEmpty()
                             ? QString()
                             : home.path(prefix + QStringLiteral("/drive_c/users/") + c.expected));
    }
}
