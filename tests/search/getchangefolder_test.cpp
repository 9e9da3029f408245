#include "search/foldermonitor.h"
#include "search/getchangefolder.h"
#include "search/monitorrequests.h"
#include "tests/support/scriptedprompts.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// Counts the requests; a test may hook extra work into the first two. The
// failure notice goes on to the prompt service as in the program.
class RecordingRequests : public MonitorRequests {
public:
    int refreshes = 0;
    int handovers = 0;
    int failures = 0;
    std::function<void()> onRefresh;
    std::function<void()> onHandover;

    void refreshRequest() override
    {
        ++refreshes;
        if (onRefresh)
            onRefresh();
    }
    void handoverRequest() override
    {
        ++handovers;
        if (onHandover)
            onHandover();
    }
    void unexpectedFailure() override
    {
        ++failures;
        MonitorRequests::unexpectedFailure();
    }

    int total() const { return refreshes + handovers + failures; }
    void reset() { refreshes = handovers = failures = 0; }
};

void writeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write("x\r\n");
}

class GetChangeFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        QDir root(temp.path());
        ASSERT_TRUE(root.mkdir("current") && root.mkdir("other") && root.mkdir("program"));
    }

    QString folder(const QString& name) const { return temp.path() + '/' + name + '/'; }

    void start(const QString& watch, const QString& program)
    {
        monitor = std::make_unique<FolderMonitor>(requests, watch, program);
    }

    // Touches a file in `dir` until the monitor answers with `counter`, so
    // that the test knows the watch is open; then forgets what was counted.
    void waitUntilWatched(const QString& dir, const int& counter)
    {
        const bool answered = pumpUntil([&] {
            writeFile(dir + "primer.txt");
            pumpFor(40);
            return counter > 0;
        });
        ASSERT_TRUE(answered) << dir.toStdString();
        pumpFor(150);
        requests.reset();
    }

    QTemporaryDir temp;
    ScriptedPrompts prompts;  // an unexpected failure notice fails the test
    RecordingRequests requests;
    std::unique_ptr<FolderMonitor> monitor;
};

TEST(IsSameFolder, IgnoresOneTrailingSlashOnEitherSide)
{
    EXPECT_TRUE(isSameFolder("/a/b/", "/a/b"));
    EXPECT_TRUE(isSameFolder("/a/b", "/a/b/"));
    EXPECT_TRUE(isSameFolder("/a/b/", "/a/b/"));
    EXPECT_FALSE(isSameFolder("/a/B/", "/a/b/"));
    EXPECT_FALSE(isSameFolder("/a/b//", "/a/b"));
    EXPECT_FALSE(isSameFolder("/a/bc", "/a/b"));
}

TEST_F(GetChangeFolderTest, AFileCreatedInTheWatchedFolderAsksForOneRefresh)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    writeFile(folder("current") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes > 0; }));
    pumpFor(300);
    EXPECT_EQ(requests.refreshes, 1);
    EXPECT_EQ(requests.handovers, 0);
    EXPECT_EQ(requests.failures, 0);
}

TEST_F(GetChangeFolderTest, RenameAndDeleteInTheWatchedFolderAskForRefresh)
{
    writeFile(folder("current") + "a.lum");
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    ASSERT_TRUE(QFile::rename(folder("current") + "a.lum", folder("current") + "b.lum"));
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes == 1; }));
    ASSERT_TRUE(QFile::remove(folder("current") + "b.lum"));
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes == 2; }));
}

TEST_F(GetChangeFolderTest, AChangeInASubfolderIsNotWatched)
{
    ASSERT_TRUE(QDir(folder("current")).mkdir("sub"));
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    writeFile(folder("current") + "sub/deep.lum");
    pumpFor(300);
    EXPECT_EQ(requests.total(), 0);
}

TEST_F(GetChangeFolderTest, AChangeInTheProgramFolderAsksForOneHandover)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("program"), requests.handovers);

    writeFile(folder("program") + "_quodex.ssf");
    ASSERT_TRUE(pumpUntil([&] { return requests.handovers > 0; }));
    pumpFor(300);
    EXPECT_EQ(requests.handovers, 1);
    EXPECT_EQ(requests.refreshes, 0);
}

