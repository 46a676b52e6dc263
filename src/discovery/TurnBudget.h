#pragma once

#include <QtGlobal>
#include <cstddef>

// The main thread's share of discovery work per turn of the event loop: merging what the
// crawlers found, reading changed folders again, entering results into the path tree. Beyond
// it the rest waits for the next turn, so that the window never stalls for longer than 16 ms.
// No new unit of work starts after kTurnWorkMs: the unit under way, and the events that are
// handled as they come (an overflow's delivery looks for folders on disk), take what is left.
constexpr qint64 kTurnWorkMs = 5;
constexpr std::size_t kPathsPerTurn = 150;

// One turn's budget, shared by every piece of work that runs in it: several timers often fall
// due in the same turn, and each spending the whole budget on its own would add up to a stall
// of several budgets. The turn starts when the thread's event loop wakes. Work that finds the
// turn spent does nothing and asks for the next turn, where it comes before those that ran;
// its first unit in a fresh turn always goes ahead, however long it takes.
class TurnBudget
{
public:
    TurnBudget();
    // Before each unit of work: whether the turn has time left.
    bool allowsMore() const { return !spent(); }
    bool spent() const;
};
