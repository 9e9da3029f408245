// The folder change monitor working for the real window: changes in the
// current folder reach the action viewer's redraw, a hand-over file dropped
// in the program folder opens its document, and ending the window ends the
// monitor. Real folders, a real monitor thread.
#include "app/dirlistbox.h"
#include "app/handover.h"
#include "app/monitorhost.h"
#include "platform/filebytes.h"
#include "platform/regini.h"
#include "search/foldermonitor.h"
#include "tests/app/mainwindowfixture.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdio>
#include <thread>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

bool pumpUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void pumpFor(int ms) { pumpUntil([] { return false; }, ms); }

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write("x\r\n");
}

// Counts the times a file of a folder is opened, by anyone. (Identical
// events still unread are merged into one: read before the next one comes.)
class OpenCounter {
public:
    OpenCounter(const QString& folder, const QString& name) : name_(name.toUtf8()) {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenCounter() { ::close(fd_); }
    OpenCounter(const OpenCounter&) = delete;
    OpenCounter& operator=(const OpenCounter&) = delete;

    int count() {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t length = ::read(fd_, buffer, sizeof buffer);
            if (length <= 0) return count_;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && name_ == event->name) ++count_;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }

private:
    int fd_ = -1;
    QByteArray name_;
    int count_ = 0;
};

class MonitorHostTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkpath("current") && QDir(work.path()).mkpath("other"));
    }

    QString folder(const QString& name) const { return work.path() + "/" + name + "/"; }
    QString handoverFile() const { return appFolder.filePath(kHandoverFileName); }

    // Starts the window in `current`, with ActionVew standing for the action
    // viewer that will answer it, counting its redraws.
    TMF& start(const QString& current) {
        TRegIniFile("\\Software\\Telsor\\Quodex").WriteString("Path", "Path", current);
        TMF& window = showWindow();
        window.ActionList1.ActionVew->setEnabled(true);
        QObject::connect(window.ActionList1.ActionVew, &QAction::triggered, [this] { ++redraws; });
        redraws = 0;
        return window;
    }

    // Touches files in the current folder until a redraw shows that the
    // monitor watches it, then forgets the redraws.
    void waitUntilWatching() {
        ASSERT_TRUE(pumpUntil([&] {
            touch(mf->Settings.CurrentFolder + "primer.txt");
            pumpFor(50);
            return redraws > 0;
        }));
        pumpFor(200);
        redraws = 0;
    }

    QString makeSource(const QString& name) {
        const QString path = folder("other") + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("action a\r\n");
        return path;
    }

    QTemporaryDir work;
    int redraws = 0;
};

TEST_F(MonitorHostTest, AChangeInTheCurrentFolderRedrawsTheViewerOnceAllowed) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();

    touch(folder("current") + "new.lum");
    ASSERT_TRUE(pumpUntil([&] { return redraws > 0; }));
    pumpFor(300);
    EXPECT_EQ(redraws, 1);

    // As while Save All writes its files: none then, one once it is done.
    mf.AutoRefreshTree = false;
    redraws = 0;
    touch(folder("current") + "saved.lum");
    touch(folder("current") + "saved2.lum");
    pumpFor(500);
    EXPECT_EQ(redraws, 0);
    mf.AutoRefreshTree = true;
    EXPECT_TRUE(pumpUntil([&] { return redraws > 0; }));
    pumpFor(300);
    EXPECT_EQ(redraws, 1);
}

TEST_F(MonitorHostTest, MovingTheFolderExplorerMovesTheWatch) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();

    mf.DirList->SetDirectory(folder("other"));
    EXPECT_EQ(mf.Settings.CurrentFolder, folder("other"));
    EXPECT_EQ(redraws, 1);  // the explorer's own redraw
    pumpFor(300);           // the retarget is taken at the next turn
    redraws = 0;

    touch(folder("current") + "old.lum");
    pumpFor(400);
    EXPECT_EQ(redraws, 0);
    touch(folder("other") + "new.lum");
    EXPECT_TRUE(pumpUntil([&] { return redraws > 0; }));
}

TEST_F(MonitorHostTest, AHandoverOpensTheDocumentAndItsResetIsNotReadAgain) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();
    const QString source = makeSource("handed.lum");
    OpenCounter opens(appFolder.path(), kHandoverFileName);

    WriteHandoverFile(appFolder.path(), source);

    ASSERT_TRUE(pumpUntil([&] { return mf.DocNames().contains(source); }));
    EXPECT_EQ(mf.DocNames(), QStringList{source});  // in the untitled tab
    EXPECT_EQ(mf.Settings.CurrentFolder, folder("other"));
    EXPECT_TRUE(pumpUntil([&] { return filebytes::read(handoverFile()) == "FileName=<NULL\r\n"; }));
    pumpFor(300);
    const int afterReset = opens.count();
    pumpFor(1000);
    EXPECT_EQ(opens.count(), afterReset) << "the reset woke the reader again";
}

