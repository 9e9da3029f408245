#include "search/uithreadcaller.h"

#include <QCoreApplication>
#include <QThread>

#include <condition_variable>

// One queued call. Shared by the worker and the queued event, so that either
// may outlive the other: the event may still sit in the queue after the
// worker has given up and ended.
struct UiThreadCaller::Ticket {
    enum class State { Queued, Running, Done, Failed, Abandoned };

    std::mutex lock;
    std::condition_variable settled;
    State state = State::Queued;

    // False when the worker has already given up: the call is skipped.
    bool begin()
    {
        std::lock_guard guard(lock);
        if (state != State::Queued)
            return false;
        state = State::Running;
        return true;
    }

    void finish(bool ok)
    {
        std::lock_guard guard(lock);
        if (state == State::Running)
            state = ok ? State::Done : State::Failed;
        settled.notify_all();
    }

    void abandon()
    {
        std::lock_guard guard(lock);
        if (state == State::Queued || state == State::Running)
            state = State::Abandoned;
        settled.notify_all();
    }

    Outcome wait()
    {
        std::unique_lock guard(lock);
        settled.wait(guard, [this] {
            return state != State::Queued && state != State::Running;
        });
        if (state == State::Done)
            return Outcome::Done;
        return state == State::Failed ? Outcome::Failed : Outcome::Abandoned;
    }
};

namespace {

bool runGuarded(const std::function<void()>& fn)
{
    try {
        fn();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

UiThreadCaller::UiThreadCaller(QObject* uiContext)
    : context_(uiContext ? uiContext : QCoreApplication::instance())
{
}

UiThreadCaller::Outcome UiThreadCaller::call(const std::function<void()>& fn)
{
    if (QThread::currentThread() == context_->thread())
        return runGuarded(fn) ? Outcome::Done : Outcome::Failed;

    auto ticket = std::make_shared<Ticket>();
    {
        std::lock_guard guard(lock_);
        if (abandoned_)
            return Outcome::Abandoned;
        current_ = ticket;
    }
    QMetaObject::invokeMethod(
        context_,
        [ticket, fn] {
            if (ticket->begin())
                ticket->finish(runGuarded(fn));
        },
        Qt::QueuedConnection);
    const Outcome outcome = ticket->wait();
    {
        std::lock_guard guard(lock_);
        current_.reset();
    }
    return outcome;
}

void UiThreadCaller::abandon()
{
    std::shared_ptr<Ticket> ticket;
    {
        std::lock_guard guard(lock_);
        abandoned_ = true;
        ticket = current_;
    }
    if (ticket)
        ticket->abandon();
}
