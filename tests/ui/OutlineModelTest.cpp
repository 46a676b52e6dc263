#include "ui/outline/OutlineModel.h"
#include "hierarchy/HierarchyOutline.h"
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineDump.h"
#include "ui/outline/OutlineModels.h"
#include "ui/outline/OutlineRowDelegate.h"

#include "convert/KritaBundle.h"
#include "convert/PackMark.h"
#include "support/ForeignResources.h"

#include "hierarchy/HierarchyTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList ModelRows(const QAbstractItemModel& model)
{
    return OutlineDumpRows(model);
}

class OutlineModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mOutlineModel.getFileHierarchy().SetTopLevelSortingOrder(eTopLevelSortByDepthFirst);
        mView.setOutlineModel(&mOutlineModel);
    }

    QString add(const QString& relative)
    {
        const QString path = mDisk.file(relative);
        mOutlineModel.addItems({path}, {kPlainFile});
        return path;
    }

    DiskTree mDisk;
    OutlineModel mOutlineModel;
    QAbstractItemModelTester mTester{&mOutlineModel,
                                     QAbstractItemModelTester::FailureReportingMode::Fatal};
    FileOutlineView mView;
};

TEST_F(OutlineModelTest, AddingOneFileInsertsOnlyItsRow)
{
    add(QStringLiteral("a/x.abr"));
    add(QStringLiteral("a/y.abr"));
    mView.expandAll();
    QSignalSpy inserted(&mOutlineModel, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&mOutlineModel, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&mOutlineModel, &QAbstractItemModel::modelReset);
    QSignalSpy layout(&mOutlineModel, &QAbstractItemModel::layoutChanged);
    add(QStringLiteral("a/z.abr"));
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 2);
    EXPECT_EQ(removed.count() + reset.count() + layout.count(), 0);
    EXPECT_EQ(ModelRows(mOutlineModel),
              HierarchyOutlineRows(mOutlineModel.getFileHierarchy(), false));
}

// Random adds, deletions, renames and moves, made on disk and told to the source as the search
// would; after each the rows must be exactly the hierarchy's, and the model tester (fatal) must
// accept every signal on the way, with part of the tree opened in a view.
TEST_F(OutlineModelTest, ChurnKeepsRowsEqualToTheHierarchy)
{
    QRandomGenerator random(20261206);
    QStringList files;
    const QStringList folders = {QStringLiteral("a"),     QStringLiteral("a/b"),
                                 QStringLiteral("a/b/c"), QStringLiteral("d"),
                                 QStringLiteral("d/e"),   QStringLiteral("f")};
    auto randomFolder = [&] { return folders[random.bounded(int(folders.size()))]; };
    for (int op = 0; op < 1000; ++op) {
        const int kind = files.isEmpty() ? 0 : random.bounded(8);
        if (kind == 6) {
            // A folder renamed with everything in it, then back.
            const QString from = mDisk.folder(QStringLiteral("d/e"));
            const QString to = mDisk.path(QStringLiteral("d/e-renamed"));
            QDir().rename(from, to);
            mOutlineModel.renameItem(from, to);
            ASSERT_EQ(ModelRows(mOutlineModel),
                      HierarchyOutlineRows(mOutlineModel.getFileHierarchy(), false));
            QDir().rename(to, from);
            mOutlineModel.renameItem(to, from);
        } else if (kind == 7) {
            // A whole folder deleted.
            const QString gone = mDisk.path(QStringLiteral("a/b/c"));
            QDir(gone).removeRecursively();
            mOutlineModel.deleteItems({gone});
            files.removeIf([&](const QString& f) { return f.startsWith(gone + QLatin1Char('/')); });
        } else if (kind <= 1) {
            // Sometimes a batch of more than ten, which is applied as one reload.
            const int count = random.bounded(8) == 0 ? 12 : 1;
            QStringList paths;
            FileNodeFlagsList flags;
            for (int i = 0; i < count; ++i) {
                const QString path =
                    mDisk.file(randomFolder() + QStringLiteral("/%1.abr").arg(op * 100 + i));
                paths << path;
                flags.push_back(kPlainFile);
            }
            mOutlineModel.addItems(paths, flags);
            files << paths;
        } else if (kind == 2) {
            const QString path = files.takeAt(random.bounded(int(files.size())));
            QFile::remove(path);
            mOutlineModel.deleteItems({path});
        } else if (kind == 3) {
            const qsizetype i = random.bounded(int(files.size()));
            const QString to = QFileInfo(files[i]).path() + QStringLiteral("/r%1.abr").arg(op);
            QFile::rename(files[i], to);
            mOutlineModel.renameItem(files[i], to);
            files[i] = to;
        } else {
            const qsizetype i = random.bounded(int(files.size()));
            const QString to = mDisk.folder(randomFolder()) + QStringLiteral("/m%1.abr").arg(op);
            QFile::rename(files[i], to);
            mOutlineModel.moveItems({files[i]}, {to}, {kPlainFile});
            files[i] = to;
        }
        if (op % 50 == 0)
            mView.expandAll();
        ASSERT_EQ(ModelRows(mOutlineModel),
                  HierarchyOutlineRows(mOutlineModel.getFileHierarchy(), false))
            << "after operation " << op;
    }
}

