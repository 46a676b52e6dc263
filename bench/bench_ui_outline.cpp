// What the all-files outline costs the main thread: 10,000 brush files (or as many as the
// argument says) five to a folder arrive in batches of 150 as the search's first phase delivers
// them, into a shown outline with its top level open; then how long from the end of the first
// phase until the outline is painted, and which model signals one live addition sends. Runs
// offscreen; prints its figures.
#include "ui/outline/FileOutlineView.h"
#include "ui/outline/OutlineDump.h"
#include "ui/outline/OutlineModels.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/kelbrin-bench-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/kelbrin-bench-XXXXXX"));
    const int fileCount = argc > 1 ? std::max(5, std::atoi(argv[1])) : 10000;
    const int folderCount = fileCount / 5;
    QStringList paths;
    for (int f = 0; f < folderCount; ++f) {
        const QString folder =
            dir.path() + QStringLiteral("/set%1/group%2/folder%3").arg(f % 10).arg(f % 100).arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < 5; ++i) {
            const QString path = folder + QStringLiteral("/brush%1.abr").arg(i);
            QFile(path).open(QIODevice::WriteOnly);
            paths << path;
        }
    }

    FoundFileOutlineModel source({}, dir.path());
    FileOutlineView view;
    view.setOutlineModel(&source);
    view.resize(320, 800);
    view.show();

    const FileNodeFlags plain{FileNodeFlags::eExists | FileNodeFlags::eIsFile};
    std::vector<double> batchMs;
    QElapsedTimer total;
    total.start();
    for (qsizetype at = 0; at < paths.size(); at += 150) {
        const QStringList batch = paths.mid(at, 150);
        QElapsedTimer timer;
        timer.start();
        source.addItems(batch, FileNodeFlagsList(size_t(batch.size()), plain));
        app.processEvents(); // the view lays out and paints between batches, as it would
        batchMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double firstPhaseMs = total.nsecsElapsed() / 1e6;

    QElapsedTimer finish;
    finish.start();
    source.finishedQueryFirstPhase();
    view.expand(source.index(0, 0));
    app.processEvents();
    view.grab();
    const double populateMs = finish.nsecsElapsed() / 1e6;

    std::sort(batchMs.begin(), batchMs.end());
    std::printf("outline: %lld files in %d folders, %zu batches of 150\n",
                static_cast<long long>(paths.size()), folderCount, batchMs.size());
    std::printf("  per batch (add + layout + paint): median %.2f ms, worst %.2f ms\n",
                batchMs[batchMs.size() / 2], batchMs.back());
    std::printf("  whole first phase on the main thread: %.1f ms\n", firstPhaseMs);
    std::printf("  first-phase end to a painted outline: %.1f ms\n", populateMs);

    // One live addition inside an opened folder.
    view.expandAll();
    app.processEvents();
    int inserted = 0, removed = 0, moved = 0, changed = 0, resets = 0, layouts = 0;
    QObject::connect(&source, &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    QObject::connect(&source, &QAbstractItemModel::rowsRemoved, [&] { ++removed; });
    QObject::connect(&source, &QAbstractItemModel::rowsMoved, [&] { ++moved; });
    QObject::connect(&source, &QAbstractItemModel::dataChanged, [&] { ++changed; });
    QObject::connect(&source, &QAbstractItemModel::modelReset, [&] { ++resets; });
    QObject::connect(&source, &QAbstractItemModel::layoutChanged, [&] { ++layouts; });
    const QString live = QFileInfo(paths.first()).path() + QStringLiteral("/live.abr");
    QFile(live).open(QIODevice::WriteOnly);
    QElapsedTimer liveTimer;
    liveTimer.start();
    source.addItems({live}, {plain});
    const double liveMs = liveTimer.nsecsElapsed() / 1e6;
    std::printf("  live add of one file: %.3f ms; signals: %d inserted, %d removed, %d moved, "
                "%d dataChanged, %d resets, %d layoutChanged\n",
                liveMs, inserted, removed, moved, changed, resets, layouts);
    return 0;
}
