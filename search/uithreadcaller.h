#pragma once
// Runs functions in the user-interface thread for a worker thread and waits
// for them, like a blocking queued call, except that the wait can be given
// up. That is what makes shutdown safe: the owner asks the worker to end and
// joins it from the user-interface thread, possibly while the worker waits
// for a call that thread has not run yet, or from inside that very call.
// A blocking queued connection would deadlock in both cases; here abandon()
// wakes the waiting worker at once, and a call the user-interface thread has
// not begun by then is skipped when its turn in the event queue comes.
#include <QObject>

#include <functional>
#include <memory>
#include <mutex>

class UiThreadCaller {
public:
    enum class Outcome {
        Done,       // the function ran and returned
        Failed,     // the function threw; the exception stopped there
        Abandoned,  // abandon() came first; the function may not have run
    };

    // `uiContext` lives in the user-interface thread; calls are queued to it.
    // By default the application object.
    explicit UiThreadCaller(QObject* uiContext = nullptr);
    UiThreadCaller(const UiThreadCaller&) = delete;
    UiThreadCaller& operator=(const UiThreadCaller&) = delete;

    // From the worker: runs `fn` in the user-interface thread and waits for
    // it. Called from the user-interface thread itself, runs `fn` directly.
    Outcome call(const std::function<void()>& fn);

    // From any thread, once and for good: the current call and every later
    // one return Abandoned without waiting.
    void abandon();

private:
    struct Ticket;

    QObject* context_;
    std::mutex lock_;
    bool abandoned_ = false;
    std::shared_ptr<Ticket> current_;
};