TEST_F(GetChangeFolderTest, ChangesInBothFoldersAskForBothRequestsOnce)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("program"), requests.handovers);
    waitUntilWatched(folder("current"), requests.refreshes);

    writeFile(folder("current") + "new.lum");
    writeFile(folder("program") + "_quodex.ssf");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes > 0 && requests.handovers > 0; }));
    pumpFor(300);
    EXPECT_EQ(requests.refreshes, 1);
    EXPECT_EQ(requests.handovers, 1);
}

// A second instance may drop its hand-over file while the tree is rebuilt.
TEST_F(GetChangeFolderTest, AChangeInTheOtherFolderDuringARequestIsNotLost)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);
    requests.onRefresh = [&] {
        requests.onRefresh = nullptr;
        writeFile(folder("program") + "_quodex.ssf");
    };
    requests.onHandover = [&] {
        requests.onHandover = nullptr;
        writeFile(folder("current") + "opened.lum");
    };

    writeFile(folder("current") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes == 2; }));
    pumpFor(300);
    EXPECT_EQ(requests.refreshes, 2);
    EXPECT_EQ(requests.handovers, 1);
}

TEST_F(GetChangeFolderTest, WhenTheCurrentFolderIsTheProgramFolderAChangeAsksForBoth)
{
    const QString same = folder("program");
    for (const QString& watch : {same, same.chopped(1)}) {
        SCOPED_TRACE(watch.toStdString());
        monitor.reset();
        start(watch, same);
        waitUntilWatched(same, requests.handovers);

        writeFile(same + "_quodex.ssf");
        ASSERT_TRUE(pumpUntil([&] { return requests.refreshes > 0 && requests.handovers > 0; }));
        pumpFor(300);
        EXPECT_EQ(requests.refreshes, 1);
        EXPECT_EQ(requests.handovers, 1);
    }
}

TEST_F(GetChangeFolderTest, WhatARequestWritesIsNotReportedAgain)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("program"), requests.handovers);
    requests.onHandover = [&] { writeFile(folder("program") + "_quodex.ssf"); };

    writeFile(folder("program") + "other.txt");
    ASSERT_TRUE(pumpUntil([&] { return requests.handovers > 0; }));
    pumpFor(300);
    EXPECT_EQ(requests.handovers, 1);
}

TEST_F(GetChangeFolderTest, ARetargetTakesEffectAtTheNextTurn)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    monitor->RetargetMonitor(folder("other"));
    waitUntilWatched(folder("other"), requests.refreshes);

    writeFile(folder("current") + "old.lum");
    pumpFor(300);
    EXPECT_EQ(requests.total(), 0);

    writeFile(folder("other") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes > 0; }));
    pumpFor(200);
    EXPECT_EQ(requests.refreshes, 1);
}

TEST_F(GetChangeFolderTest, ARetargetDuringARequestDropsTheRestOfThatTurn)
{
    const QString same = folder("program");
    start(same, same);
    waitUntilWatched(same, requests.refreshes);
    requests.onRefresh = [&] {
        monitor->RetargetMonitor(folder("other"));
        requests.onRefresh = nullptr;
    };

    writeFile(same + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes > 0; }));
    pumpFor(300);
    EXPECT_EQ(requests.refreshes, 1);
    EXPECT_EQ(requests.handovers, 0);  // would follow for the same folder

    writeFile(folder("other") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes == 2; }));
}

TEST_F(GetChangeFolderTest, AfterAFailedReopenNothingIsAskedUntilARetargetSucceeds)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    monitor->RetargetMonitor(folder("missing"));
    pumpFor(300);
    writeFile(folder("program") + "_quodex.ssf");
    writeFile(folder("current") + "x.lum");
    pumpFor(300);
    EXPECT_EQ(requests.total(), 0);
    EXPECT_FALSE(monitor->hasEnded());

    monitor->RetargetMonitor(folder("other"));
    waitUntilWatched(folder("other"), requests.refreshes);
    writeFile(folder("program") + "_quodex.ssf");
    EXPECT_TRUE(pumpUntil([&] { return requests.handovers == 1; }));
}

