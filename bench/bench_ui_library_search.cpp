// From typing in the window's filter field to the first screen of library results painted, over a
// made-up library of 100,000 brushes with thumbnails: the pause that waits for typing to stop
// (150 ms by design), then the work after it (the outlines' file-name filter, the name search,
// sorting the results and painting the cells on screen with their thumbnails). Goal: 20 ms for
// the work. Before that, the window's start with that library: the longest turn of the main
// thread from the library's start until it is ready and the search readied (goal: 16 ms).
// Runs offscreen; prints its figures.
//
//   bench_ui_library_search [--cold] [--grainy]
//     --cold    the library on disk, out of the page cache at the window's start, as after a reboot
//     --grainy  grainy thumbnails, which PNG packs less well: about 3 KB a brush, as scanned tips
//               give, rather than under one
#include "MadeUpLibrary.h"
#include "library/CLibrary.h"
#include "library/CLibraryConnection.h"
#include "library/CatalogueEntry.h"
#include "ui/library/LibraryController.h"
#include "ui/library/LibraryResultsModel.h"
#include "ui/library/LibraryResultsView.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/KelbrinApplication.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kBrushes = 100000;
constexpr int kBrushesPerFile = 10;

// A few different soft discs, as the cataloguer stores them: grey PNGs at most 64 pixels a side.
std::vector<QByteArray> Thumbnails(bool grainy)
{
    std::mt19937 random(3);
    std::vector<QByteArray> pngs;
    for (int kind = 0; kind < 8; ++kind) {
        QImage image(kLibraryThumbnailSide, kLibraryThumbnailSide, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor::fromHsv(0, 0, 20 * kind));
        painter.setPen(Qt::NoPen);
        const int inset = 4 + 3 * kind;
        painter.drawEllipse(image.rect().adjusted(inset, inset, -inset, -inset));
        painter.end();
        for (int y = 0; grainy && y < image.height(); ++y) {
            uchar* row = image.scanLine(y);
            for (int x = 0; x < image.width(); ++x)
                row[x] = uchar(std::clamp(int(row[x]) + int(random() % 24) - 12, 0, 255));
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs.push_back(buffer.data());
    }
    return pngs;
}

void FillLibrary(const QString& library, bool grainy)
{
    PrepareLibrary(library);
    CLibraryConnection c(library);
    c.beginWrite();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> word(0, int(std::size(kWords)) - 1);
    const std::vector<QByteArray> pngs = Thumbnails(grainy);
    QSqlQuery thumbnail =
        c.prepare(QStringLiteral("INSERT INTO thumbnails(brush_id, png) VALUES(?, ?)"));
    FillMadeUpLibrary(
        c, kBrushes, kBrushesPerFile,
        [&](int n) {
            return QStringLiteral("%1 %2 %3")
                .arg(kWords[word(random)], kWords[word(random)])
                .arg(n);
        },
        [&](const QVariant& brushId, int n) {
            thumbnail.bindValue(0, brushId);
            thumbnail.bindValue(1, pngs[size_t(n) % pngs.size()]);
            thumbnail.exec();
        });
    c.commit();
}

// Drops the library's pages from the page cache (written out first: dirty pages stay).
void EvictFromCache(const QString& library)
{
    for (const QString& path : {library, library + QStringLiteral("-wal")}) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

// Notes when the filter field's pause ends: the timer event reaches the timer before its
// timeout() reaches anything connected to it.
class PauseEnd : public QObject
{
public:
    qint64 at = -1;
    const QElapsedTimer* clock = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && at < 0)
            at = clock->nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }
};
// The window's first paint, then the library's start and the readying of the search ahead of
// the first keystroke, a turn of its own: the longest turn of the event loop from the start until
// the library is ready, and a while after for what follows from it, is what the start costs.
void MeasureLibraryStart(KelbrinApplication& app, BrushWindow& window, bool cold)
{
    const auto spendTime = [&](int ms) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms)
            app.processEvents(QEventLoop::AllEvents, 10);
    };
    spendTime(300);
    if (cold)
        EvictFromCache(DefaultLibraryPath());
    QElapsedTimer start;
    start.start();
    window.startLibrary();
    const qint64 started = start.nsecsElapsed();
    // Each pass of the loop below handles what came due since the last: a turn's work.
    qint64 longestTurn = 0;
    qint64 readyAt = -1;
    QElapsedTimer waited;
    while (readyAt < 0 || waited.elapsed() < 300) {
        QElapsedTimer turn;
        turn.start();
        app.processEvents();
        longestTurn = std::max(longestTurn, turn.nsecsElapsed());
        if (readyAt < 0 && window.libraryController()->library()) {
            readyAt = start.nsecsElapsed();
            waited.start();
        }
        QThread::msleep(1);
    }
    std::printf("library started in %.1f ms on the main thread, ready %.1f ms after the start; "
                "longest turn after: %.1f ms\n",
                started / 1e6, readyAt / 1e6, longestTurn / 1e6);
}

