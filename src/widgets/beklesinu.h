#pragma once

#include <QPointer>

#include <functional>
#include <memory>

class QObject;

// Background work with a continuation on the user-interface thread:
//     StartAsync([&] { fetch into shared fields; }).Await([&] { put the fields into controls; });

// A started background job waiting for its continuation.
class IAwait
{
public:
    virtual ~IAwait() = default;

    // Starts the work on a pool thread. When it has ended, the continuation runs on the
    // user-interface thread from the event loop (never before Await has returned). An error that
    // escaped the work is shown after the continuation, as an error box with its own text.
    // With a context object, neither runs if the context has been destroyed by then.
    virtual void Await(std::function<void()> continuation, QObject *context = nullptr) = 0;
};

// Holds the work given to StartAsync until Await starts it.
class TAwait : public IAwait, public std::enable_shared_from_this<TAwait>
{
public:
    explicit TAwait(std::function<void()> async);

    void Await(std::function<void()> continuation, QObject *context = nullptr) override;

private:
    std::function<void()> FAsync;
};

std::shared_ptr<IAwait> StartAsync(std::function<void()> work);