TEST_F(OutlineModelTest, SelectionFollowsMovesAndSelectingAPathOpensItsFolders)
{
    const QString deep = add(QStringLiteral("p/q/r/deep.abr"));
    add(QStringLiteral("other/x.abr"));
    mView.collapseAll();
    ASSERT_TRUE(mView.selectFileByPath(deep));
    EXPECT_EQ(mView.getPathOfSelectedItem(), deep);
    EXPECT_FALSE(mView.selectFileByPath(mDisk.path(QStringLiteral("missing.abr"))));
    EXPECT_EQ(mView.getPathOfSelectedItem(), QString());
    EXPECT_TRUE(mView.selectFileByPath(QString()));

    ASSERT_TRUE(mView.selectFileByPath(deep));
    const QString moved = mDisk.folder(QStringLiteral("other")) + QStringLiteral("/deep.abr");
    QFile::rename(deep, moved);
    mOutlineModel.moveItems({deep}, {moved}, {kPlainFile});
    EXPECT_EQ(mView.getPathOfSelectedItem(), moved);

    // Renaming the folder of the selected file tells the window where the file is now.
    QSignalSpy renamed(&mView, &FileOutlineView::selectedPathRenamed);
    const QString folder = mDisk.path(QStringLiteral("other"));
    const QString newFolder = mDisk.path(QStringLiteral("renamed"));
    QDir().rename(folder, newFolder);
    mOutlineModel.renameItem(folder, newFolder);
    ASSERT_EQ(renamed.count(), 1);
    EXPECT_EQ(renamed.at(0).at(0).toString(), newFolder + QStringLiteral("/deep.abr"));
}

// The source knows no view: it brackets each change with signals, and the view keeps its
// selection by path through a change that takes the selected row away and puts it back.
TEST_F(OutlineModelTest, TheViewKeepsItsSelectionWhenTheSelectedRowIsRebuilt)
{
    const QString deep = add(QStringLiteral("a/b/deep.abr"));
    const QString sibling = add(QStringLiteral("a/sibling.abr"));
    mView.expandAll();
    ASSERT_TRUE(mView.selectFileByPath(deep));
    QStringList order;
    QObject::connect(&mOutlineModel, &OutlineModel::itemsAboutToChange, [&] { order << "about"; });
    QObject::connect(&mOutlineModel, &QAbstractItemModel::rowsRemoved, [&] {
        if (order.isEmpty() || order.last() != QStringLiteral("removed"))
            order << "removed";
    });
    QObject::connect(&mOutlineModel, &OutlineModel::itemsDeleted, [&](const QStringList& paths) {
        order << QStringLiteral("deleted %1").arg(paths.size());
    });
    QFile::remove(sibling);
    mOutlineModel.deleteItems({sibling});
    EXPECT_EQ(order.join(QLatin1Char(',')), QStringLiteral("about,removed,deleted 1"));
    EXPECT_EQ(mView.getPathOfSelectedItem(), deep);

    // The current file going selects nothing, whether it was still selected or (as after Move
    // to Trash) already let go of: Qt would hand the selection to a neighbour, and the window
    // would open that file.
    const QString next = add(QStringLiteral("a/b/next.abr"));
    const QString last = add(QStringLiteral("a/b/z-last.abr"));
    QSignalSpy chosen(&mView, &FileOutlineView::selectedPathChanged);
    for (const QString& path : {deep, next}) {
        ASSERT_TRUE(mView.selectFileByPath(path));
        if (path == next)
            mView.selectFileByPath(QString());
        QFile::remove(path);
        mOutlineModel.deleteItems({path});
        EXPECT_EQ(mView.getPathOfSelectedItem(), QString());
    }
    for (const QList<QVariant>& signal : chosen)
        EXPECT_NE(signal.at(0).toString(), last);
}

