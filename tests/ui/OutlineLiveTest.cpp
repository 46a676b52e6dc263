#include "discovery/BrushFileMatcher.h"
#include "discovery/BrushFileSearch.h"
#include "hierarchy/HierarchyOutline.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineDump.h"
#include "ui/outline/OutlineModels.h"

#include "support/AbrWriter.h"
#include "support/MadeUpHome.h"
#include "support/TestUtil.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QByteArray OneBrush()
{
    AbrWriter w;
    w.u16(1).u16(1).computedRecord(false, {}, 12, 100, 0, 50);
    return w.data();
}

// The window program's outlines as text, for a made-up home: the one outside checks read.
TEST(OutlineDump, AllAndInstalledOutlinesOfAMadeUpHome)
{
    MadeUpHome home;
    const QByteArray brush = OneBrush();
    const QStringList visible = {home.file(QStringLiteral("Documents/a.abr"), brush),
                                 home.file(QStringLiteral("Downloads/b.abr"), brush),
                                 home.file(QStringLiteral("Pictures/one/two/three/c.abr"), brush)};
    home.file(QStringLiteral(".hidden/d.abr"), brush);
    const QString app =
        home.adobeApp(QStringLiteral(".wine"), QStringLiteral("Adobe Photoshop CS6"),
                      QStringLiteral("Photoshop.exe"), 13);
    home.file(app.mid(home.path().size() + 1) + QStringLiteral("/Presets/Brushes/p1.abr"), brush);
    home.file(app.mid(home.path().size() + 1) + QStringLiteral("/Presets/Brushes/p2.abr"), brush);
    const QString extra =
        home.adobeSupportFolder(QStringLiteral(".wine"), QStringLiteral("Adobe Photoshop CS6"));
    home.file(extra.mid(home.path().size() + 1) + QStringLiteral("extra.abr"), brush);

    const QString bin = qEnvironmentVariable("KELBRIN_TEST_BINARY_DIR");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KELBRIN_VOLUMES_FOLDER"),
                       home.folder(QStringLiteral("media")));
    // It shows no window, so it runs where there is no display at all.
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(variable));
    QProcess kelbrin;
    kelbrin.setProcessEnvironment(environment);
    kelbrin.start(bin + QStringLiteral("/src/app/kelbrin"), {QStringLiteral("--dump-outlines")});
    ASSERT_TRUE(kelbrin.waitForFinished(60000));
    EXPECT_EQ(kelbrin.exitCode(), 0) << kelbrin.readAllStandardError().toStdString();
    const QString dump = QString::fromUtf8(kelbrin.readAllStandardOutput());

    QProcess tree;
    tree.start(bin + QStringLiteral("/src/kelbrin-cli"),
               QStringList{QStringLiteral("tree"), QStringLiteral("--depth-first"),
                           QStringLiteral("--limited"), home.path()} +
                   visible);
    ASSERT_TRUE(tree.waitForFinished(60000));
    const QString expected = QStringLiteral("[all]\n") +
                             QString::fromUtf8(tree.readAllStandardOutput()) +
                             QStringLiteral("[installed]\n"
                                            "Adobe Photoshop CS6/ (2)\n"
                                            "  p1.abr\n"
                                            "  p2.abr\n"
                                            "Adobe Photoshop CS6 — Local Brushes/ (1)\n"
                                            "  extra.abr\n");
    EXPECT_EQ(dump.toStdString(), expected.toStdString());
}

// The real search over a folder feeds an outline while files and folders come, go, move and
// are renamed: the rows follow, the selection stays on the moved file, and the model tester
// (fatal) accepts every signal on the way.
TEST(OutlineLive, RowsFollowTheDiskAndTheSelectionFollowsItsFile)
{
    Sandbox box;
    const QString root = box.path(QString());
    QDir().mkpath(root + QStringLiteral("/set/inner"));
    box.write(QStringLiteral("set/first.abr"), OneBrush());

    FoundFileOutlineModel source({}, root);
    QAbstractItemModelTester tester(&source, QAbstractItemModelTester::FailureReportingMode::Fatal);
    FileOutlineView view;
    view.setOutlineModel(&source);
    std::unique_ptr<BrushFileSearch> search =
        BrushFileSearch::create(BrushFileMatcher::brushFilesBySuffix(), {root});
    ASSERT_TRUE(search);
    source.follow(search.get());
    ASSERT_TRUE(search->run());
    ASSERT_TRUE(WaitUntil([&] { return source.firstPhaseFinished(); }));
    const auto rowsAre = [&](QStringList rows) {
        const bool same = WaitUntil([&] { return OutlineDumpRows(source) == rows; }, 5000);
        if (!same)
            ADD_FAILURE() << OutlineDumpRows(source).join('|').toStdString();
        return same;
    };
    ASSERT_TRUE(rowsAre({QStringLiteral("set/ (1)"), QStringLiteral("  first.abr")}));

    box.write(QStringLiteral("set/inner/second.abr"), OneBrush());
    ASSERT_TRUE(rowsAre({QStringLiteral("set/ (2)"), QStringLiteral("  first.abr"),
                         QStringLiteral("  inner/ (1)"), QStringLiteral("    second.abr")}));

    const QString second = root + QStringLiteral("/set/inner/second.abr");
    ASSERT_TRUE(view.selectFileByPath(second));
    const QString moved = root + QStringLiteral("/set/second.abr");
    ASSERT_TRUE(QFile::rename(second, moved));
    ASSERT_TRUE(rowsAre({QStringLiteral("set/ (2)"), QStringLiteral("  first.abr"),
                         QStringLiteral("  second.abr")}));
    EXPECT_EQ(view.getPathOfSelectedItem(), moved);

    ASSERT_TRUE(QDir().rename(root + QStringLiteral("/set"), root + QStringLiteral("/renamed")));
    ASSERT_TRUE(rowsAre({QStringLiteral("renamed/ (2)"), QStringLiteral("  first.abr"),
                         QStringLiteral("  second.abr")}));

    ASSERT_TRUE(QFile::remove(root + QStringLiteral("/renamed/first.abr")));
    ASSERT_TRUE(rowsAre({QStringLiteral("renamed/ (1)"), QStringLiteral("  second.abr")}));
}

} // namespace
