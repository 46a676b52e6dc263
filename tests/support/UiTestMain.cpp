#include "platform/Translations.h"
#include "thread/BackgroundWork.h"
#include "ui/window/KelbrinApplication.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Window tests run offscreen under the window program's own application object.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    // Settings written by the window go to a throw-away place, not the user's own.
    QStandardPaths::setTestModeEnabled(true);
    // Left there by an earlier run of a tool in test mode (a dark theme, say): every run starts
    // from none, before the application reads them.
    QSettings(QStringLiteral("Kelbrin"), QStringLiteral("Kelbrin")).clear();
    // So is the brush library a window makes ready: the user's own is never touched.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    Q_INIT_RESOURCE(kelbrin);
    KelbrinApplication app(argc, argv);
    // English whatever the desktop's language, with its plural forms; but the translated
    // window's test runs this program again to see it in the language it sets.
    InstallTranslations(qEnvironmentVariableIsSet("KELBRIN_TEST_PRINT_TRANSLATED_MENUS")
                            ? QProcessEnvironment::systemEnvironment()
                            : QProcessEnvironment());
    const int status = RUN_ALL_TESTS();
    EndBackgroundWork();
    return status;
}
