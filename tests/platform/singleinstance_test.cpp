#include "platform/singleinstance.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("Quodex_by_Moravel");

// Another instance in its own process. It reports 'f' when it is the first
// instance and 'o' when it saw another one, then lives until told to end
// (its control pipe closes) or killed. With `execAfterLock` it replaces
// itself by a shell that sleeps, as a started program would keep running.
class OtherProcess {
public:
    OtherProcess(const QString& folder, bool execAfterLock = false)
    {
        int report[2];
        int control[2];
        if (::pipe(report) != 0 || ::pipe(control) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(report[0]);
            ::close(control[1]);
            SingleInstanceLock lock(kName, folder);
            const char answer = lock.otherInstanceRunning() ? 'o' : 'f';
            (void)!::write(report[1], &answer, 1);
            if (execAfterLock)
                ::execl("/bin/sh", "sh", "-c", "exec sleep 30", static_cast<char*>(nullptr));
            char byte;
            while (::read(control[0], &byte, 1) > 0) {
            }
            ::_exit(0);  // no destructors: the kernel must drop the lock
        }
        ::close(report[1]);
        ::close(control[0]);
        control_ = control[1];
        if (::read(report[0], &answer_, 1) != 1)
            answer_ = '?';
        ::close(report[0]);
    }
    ~OtherProcess() { kill(); }

    char answer() const { return answer_; }

    void endNormally()
    {
        if (control_ >= 0)
            ::close(control_);
        control_ = -1;
        reap();
    }
    void kill()
    {
        if (pid_ > 0)
            ::kill(pid_, SIGKILL);
        endNormally();
    }

private:
    void reap()
    {
        if (pid_ > 0)
            ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    pid_t pid_ = -1;
    int control_ = -1;
    char answer_ = '?';
};

TEST(SingleInstanceLockTest, TheSecondInstanceSeesTheFirstUntilItEnds)
{
    QTemporaryDir dir;
    {
        OtherProcess first(dir.path());
        ASSERT_EQ(first.answer(), 'f');
        const SingleInstanceLock second(kName, dir.path());
        EXPECT_TRUE(second.otherInstanceRunning());
        EXPECT_EQ(second.lockFilePath(), dir.filePath(kName));
        first.endNormally();
    }
    const SingleInstanceLock third(kName, dir.path());
    EXPECT_FALSE(third.otherInstanceRunning());

    // Now this process is the first; another process sees it.
    OtherProcess fourth(dir.path());
    EXPECT_EQ(fourth.answer(), 'o');
}

TEST(SingleInstanceLockTest, AKilledInstanceLeavesNoStaleLock)
{
    QTemporaryDir dir;
    OtherProcess first(dir.path());
    ASSERT_EQ(first.answer(), 'f');
    first.kill();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(kName)));
    const SingleInstanceLock next(kName, dir.path());
    EXPECT_FALSE(next.otherInstanceRunning());
}

TEST(SingleInstanceLockTest, ProgramsStartedByTheInstanceDoNotKeepTheLock)
{
    QTemporaryDir dir;
    OtherProcess first(dir.path(), /*execAfterLock=*/true);
    ASSERT_EQ(first.answer(), 'f');
    // The lock must go with the exec, while the started shell sleeps on.
    bool free = false;
    QElapsedTimer clock;
    clock.start();
    while (!free && clock.elapsed() < 5000) {
        free = !SingleInstanceLock(kName, dir.path()).otherInstanceRunning();
        if (!free)
            QThread::msleep(10);
    }
    EXPECT_TRUE(free);
}

TEST(SingleInstanceLockTest, WithinOneProcessASecondLockSeesTheFirst)
{
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstanceLock>(kName, dir.path());
    EXPECT_FALSE(first->otherInstanceRunning());
    EXPECT_TRUE(SingleInstanceLock(kName, dir.path()).otherInstanceRunning());
    first.reset();
    EXPECT_FALSE(SingleInstanceLock(kName, dir.path()).otherInstanceRunning());
}

TEST(SingleInstanceLockTest, AnUnusableFolderLetsTheProgramStart)
{
    QTemporaryDir dir;
    EXPECT_FALSE(SingleInstanceLock(kName, dir.filePath(QStringLiteral("no/such/folder")))
                     .otherInstanceRunning());
}

}  // namespace