// Each text twice: the first pays for the library's pages coming off the disk (here from
// memory), the second is a keystroke's cost once the pages are in the cache.
void MeasureKeystrokes(KelbrinApplication& app, BrushWindow& window)
{
    QLineEdit* field = window.outlineFilterField();
    PauseEnd pauseEnd;
    for (QTimer* timer : window.findChildren<QTimer*>()) {
        if (timer->interval() == 150 && timer->isSingleShot())
            timer->installEventFilter(&pauseEnd);
    }
    app.processEvents();
    for (const QString& text :
         {QStringLiteral("chalk"), QStringLiteral("chalk"), QStringLiteral("smoke wet"),
          QStringLiteral("smoke wet"), QStringLiteral("99999"), QStringLiteral("99999"),
          QStringLiteral("nowhere"), QStringLiteral("nowhere")}) {
        field->clear();
        while (window.libraryResults())
            app.processEvents(QEventLoop::WaitForMoreEvents);
        QElapsedTimer clock;
        pauseEnd.clock = &clock;
        pauseEnd.at = -1;
        clock.start();
        field->setText(text);
        LibraryResultsView* results = nullptr;
        while (!(results = window.libraryResults()))
            app.processEvents(QEventLoop::WaitForMoreEvents);
        // The list lays its cells out on the loop's next turn and paints them after.
        QListView* list = results->listView();
        while (list->model()->rowCount() > 0 &&
               !list->visualRect(list->model()->index(0, 0)).isValid())
            app.processEvents();
        list->viewport()->repaint();
        const qint64 done = clock.nsecsElapsed();
        std::printf("\"%s\": %d results on screen %.1f ms after the keystroke: %.1f ms pause, "
                    "%.2f ms of work\n",
                    qPrintable(text), results->model()->rowCount(), done / 1e6, pauseEnd.at / 1e6,
                    (done - pauseEnd.at) / 1e6);

        // The same work in its parts, with the pages in the cache.
        clock.restart();
        std::vector<LibraryBrush> found =
            window.libraryController()->library()->searchBrushNames(text, 1001);
        const qint64 searched = clock.nsecsElapsed();
        results->showResults(text, std::move(found), 1000);
        list->doItemsLayout();
        const qint64 listed = clock.nsecsElapsed();
        list->viewport()->repaint();
        const qint64 painted = clock.nsecsElapsed();
        std::printf("    search %.2f ms, sort, list and lay out %.2f ms, paint %.2f ms\n",
                    searched / 1e6, (listed - searched) / 1e6, (painted - listed) / 1e6);
    }
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QStandardPaths::setTestModeEnabled(true);
    bool cold = false;
    bool grainy = false;
    for (int i = 1; i < argc; ++i) {
        cold = cold || std::strcmp(argv[i], "--cold") == 0;
        grainy = grainy || std::strcmp(argv[i], "--grainy") == 0;
    }
    QTemporaryDir dir(!cold && QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/kelbrin-bench-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/kelbrin-bench-XXXXXX"));
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    KelbrinApplication app(argc, argv);

    QElapsedTimer fill;
    fill.start();
    FillLibrary(DefaultLibraryPath(), grainy);
    std::printf("library of %d brushes with thumbnails (%.0f MB) made in %.1f s\n", kBrushes,
                QFileInfo(DefaultLibraryPath()).size() / 1e6, fill.nsecsElapsed() / 1e9);

    BrushWindow window;
    window.resize(1200, 800);
    window.show();
    MeasureLibraryStart(app, window, cold);
    MeasureKeystrokes(app, window);
    return 0;
}
