#pragma once

// Marks the span of one background task. Toolkits that hand out objects "to be released later"
// drain them when such a scope ends, so that a long run of tasks does not pile them up. Qt
// releases what it hands out by ownership, at once, so there is nothing to drain here; the
// scope stays so that per-task clean-up has one obvious place should it ever be needed.
class CAutoreleasePool
{
public:
    CAutoreleasePool() {}
    ~CAutoreleasePool() {}
    CAutoreleasePool(const CAutoreleasePool&) = delete;
    CAutoreleasePool& operator=(const CAutoreleasePool&) = delete;
};