TEST_F(OutlineModelTest, ExpansionAndKeysAndMenu)
{
    add(QStringLiteral("one/two/three/x.abr"));
    add(QStringLiteral("other/y.abr"));
    // The top level holds "one/two/three"-style chains only where they fork; open the first
    // folder and every single-folder child below it opens too.
    mView.collapseAll();
    const QModelIndex top = mOutlineModel.index(0, 0);
    mView.expand(top);
    for (QModelIndex at = top;
         mOutlineModel.rowCount(at) == 1 &&
         mOutlineModel.index(0, 0, at).data(OutlineModel::IsFolderRole).toBool();
         at = mOutlineModel.index(0, 0, at))
        EXPECT_TRUE(mView.isExpanded(mOutlineModel.index(0, 0, at)));

    mView.setCurrentIndex(top);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&mView, &press);
    EXPECT_FALSE(mView.isExpanded(top));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(&mView, &repeat);
    EXPECT_FALSE(mView.isExpanded(top));

    mView.resize(300, 300);
    mView.expandAll();
    const QModelIndex file = mOutlineModel.index(0, 0, mOutlineModel.index(0, 0));
    const QPoint onFile = mView.visualRect(mOutlineModel.index(0, 0)).center();
    ASSERT_NE(mView.menuForPosition(onFile), nullptr);
    EXPECT_TRUE(mView.revealAction()->isEnabled());
    EXPECT_FALSE(mView.trashAction()->isEnabled()); // a folder
    EXPECT_EQ(mView.menuForPosition(QPoint(5, 290)), nullptr);
    Q_UNUSED(file);
}

TEST(OutlineRowDelegate, BadgeNeedsThirtyPointsBesideIt)
{
    const QFont font;
    const auto wide =
        OutlineRowDelegate::layoutFor(QRect(0, 0, 300, 20), QSize(16, 16), true, 42, font);
    ASSERT_FALSE(wide.badge.isEmpty());
    EXPECT_EQ(wide.image.left(), 3);
    EXPECT_EQ(wide.title.left(), 16 + 5);
    EXPECT_LT(wide.badge.right(), 300 - 2);
    EXPECT_EQ(wide.badge.height(), 19);

    const QFontMetrics metrics(OutlineRowDelegate::numberFont(font));
    const int field = metrics.horizontalAdvance(QStringLiteral("42")) + metrics.height() + 5;
    const int narrowWidth = 16 + 5 + field + 30; // exactly 30 beside the badge: not more
    const auto narrow =
        OutlineRowDelegate::layoutFor(QRect(0, 0, narrowWidth, 20), QSize(16, 16), true, 42, font);
    EXPECT_TRUE(narrow.badge.isEmpty());
    EXPECT_FALSE(OutlineRowDelegate::layoutFor(QRect(0, 0, narrowWidth + 1, 20), QSize(16, 16),
                                               true, 42, font)
                     .badge.isEmpty());
}

} // namespace

