#pragma once

#include "thread/BrushNotifications.h"

#include <QObject>
#include <QStringList>

#include "thread/CWorkingThread.h"

#include <boost/make_shared.hpp>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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

// What the worker did, in order, readable from the main thread.
class EventLog
{
public:
    void Add(std::string entry)
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mEntries.push_back(std::move(entry));
    }
    std::vector<std::string> Entries() const
    {
        std::lock_guard<std::mutex> lock(mMutex);
        return mEntries;
    }
    std::string Joined() const
    {
        std::string result;
        for (const std::string& e : Entries())
            result += (result.empty() ? "" : " ") + e;
        return result;
    }

private:
    mutable std::mutex mMutex;
    std::vector<std::string> mEntries;
};

// The reading reports delivered on the main thread while it lives, in order: which kind and
// for which file. Connected before anything else that listens, so it sees each report first.
struct ReportRecorder
{
    ReportRecorder()
    {
        auto& reports = BrushReadingNotifications::instance();
        QObject::connect(&reports, &BrushReadingNotifications::addBrush, &context,
                         [this](const AddBrush& r) {
                             received.push_back({"AddBrush", r.file});
                         });
        QObject::connect(&reports, &BrushReadingNotifications::finishedReadingFile, &context,
                         [this](const FinishedReadingFile& r) {
                             received.push_back({"FinishedReadingFile", r.file});
                         });
    }
    QStringList names() const
    {
        QStringList result;
        for (const auto& [name, file] : received)
            result << name;
        return result;
    }
    QObject context;
    std::vector<std::pair<QString, BrushFilePtr>> received;
};
