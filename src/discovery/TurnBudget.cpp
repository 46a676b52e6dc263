#include "discovery/TurnBudget.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QPointer>

namespace {
constexpr qint64 kStaleTurnMs = 100;

struct TurnClock
{
    quint64 turn = 0;     // counts the event loop's wake-ups
    quint64 started = ~0; // the turn the clock was started in
    QElapsedTimer clock;
    QPointer<QAbstractEventDispatcher> hooked; // null again once it is gone
};

TurnClock& ThisThreadsClock()
{
    thread_local TurnClock clock;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher && clock.hooked != dispatcher) {
        clock.hooked = dispatcher;
        TurnClock* own = &clock;
        QObject::connect(
            dispatcher, &QAbstractEventDispatcher::awake, dispatcher, [own] { ++own->turn; },
            Qt::DirectConnection);
    }
    return clock;
}
} // namespace

TurnBudget::TurnBudget()
{
    TurnClock& clock = ThisThreadsClock();
    // Work driven without an event loop (a test calling it in a loop) never sees a wake-up;
    // a turn that has gone on this long is taken to have ended.
    if (clock.started != clock.turn || !clock.clock.isValid() ||
        clock.clock.elapsed() > kStaleTurnMs) {
        clock.started = clock.turn;
        clock.clock.start();
    }
}

bool TurnBudget::spent() const
{
    return ThisThreadsClock().clock.elapsed() >= kTurnWorkMs;
}
