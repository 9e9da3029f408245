#include "search/uithreadcaller.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QThread>

#include <atomic>
#include <chrono>
#include <future>
#include <stdexcept>

namespace {

using Outcome = UiThreadCaller::Outcome;

// Runs `caller.call(fn)` on a worker thread.
std::future<Outcome> callFromWorker(UiThreadCaller& caller, std::function<void()> fn)
{
    return std::async(std::launch::async, [&caller, fn] { return caller.call(fn); });
}

bool isReady(const std::future<Outcome>& f)
{
    return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

TEST(UiThreadCaller, RunsTheFunctionInTheUserInterfaceThreadAndWaitsForIt)
{
    UiThreadCaller caller;
    QThread* ranIn = nullptr;
    auto result = callFromWorker(caller, [&] { ranIn = QThread::currentThread(); });
    ASSERT_TRUE(pumpUntil([&] { return isReady(result); }));
    EXPECT_EQ(result.get(), Outcome::Done);
    EXPECT_EQ(ranIn, QCoreApplication::instance()->thread());
}

TEST(UiThreadCaller, AnExceptionIsReportedAsFailureNotPropagated)
{
    UiThreadCaller caller;
    auto result = callFromWorker(caller, [] { throw std::runtime_error("boom"); });
    ASSERT_TRUE(pumpUntil([&] { return isReady(result); }));
    EXPECT_EQ(result.get(), Outcome::Failed);
}

TEST(UiThreadCaller, AbandonWakesAWaitingWorkerAndTheQueuedCallIsSkipped)
{
    UiThreadCaller caller;
    std::atomic<int> runs = 0;
    auto result = callFromWorker(caller, [&] { ++runs; });
    QThread::msleep(50);  // queued, not delivered: no events pumped yet
    caller.abandon();
    ASSERT_EQ(result.wait_for(std::chrono::milliseconds(500)), std::future_status::ready);
    EXPECT_EQ(result.get(), Outcome::Abandoned);
    pumpFor(50);
    EXPECT_EQ(runs, 0);
}

TEST(UiThreadCaller, AbandonFromInsideTheCallReleasesTheWorkerBeforeTheCallEnds)
{
    UiThreadCaller caller;
    bool workerReleasedInside = false;
    std::future<Outcome> result;
    result = callFromWorker(caller, [&] {
        caller.abandon();
        workerReleasedInside = result.wait_for(std::chrono::milliseconds(500))
                               == std::future_status::ready;
    });
    ASSERT_TRUE(pumpUntil([&] { return isReady(result); }));
    EXPECT_TRUE(workerReleasedInside);
    EXPECT_EQ(result.get(), Outcome::Abandoned);
}

TEST(UiThreadCaller, CallsAfterAbandonReturnAtOnceWithoutRunning)
{
    UiThreadCaller caller;
    caller.abandon();
    bool ran = false;
    auto result = callFromWorker(caller, [&] { ran = true; });
    ASSERT_EQ(result.wait_for(std::chrono::milliseconds(500)), std::future_status::ready);
    EXPECT_EQ(result.get(), Outcome::Abandoned);
    pumpFor(20);
    EXPECT_FALSE(ran);
}

TEST(UiThreadCaller, CalledFromTheUserInterfaceThreadRunsDirectly)
{
    UiThreadCaller caller;
    bool ran = false;
    EXPECT_EQ(caller.call([&] { ran = true; }), Outcome::Done);
    EXPECT_TRUE(ran);
}

}  // namespace
