#include "support/MadeUpHome.h"
#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <csignal>
#include <gtest/gtest.h>

// SIGTERM (a logout, `kill`) quits the window program as File ▸ Quit does, and its prompt exit
// still leaves behind what a quit must: the window's settings written, the socket later
// launches hand files over through taken away, and status 0.
TEST(WindowProgram, TerminationSignalQuitsAsTheMenuDoes)
{
    const QString bin = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR");
    if (!QFile::exists(bin + QStringLiteral("/src/app/kelbrin")))
        GTEST_SKIP() << "needs the built kelbrin";
    MadeUpHome home;
    const QString name =
        QStringLiteral("kelbrin-quit-test-%1").arg(QCoreApplication::applicationPid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.insert(QStringLiteral("KELBRIN_INSTANCE_NAME"), name);
    environment.insert(QStringLiteral("KELBRIN_VOLUMES_FOLDER"),
                       home.folder(QStringLiteral("media")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess kelbrin;
    kelbrin.setProcessEnvironment(environment);
    kelbrin.start(bin + QStringLiteral("/src/app/kelbrin"),
                  {TestDataPath(QStringLiteral("agpsd_simple.abr"))});
    ASSERT_TRUE(kelbrin.waitForStarted());
    // Up once it answers later launches.
    ASSERT_TRUE(WaitUntil([&] {
        QLocalSocket probe;
        probe.connectToServer(name);
        return probe.waitForConnected(100);
    }));

    ::kill(pid_t(kelbrin.processId()), SIGTERM);
    ASSERT_TRUE(kelbrin.waitForFinished(10000));
    EXPECT_EQ(kelbrin.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kelbrin.exitCode(), 0) << kelbrin.readAllStandardError().toStdString();
    const QSettings settings(home.path(QStringLiteral(".config/Kelbrin/Kelbrin.conf")),
                             QSettings::IniFormat);
    EXPECT_TRUE(settings.contains(QStringLiteral("windowGeometry")));
    EXPECT_FALSE(QFile::exists(QDir::tempPath() + QLatin1Char('/') + name));
}

// `kelbrin --screenshot OUT FILE` is how scripts check that the window shows a file: status 0
// only for a file read to its end. One of a version Kelbrin does not read ends its read
// without an error yet shows nothing, and an empty file shows nothing either.
struct ScreenshotCase
{
    const char* name;
    QByteArray bytes;
    int status;
    bool testFile = false; // agpsd_simple.abr rather than the bytes
};

class WindowScreenshot : public testing::TestWithParam<ScreenshotCase>
{
};

TEST_P(WindowScreenshot, ExitsWithOneUnlessTheFileWasReadToItsEnd)
{
    const QString bin = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR");
    if (!QFile::exists(bin + QStringLiteral("/src/app/kelbrin")))
        GTEST_SKIP() << "needs the built kelbrin";
    MadeUpHome home;
    const ScreenshotCase& c = GetParam();
    const QString file = c.testFile ? TestDataPath(QStringLiteral("agpsd_simple.abr"))
                                    : home.file(QString::fromLatin1(c.name), c.bytes);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess kelbrin;
    kelbrin.setProcessEnvironment(environment);
    kelbrin.start(bin + QStringLiteral("/src/app/kelbrin"),
                  {QStringLiteral("--screenshot"), home.path(QStringLiteral("shot.png")), file});
    ASSERT_TRUE(kelbrin.waitForFinished(20000));
    EXPECT_EQ(kelbrin.exitCode(), c.status) << kelbrin.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(home.path(QStringLiteral("shot.png"))));
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowScreenshot,
    testing::Values(ScreenshotCase{"good", QByteArray(), 0, true},
                    // Version 5, one brush announced: a version no reader here knows.
                    ScreenshotCase{"v5", QByteArray("\x00\x05\x00\x01", 4) + QByteArray(8, 0), 1},
                    ScreenshotCase{"empty", QByteArray(""), 1}),
    [](const testing::TestParamInfo<ScreenshotCase>& info) { return info.param.name; });
