#pragma once

#include "thread/CWorkingThread.h"

#include <atomic>
#include <boost/make_shared.hpp>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

// A task made of a function, for driving the worker from tests.
template <typename Body> CWorkingThread::TaskPtr MakeTask(Body body)
{
    struct FunctionTask : CWorkingThread::CThreadTask
    {
        explicit FunctionTask(Body b) : body(std::move(b)) {}
        void Perform() override { body(); }
        Body body;
    };
    return boost::make_shared<FunctionTask>(std::move(body));
}

// Polls without an event loop; for conditions set by the worker. False on timeout.
inline bool Eventually(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Queues a marker behind everything queued so far and waits until the worker has run it.
inline bool RunsThrough(CWorkingThread& worker)
{
    auto reached = std::make_shared<std::atomic<bool>>(false);
    worker.AddTask(MakeTask([reached] { *reached = true; }));
    return Eventually([&] { return reached->load(); });
}
