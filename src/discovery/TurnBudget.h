#pragma once

#include <QtGlobal>
#include <cstddef>

// The main thread's share of discovery work per turn of the event loop: merging what the
// crawlers found, reading changed folders again, entering results into the path tree. Beyond
// it the rest waits for the next turn, so that the window never stalls for longer.
constexpr qint64 kTurnBudgetMs = 16;
constexpr std::size_t kPathsPerTurn = 150;
