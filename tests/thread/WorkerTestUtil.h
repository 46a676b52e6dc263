#pragma once

#include "thread/CWorkingThread.h"

#include <atomic>
#include <boost/make_shared.hpp>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

// A task made of a function, for driving the worker from tests.
class FunctionTask : public CWorkingThread::CThreadTask
{
public:
    explicit FunctionTask(std::function<void()> body) : mBody(std::move(body)) {}
    void Perform() override { mBody(); }

private:
    std::function<void()> mBody;
};

inline CWorkingThread::TaskPtr MakeTask(std::function<void()> body)
{
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