namespace {

TEST(OutlineModels, InstalledShowsEachApplicationByItsNameAboveItsBrushes)
{
    DiskTree disk;
    const QString ps13 = disk.folder(QStringLiteral("Adobe/Photoshop CS6"));
    const QString ps16 = disk.folder(QStringLiteral("Adobe/Photoshop CC"));
    const QString extra = disk.folder(QStringLiteral("Roaming/Adobe/Extra Brushes"));
    InstalledFileOutlineModel source(
        {{QStringLiteral("Adobe Photoshop CS6"), ps13, ps13 + QStringLiteral("/Presets/Brushes"),
          QString(), QString(), false},
         {QStringLiteral("Adobe Photoshop CC"), ps16, ps16 + QStringLiteral("/Presets/Brushes"),
          extra, QString(), false}});
    QAbstractItemModelTester tester(&source, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QStringList paths = {
        disk.file(QStringLiteral("Adobe/Photoshop CS6/Presets/Brushes/a.abr")),
        disk.file(QStringLiteral("Adobe/Photoshop CC/Presets/Brushes/b.abr")),
        disk.file(QStringLiteral("Roaming/Adobe/Extra Brushes/c.abr")),
        disk.file(QStringLiteral("elsewhere/d.abr"))};
    source.addItems(paths, FileNodeFlagsList(4, kPlainFile));
    const QStringList rows = OutlineDumpRows(source);
    // Each application under its own name, right above its brushes.
    EXPECT_EQ(rows.mid(0, 2),
              (QStringList{QStringLiteral("Adobe Photoshop CC/ (1)"), QStringLiteral("  b.abr")}));
    EXPECT_TRUE(rows.contains(QStringLiteral("Adobe Photoshop CC — Local Brushes/ (1)")))
        << rows.join('\n').toStdString();
    EXPECT_FALSE(rows.join('\n').contains(QStringLiteral("d.abr")));

    // The name filter narrows the rows and the counts follow it.
    source.setNameFilter(QStringLiteral("B.ABR"));
    EXPECT_EQ(OutlineDumpRows(source).filter(QStringLiteral(".abr")),
              QStringList{QStringLiteral("  b.abr")})
        << OutlineDumpRows(source).join('\n').toStdString();
    source.setNameFilter(QString());
    EXPECT_EQ(OutlineDumpRows(source), rows);
}

// The outline's rows without their indentation, joined by "|".
QString FlatRows(const OutlineModel& model)
{
    QStringList text = OutlineDumpRows(model);
    for (QString& row : text)
        row = row.trimmed();
    return text.join(QLatin1Char('|'));
}

TEST(OutlineModels, InstalledShowsEachConvertedPackAsOneRowThatFollowsItsEntries)
{
    DiskTree disk;
    const QString gimp = disk.folder(QStringLiteral("GIMP/2.10"));
    const QString krita = disk.folder(QStringLiteral("krita"));
    const QString gimpBrushes = gimp + QStringLiteral("/brushes");
    InstalledFileOutlineModel source(
        {{QStringLiteral("GIMP 2.10"), gimp, gimpBrushes, QString(), gimpBrushes, false},
         {QStringLiteral("Krita"), krita, krita, QString(), krita, true}});
    QAbstractItemModelTester tester(&source, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto file = [&](const char* relative) { return disk.file(QString::fromUtf8(relative)); };
    // Kelbrin's packs carry its mark; Krita's own bundles, a bundle of an earlier Kelbrin, a
    // folder of somebody else's brushes and a folder whose mark file says something else are
    // as Krita and GIMP keep them.
    const auto mark = [&](const char* pack) {
        QFile marker(disk.path(QString::fromUtf8(pack)) + u'/' + PackMark::kFileName);
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.write(PackMark{QStringLiteral("Ink.abr"), QByteArray(64, 'a')}.fileText());
    };
    const QString a0 = file("GIMP/2.10/brushes/Ink/000 Dot.gbr");
    const QString a1 = file("GIMP/2.10/brushes/Ink/001 Soft.vbr");
    mark("GIMP/2.10/brushes/Ink");
    KritaBundle::Contents chalk;
    chalk.title = QStringLiteral("Chalk");
    ASSERT_TRUE(KritaBundle::write(krita + QStringLiteral("/Chalk.bundle"), chalk, nullptr));
    const QString foreign = WriteKritaOwnBundle(krita + QStringLiteral("/RGBA_brushes.bundle"));
    const QString earlier =
        WriteKritaOwnBundle(krita + QStringLiteral("/Earlier.bundle"), QStringLiteral("Kelbrin"));
    file("GIMP/2.10/brushes/Other/.kelbrin-pack"); // empty: no mark
    source.addItems({a0, a1, file("GIMP/2.10/brushes/loose.gbr"), krita + "/Chalk.bundle",
                     file("krita/brushes/deep.bundle"), foreign, earlier,
                     file("GIMP/2.10/brushes/Downloaded/Round.gbr"),
                     file("GIMP/2.10/brushes/Other/000 Dot.gbr")},
                    FileNodeFlagsList(9, kPlainFile));
    const auto rows = [&] { return FlatRows(source); };
    // One row a pack of Kelbrin's, by its name; a bundle without its suffix; nothing else.
    EXPECT_EQ(rows(), QStringLiteral("GIMP 2.10/ (1)|Ink|Krita/ (2)|Chalk|Earlier"));

    // The row stays while an entry is left and goes with the last.
    QFile::remove(a0);
    source.deleteItems({a0});
    EXPECT_TRUE(rows().contains(QStringLiteral("|Ink")));
    QFile::remove(a1);
    source.deleteItems({a1});
    EXPECT_FALSE(rows().contains(QStringLiteral("Ink"))) << rows().toStdString();

    // A pack's folder renamed, or moved entry by entry, is the same row under its new name.
    source.addItems(
        {file("GIMP/2.10/brushes/Ink/000 Dot.gbr"), file("GIMP/2.10/brushes/Ink/001 Soft.vbr")},
        FileNodeFlagsList(2, kPlainFile));
    const QString renamed = gimp + QStringLiteral("/brushes/Ink 2");
    QDir().rename(gimp + QStringLiteral("/brushes/Ink"), renamed);
    QSignalSpy renames(&source, &OutlineModel::itemRenamed);
    source.renameItem(gimp + QStringLiteral("/brushes/Ink"), renamed);
    EXPECT_EQ(renames.count(), 1);
    EXPECT_TRUE(rows().contains(QStringLiteral("|Ink 2|"))) << rows().toStdString();
    QSignalSpy moves(&source, &OutlineModel::itemsMoved);
    const QString moved = gimp + QStringLiteral("/brushes/Wet");
    QDir().rename(renamed, moved);
    source.moveItems(
        {renamed + QStringLiteral("/000 Dot.gbr"), renamed + QStringLiteral("/001 Soft.vbr")},
        {moved + QStringLiteral("/000 Dot.gbr"), moved + QStringLiteral("/001 Soft.vbr")},
        FileNodeFlagsList(2, kPlainFile));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.at(0).at(1).toStringList(), QStringList{moved});
    EXPECT_TRUE(rows().contains(QStringLiteral("|Wet|"))) << rows().toStdString();
    EXPECT_FALSE(rows().contains(QStringLiteral("Ink")));

    // The brushes folder going takes its packs along; they come back whole.
    QDir(gimp + QStringLiteral("/brushes")).removeRecursively();
    source.deleteItems({gimp + QStringLiteral("/brushes")});
    EXPECT_FALSE(rows().contains(QStringLiteral("Wet")));
    const QString wet = file("GIMP/2.10/brushes/Wet/000 Dot.gbr");
    mark("GIMP/2.10/brushes/Wet");
    source.addItems({wet}, {kPlainFile});
    EXPECT_TRUE(rows().contains(QStringLiteral("|Wet|"))) << rows().toStdString();
}

} // namespace
