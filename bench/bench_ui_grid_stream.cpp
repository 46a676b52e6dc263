// How much of the main thread a file of 5,000 brushes costs while it streams into the grid:
// the time spent handling each delivered brush (the notification, the grid's layout), the
// painting in between, and how soon the first thumbnail is there after the file is chosen.
// Then 200 patterns arrive after the brushes, as a read delivers them (most small, a few of a
// megapixel), with the grid scrolled down to them so their tiles are drawn.
// Runs the real window offscreen; prints its figures.
#include "thread/NotificationEvent.h"
#include "thread/PostingBrushSink.h"
#include "ui/grid/BrushFileView.h"
#include "ui/window/BrushWindow.h"
#include "ui/window/KelbrinApplication.h"
#include "ui/window/WindowMenus.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
void Put16(QByteArray& b, unsigned v)
{
    b.append(char(v >> 8)).append(char(v));
}
void Put32(QByteArray& b, unsigned v)
{
    Put16(b, v >> 16);
    Put16(b, v & 0xFFFF);
}

// Version-2 file: 5,000 named brushes, four in five sampled 64 x 64 (run-length), the rest
// computed tips.
QString MakeFile()
{
    QByteArray data;
    Put16(data, 2);
    Put16(data, 5000);
    for (int i = 0; i < 5000; ++i) {
        QByteArray record;
        Put32(record, 0);
        Put16(record, 0);
        const QString name = QStringLiteral("Brush %1").arg(i);
        Put32(record, unsigned(name.size() + 1));
        for (QChar c : name)
            Put16(record, c.unicode());
        Put16(record, 0);
        const bool sampled = i % 5 != 0;
        if (sampled) {
            record.append('\0').append(QByteArray(8, '\0'));
            Put32(record, 0), Put32(record, 0), Put32(record, 64), Put32(record, 64);
            Put16(record, 8);
            record.append('\1');
            record.append(QByteArray(128, '\0')); // row lengths, unused
            for (int row = 0; row < 64; ++row) {
                // Ink in the middle of each row: 16 white, 32 inked, 16 white.
                record.append(char(-15)).append('\0');
                record.append(char(-31)).append(char(40 + (i * 7 + row) % 200));
                record.append(char(-15)).append('\0');
            }
        } else {
            Put16(record, 30 + i % 50);
            Put16(record, 60);
            Put16(record, (i * 13) % 180);
            Put16(record, 50);
        }
        Put16(data, sampled ? 2 : 1);
        Put32(data, unsigned(record.size()));
        data.append(record);
    }
    const QString path = QDir::temp().filePath(QStringLiteral("kelbrin-bench-5000.abr"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(data);
    return path;
}

class TimingApplication : public KelbrinApplication
{
public:
    using KelbrinApplication::KelbrinApplication;
    std::vector<double> brushEventsMs;
    double otherBusyMs = 0;
    QElapsedTimer sinceSelection;
    double firstBrushMs = -1;

    int depth = 0;

    // Only outermost deliveries are timed: painting runs nested inside an update request.
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (depth > 0)
            return KelbrinApplication::notify(receiver, event);
        struct Depth
        {
            int& d;
            Depth(int& d) : d(++d) {}
            ~Depth() { --d; }
        } guard(depth);
        QElapsedTimer t;
        t.start();
        const bool isCarrier = event->type() == NotificationEvent::eventType();
        const bool result = KelbrinApplication::notify(receiver, event);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        if (isCarrier) {
            brushEventsMs.push_back(ms);
            if (firstBrushMs < 0)
                firstBrushMs = double(sinceSelection.nsecsElapsed()) / 1e6;
        } else {
            otherBusyMs += ms;
        }
        return result;
    }
};

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[size_t(p * double(v.size() - 1))];
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // the user's zoom and window size stay out of it
    Q_INIT_RESOURCE(kelbrin);
    TimingApplication app(argc, argv);
    const QString path = MakeFile();
    BrushWindow window;
    window.resize(1200, 800);
    // Names under the thumbnails are the heavier case: text layout and elision per cell.
    window.menus()->showNamesAction()->setChecked(true);
    window.show();
    QCoreApplication::processEvents();

    bool done = false;
    QObject::connect(&window, &BrushWindow::fileReadingFinished, [&] { done = true; });
    app.brushEventsMs.clear();
    app.otherBusyMs = 0;
    QElapsedTimer wall;
    wall.start();
    app.sinceSelection.start();
    window.setImageFromBrushFile(path);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;

    const size_t brushes = window.fileView()->getBrushFile()->count();
    double handled = 0;
    for (double ms : app.brushEventsMs)
        handled += ms;
    std::printf("brushes shown: %zu in %.0f ms wall, names %s\n", brushes, wallMs,
                window.fileView()->showNames() ? "shown" : "hidden");
    std::printf("first thumbnail after selection: %.2f ms\n", app.firstBrushMs);
    std::printf("per delivered brush (notification + layout): median %.3f ms, p99 %.3f ms, worst "
                "%.3f ms, mean %.3f ms\n",
                Percentile(app.brushEventsMs, 0.5), Percentile(app.brushEventsMs, 0.99),
                Percentile(app.brushEventsMs, 1.0), handled / double(app.brushEventsMs.size()));
    std::printf("all other main-thread work during the read (painting, timers): %.1f ms, %.3f ms "
                "per brush\n",
                app.otherBusyMs, app.otherBusyMs / double(brushes));
    std::printf("main thread busy per brush, everything included: %.3f ms\n",
                (handled + app.otherBusyMs) / double(brushes));

    // The patterns, posted from this thread as the reading thread would post them.
    std::vector<PatternPtr> patterns;
    for (int i = 0; i < 200; ++i) {
        const int side = i % 50 == 0 ? 1024 : i % 5 == 0 ? 256 : 64;
        QImage image(side, side, i % 2 ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
        image.fill(QColor::fromHsv((i * 37) % 360, 120, 200));
        patterns.push_back(std::make_shared<Pattern>(
            QStringLiteral("Pattern %1").arg(i), QString::number(i), Pattern::Mode::Rgb, 8, image));
    }
    BrushFileView* view = window.fileView();
    auto* area = qobject_cast<QScrollArea*>(view->parentWidget()->parentWidget());
    QScrollBar* bar = area ? area->verticalScrollBar() : nullptr;
    app.brushEventsMs.clear();
    app.otherBusyMs = 0;
    PostingBrushSink sink(view->getBrushFile());
    for (const PatternPtr& pattern : patterns)
        sink.AddPattern(pattern);
    wall.restart();
    while (view->getBrushFile()->patterns().size() < patterns.size()) {
        if (bar)
            bar->setValue(bar->maximum()); // follow the patterns down, so they are painted
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    handled = 0;
    for (double ms : app.brushEventsMs)
        handled += ms;
    std::printf("patterns shown: %zu in %.0f ms wall; per delivered pattern: median %.3f ms, "
                "worst %.3f ms; painting and the rest: %.1f ms\n",
                view->getBrushFile()->patterns().size(), double(wall.nsecsElapsed()) / 1e6,
                Percentile(app.brushEventsMs, 0.5), Percentile(app.brushEventsMs, 1.0),
                app.otherBusyMs);
    return brushes == 5000 ? 0 : 1;
}
