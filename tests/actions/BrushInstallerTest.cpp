#include "support/TestUtil.h"

#include "actions/BrushInstaller.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
using eResult = BrushInstaller::Outcome::eResult;

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

PhotoshopApp AppWithBrushesFolder(const QString& folder)
{
    return PhotoshopApp::paintingAppWithFolders(PhotoshopApp::Kind::Gimp, 2, folder,
                                                folder + "/brushes");
}
} // namespace

struct AlertCase
{
    int apps, failures, duplicates;
    const char* key;
};

class InstallAlertTest : public ::testing::TestWithParam<AlertCase>
{
};

TEST_P(InstallAlertTest, PicksTheKeyOfTheTable)
{
    const AlertCase& c = GetParam();
    EXPECT_EQ(BrushInstaller::alertKeyFor(c.apps, c.failures, c.duplicates).toStdString(), c.key);
}

INSTANTIATE_TEST_SUITE_P(BrushInstaller, InstallAlertTest,
                         ::testing::Values(AlertCase{1, 0, 0, ""}, AlertCase{3, 0, 0, ""},
                                           AlertCase{1, 1, 1, "bad install-one-duplicate"},
                                           AlertCase{1, 1, 0, "bad install-one-other"},
                                           AlertCase{3, 2, 2, "bad install-some-duplicate"},
                                           AlertCase{3, 3, 3, "bad install-all-duplicate"},
                                           AlertCase{3, 2, 1, "bad install-some-other"},
                                           AlertCase{3, 3, 2, "bad install-all-other"}));

// A name already taken is a duplicate and keeps its own bytes; the other application gets a
// byte-identical copy.
TEST(BrushInstaller, NeverOverwritesAndCopiesWhereTheNameIsFree)
{
    Sandbox sandbox;
    const QString source = sandbox.write("Soft.abr", QByteArray(300000, 'b'));
    QDir().mkpath(sandbox.path("a/brushes"));
    QDir().mkpath(sandbox.path("b/brushes"));
    sandbox.write("a/brushes/Soft.abr", "theirs");

    const PhotoshopAppList one = {AppWithBrushesFolder(sandbox.path("a"))};
    const BrushInstaller::Report lone = BrushInstaller::installItem(source, one);
    ASSERT_EQ(lone.outcomes.size(), 1u);
    EXPECT_EQ(lone.outcomes[0].result, eResult::Duplicate);
    EXPECT_EQ(lone.alertKey, "bad install-one-duplicate");
    EXPECT_EQ(lone.informativeKey, QString());
    EXPECT_EQ(Contents(sandbox.path("a/brushes/Soft.abr")), "theirs");

    const PhotoshopAppList two = {AppWithBrushesFolder(sandbox.path("a")),
                                  AppWithBrushesFolder(sandbox.path("b"))};
    const BrushInstaller::Report both = BrushInstaller::installItem(source, two);
    ASSERT_EQ(both.outcomes.size(), 2u);
    EXPECT_EQ(both.outcomes[1].result, eResult::Installed);
    EXPECT_EQ(both.outcomes[1].destination, sandbox.path("b/brushes/Soft.abr"));
    EXPECT_EQ(both.alertKey, "bad install-some-duplicate");
    EXPECT_EQ(Contents(sandbox.path("b/brushes/Soft.abr")), Contents(source));
    EXPECT_EQ(QDir(sandbox.path("b/brushes")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Soft.abr"});

    EXPECT_TRUE(BrushInstaller::installItem(QString(), two).outcomes.empty());
}

// An application whose presets folder does not exist fails the copy, says why, and leaves
// nothing behind.
TEST(BrushInstaller, MissingPresetsFolderIsAFailureWithAReason)
{
    Sandbox sandbox;
    const QString source = sandbox.write("Hard.abr", "8BIM");
    QDir().mkpath(sandbox.path("app"));
    const BrushInstaller::Report report =
        BrushInstaller::installItem(source, {AppWithBrushesFolder(sandbox.path("app"))});
    ASSERT_EQ(report.outcomes.size(), 1u);
    EXPECT_EQ(report.outcomes[0].result, eResult::Failed);
    EXPECT_FALSE(report.outcomes[0].reason.isEmpty());
    EXPECT_EQ(report.alertKey, "bad install-one-other");
    EXPECT_EQ(report.informativeKey, "brushes-check-permissions");
    EXPECT_EQ(
        QDir(sandbox.path("app")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
    EXPECT_EQ(Contents(source), "8BIM");
}
