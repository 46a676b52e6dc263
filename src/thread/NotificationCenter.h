#pragma once

#include "thread/Notification.h"

#include <functional>
#include <vector>

// The main thread's notification centre: observers by name, optionally only for one object,
// called synchronously in the order they registered.
class NotificationCenter
{
public:
    using Token = unsigned long long;
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    // An empty name observes every notification; a null object observes every poster.
    Token addObserver(const QString& name, const void* object, Handler handler);
    void removeObserver(Token token);

    void post(const Notification& notification);
    void postNotificationName(const QString& name, std::shared_ptr<const void> object = {},
                              const QVariantMap& userInfo = {});

private:
    struct Observer
    {
        Token token;
        QString name;
        const void* object;
        std::shared_ptr<Handler> handler;
    };
    std::vector<Observer> mObservers;
    Token mNextToken = 1;
};

// Removes its observer when it goes out of scope, for observers that die before the centre.
class ScopedObserver
{
public:
    ScopedObserver() = default;
    ScopedObserver(const QString& name, const void* object, NotificationCenter::Handler handler)
        : mToken(NotificationCenter::defaultCenter().addObserver(name, object, std::move(handler)))
    {}
    ~ScopedObserver() { reset(); }
    ScopedObserver(const ScopedObserver&) = delete;
    ScopedObserver& operator=(const ScopedObserver&) = delete;
    ScopedObserver(ScopedObserver&& other) noexcept : mToken(other.mToken) { other.mToken = 0; }
    ScopedObserver& operator=(ScopedObserver&& other) noexcept
    {
        if (this != &other) {
            reset();
            mToken = other.mToken;
            other.mToken = 0;
        }
        return *this;
    }
    void reset()
    {
        if (mToken)
            NotificationCenter::defaultCenter().removeObserver(mToken);
        mToken = 0;
    }

private:
    NotificationCenter::Token mToken = 0;
};
