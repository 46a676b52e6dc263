// How long the main thread's painting takes while other programs keep every core busy, when Qt's
// global pool, to which the painter shares out larger fills and then waits for them, had its
// threads started by an idle-priority thread (as the first computed tip a background cataloguer's
// reader drew would start them) and when they were started beforehand by the main thread
// (StartQtPoolThreadsHere, as a background cataloguer now does). Medians and worst of 40 paints
// of a 1200 x 800 antialiased gradient ellipse, the size of a window's worth of fills.
//
//   bench_pool_priority
#include "platform/BackgroundPriority.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {
void Paint(QImage& image)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, Qt::darkCyan);
    gradient.setColorAt(1, Qt::darkMagenta);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QRectF(0.5, 0.5, image.width() - 1, image.height() - 1));
}

void Measure(const char* label, bool startedHere)
{
    // No thread of the pool left: the next one to hand it work starts them.
    QThreadPool::globalInstance()->waitForDone();
    if (startedHere)
        StartQtPoolThreadsHere();
    std::thread([] {
        LowerThreadToBackground();
        QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
        Paint(image);
    }).join();

    std::atomic<bool> done{false};
    std::vector<std::thread> load;
    for (int i = 0; i < QThread::idealThreadCount(); ++i)
        load.emplace_back([&done] {
            while (!done.load(std::memory_order_relaxed)) {
            }
        });
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> ms;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer clock;
        clock.start();
        Paint(image);
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        QThread::msleep(20);
    }
    done = true;
    for (std::thread& t : load)
        t.join();
    std::sort(ms.begin(), ms.end());
    std::printf("pool started by %s: main-thread paint %.1f ms median, %.1f ms worst, with %d "
                "busy threads beside it\n",
                label, ms[ms.size() / 2], ms.back(), int(load.size()));
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Measure("an idle-priority thread", false);
    Measure("the main thread beforehand", true);
    return 0;
}