// A second instance writes a temporary file first and renames it when it is
// done: the monitor is woken before the hand-over file exists.
TEST_F(MonitorHostTest, AWriterStillFinishingWhenTheReaderWakesIsRead) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();
    const QString source = makeSource("slow.lum");
    const QString temporary = appFolder.filePath(".slow.tmp");
    bool createdUnderTheWriter = false;

    std::thread writer([&] {
        QFile file(temporary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("FileName=" + QFile::encodeName(source) + "\r\n");
        file.flush();
        QThread::msleep(40);
        file.close();
        createdUnderTheWriter = QFileInfo::exists(handoverFile());
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(handoverFile()).constData());
    });
    const bool opened = pumpUntil([&] { return mf.DocNames().contains(source); });
    writer.join();

    EXPECT_TRUE(opened);
    EXPECT_TRUE(pumpUntil([&] { return filebytes::read(handoverFile()) == "FileName=<NULL\r\n"; }));
    // The reader waited for the writer instead of creating the file under it.
    EXPECT_FALSE(createdUnderTheWriter);
}

TEST_F(MonitorHostTest, TwoQuickHandoversOpenAtLeastTheLast) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();
    const QString first = makeSource("first.lum");
    const QString second = makeSource("second.lum");

    WriteHandoverFile(appFolder.path(), first);
    WriteHandoverFile(appFolder.path(), second);

    ASSERT_TRUE(pumpUntil([&] { return mf.DocNames().contains(second); }));
    pumpFor(400);
    EXPECT_EQ(filebytes::read(handoverFile()), "FileName=<NULL\r\n");
}

TEST_F(MonitorHostTest, AHandoverOfAMissingFileIsReportedAndReset) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();
    prompts.expectError();

    WriteHandoverFile(appFolder.path(), folder("other") + "missing.lum");

    ASSERT_TRUE(pumpUntil([&] { return filebytes::read(handoverFile()) == "FileName=<NULL\r\n"; }));
    EXPECT_EQ(mf.DocNames(), QStringList{""});
    EXPECT_EQ(prompts.callsOf(PromptKind::Error).at(0).text,
              "ファイル \"" + folder("other") + "missing.lum\" を読み込めません: ファイルまたはフォルダが見つかりません");
}

TEST_F(MonitorHostTest, WhenTheProgramFolderIsCurrentAChangeThereDoesBoth) {
    TMF& mf = start(appFolder.path());
    waitUntilWatching();
    const QString source = makeSource("here.lum");

    WriteHandoverFile(appFolder.path(), source);

    ASSERT_TRUE(pumpUntil([&] { return mf.DocNames().contains(source); }));
    EXPECT_GE(redraws, 1);
}

// The window goes while the monitor waits for a redraw the user-interface
// thread has not run: the wait is given up, the thread joined at once, and
// the dropped request never reaches the freed window.
TEST_F(MonitorHostTest, EndingTheWindowWhileARequestWaitsDoesNotHang) {
    start(folder("current"));
    waitUntilWatching();

    touch(folder("current") + "pending.lum");
    QThread::msleep(400);  // the monitor has asked and waits
    QElapsedTimer timer;
    timer.start();
    mf.reset();
    EXPECT_LT(timer.elapsed(), 1000);
    pumpFor(200);
    EXPECT_EQ(redraws, 0);
}

TEST_F(MonitorHostTest, AMonitorThatCouldNotWatchIsReplacedAtTheNextFolder) {
    TMF& mf = start(folder("missing"));
    ASSERT_NE(mf.MonitorHost->Monitor(), nullptr);
    ASSERT_TRUE(pumpUntil([&] { return mf.MonitorHost->Monitor()->hasEnded(); }));

    mf.DirList->SetDirectory(folder("current"));

    ASSERT_NE(mf.MonitorHost->Monitor(), nullptr);
    EXPECT_FALSE(mf.MonitorHost->Monitor()->hasEnded());
    const QString source = makeSource("after.lum");
    pumpFor(200);
    WriteHandoverFile(appFolder.path(), source);
    EXPECT_TRUE(pumpUntil([&] { return mf.DocNames().contains(source); }));
}

TEST_F(MonitorHostTest, ClosingTheWindowEndsTheMonitor) {
    TMF& mf = start(folder("current"));
    waitUntilWatching();
    EXPECT_TRUE(mf.close());
    EXPECT_EQ(mf.MonitorHost->Monitor(), nullptr);
    touch(folder("current") + "late.lum");
    pumpFor(300);
    EXPECT_EQ(redraws, 0);
}

}  // namespace