TEST_F(GetChangeFolderTest, AFailingRequestIsReportedOnceAndWatchingPausesUntilARetarget)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);
    requests.onRefresh = [] { throw std::runtime_error("tree rebuild failed"); };
    prompts.answerMessageBox(IdOk);

    writeFile(folder("current") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.failures > 0; }));
    pumpFor(200);
    EXPECT_EQ(requests.failures, 1);
    ASSERT_EQ(prompts.calls().size(), 1u);
    EXPECT_EQ(prompts.calls()[0].text, "予期せぬエラーが発生しました");
    EXPECT_EQ(prompts.calls()[0].flags, mb::Ok);

    requests.onRefresh = nullptr;
    requests.reset();
    writeFile(folder("current") + "again.lum");
    writeFile(folder("program") + "_quodex.ssf");
    pumpFor(300);
    EXPECT_EQ(requests.total(), 0);

    monitor->RetargetMonitor(folder("current"));
    waitUntilWatched(folder("current"), requests.refreshes);
}

TEST_F(GetChangeFolderTest, AFolderThatCannotBeWatchedEndsTheMonitorForGood)
{
    struct Case {
        const char* name;
        QString watch;
        QString program;
    };
    const Case cases[] = {
        {"missing watched folder", folder("missing"), folder("program")},
        {"missing program folder", folder("current"), folder("missing")},
        {"empty watched folder name", QString(), folder("program")},
        {"a file, not a folder", folder("program") + "file.txt", folder("program")},
    };
    writeFile(folder("program") + "file.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        requests.reset();
        start(c.watch, c.program);
        ASSERT_TRUE(pumpUntil([&] { return monitor->hasEnded(); }));

        monitor->RetargetMonitor(folder("current"));
        writeFile(folder("current") + "new.lum");
        writeFile(folder("program") + "_quodex.ssf");
        pumpFor(250);
        EXPECT_EQ(requests.total(), 0);
        monitor.reset();
    }
}

TEST_F(GetChangeFolderTest, StopEndsAnIdleMonitorWithinATurn)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    QElapsedTimer timer;
    timer.start();
    monitor->stop();
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_TRUE(monitor->hasEnded());
}

TEST_F(GetChangeFolderTest, StopFromInsideARequestDoesNotWaitForIt)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);
    qint64 stopTook = -1;
    requests.onRefresh = [&] {
        QElapsedTimer timer;
        timer.start();
        monitor->stop();
        stopTook = timer.elapsed();
    };

    writeFile(folder("current") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return requests.refreshes > 0; }));
    EXPECT_GE(stopTook, 0);
    EXPECT_LT(stopTook, 500);
    EXPECT_TRUE(monitor->hasEnded());
}

TEST_F(GetChangeFolderTest, StopDuringARequestThatRunsItsOwnEventLoop)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);
    qint64 stopTook = -1;
    requests.onRefresh = [&] {
        QEventLoop loop;
        QTimer::singleShot(30, [&] {
            QElapsedTimer timer;
            timer.start();
            monitor.reset();
            stopTook = timer.elapsed();
        });
        QTimer::singleShot(150, &loop, &QEventLoop::quit);
        loop.exec();
    };

    writeFile(folder("current") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return stopTook >= 0; }));
    EXPECT_LT(stopTook, 500);
    EXPECT_EQ(monitor, nullptr);
}

TEST_F(GetChangeFolderTest, StopWhileARequestWaitsInTheQueueDropsIt)
{
    start(folder("current"), folder("program"));
    waitUntilWatched(folder("current"), requests.refreshes);

    writeFile(folder("current") + "new.lum");
    QThread::msleep(200);  // the monitor has asked; no events delivered yet
    QElapsedTimer timer;
    timer.start();
    monitor.reset();
    EXPECT_LT(timer.elapsed(), 500);

    pumpFor(100);
    EXPECT_EQ(requests.total(), 0);
}

}  // namespace
