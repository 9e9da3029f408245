#include "search/getchangefolder.h"

#include "search/folderwatch.h"
#include "search/monitorrequests.h"

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <poll.h>

namespace {

// Bounds the reaction to a retarget and to the termination request.
constexpr int kTurnMs = 100;

QString withoutTrailingSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder.chopped(1) : folder;
}

QString executableFolder()
{
    if (!QCoreApplication::instance())
        return QString();
    return QCoreApplication::applicationDirPath() + u'/';
}

}  // namespace

bool isSameFolder(const QString& a, const QString& b)
{
    return withoutTrailingSlash(a) == withoutTrailingSlash(b);
}

GetChangeFolder::GetChangeFolder(const QString& watchFolder, MonitorRequests& requests)
    : requests_(requests), WatchFolder(watchFolder), ProgramFolder(executableFolder())
{
}

GetChangeFolder::~GetChangeFolder()
{
    requestStop();
    wait();
}

void GetChangeFolder::setProgramFolder(const QString& folder)
{
    std::lock_guard guard(lock_);
    ProgramFolder = folder;
}

void GetChangeFolder::RetargetMonitor(const QString& folder)
{
    {
        std::lock_guard guard(lock_);
        WatchFolder = folder;
        RestartWatch = true;
    }
    wake_.notify_all();
}

void GetChangeFolder::requestStop()
{
    {
        std::lock_guard guard(lock_);
        stop_ = true;
    }
    wake_.notify_all();
    caller_.abandon();
    requestInterruption();
}

void GetChangeFolder::run()
{
    if (!openWatches()) {
        closeWatches();
        return;
    }
    while (!stopRequested()) {
        QString watchFolder;
        QString programFolder;
        if (takeRestart(watchFolder, programFolder))
            reopenWatches(watchFolder, programFolder);
        else if (!watch_ || !program_)
            idleTurn();
        else if (watchTurn() == Turn::Failed)
            reportFailure();
    }
    closeWatches();
}

bool GetChangeFolder::openWatches()
{
    QString watchFolder;
    QString programFolder;
    {
        std::lock_guard guard(lock_);
        watchFolder = WatchFolder;
        programFolder = ProgramFolder;
    }
    watch_ = FolderWatch::open(watchFolder);
    program_ = FolderWatch::open(programFolder);
    sameFolder_ = isSameFolder(watchFolder, programFolder);
    return watch_ && program_;
}

// The folder and the flag are taken in one step, so a retarget arriving while
// the watches are reopened is not lost but handled in the next turn.
bool GetChangeFolder::takeRestart(QString& watchFolder, QString& programFolder)
{
    std::lock_guard guard(lock_);
    if (!RestartWatch)
        return false;
    RestartWatch = false;
    watchFolder = WatchFolder;
    programFolder = ProgramFolder;
    return true;
}

// Half a pair is closed too: no requests until a retarget opens both.
void GetChangeFolder::reopenWatches(const QString& watchFolder, const QString& programFolder)
{
    closeWatches();
    watch_ = FolderWatch::open(watchFolder);
    program_ = FolderWatch::open(programFolder);
    sameFolder_ = isSameFolder(watchFolder, programFolder);
    if (!watch_ || !program_)
        closeWatches();
}

void GetChangeFolder::closeWatches()
{
    watch_.reset();
    program_.reset();
}

// A watch is re-armed only after its request has run, taking with it what the
// request itself wrote (the hand-over reset, say). The other folder keeps
// whatever changed there meanwhile for the next turn, so a hand-over file
// written during a tree rebuild is still read. When both folders changed,
// both requests are sent.
GetChangeFolder::Turn GetChangeFolder::watchTurn()
{
    pollfd fds[2] = {{watch_->descriptor(), POLLIN, 0}, {program_->descriptor(), POLLIN, 0}};
    const int ready = ::poll(fds, 2, kTurnMs);
    if (ready < 0 && errno != EINTR)
        return Turn::Failed;
    if (ready <= 0)
        return Turn::Continue;
    if ((fds[0].revents | fds[1].revents) & (POLLERR | POLLNVAL))
        return Turn::Failed;
    bool watchChanged = fds[0].revents & POLLIN;
    bool programChanged = fds[1].revents & POLLIN;
    if (sameFolder_)
        watchChanged = programChanged = watchChanged || programChanged;

    if (watchChanged && !restartPending()) {
        if (const Turn turn = send(&MonitorRequests::refreshRequest); turn != Turn::Continue)
            return turn;
    }
    if (programChanged && !restartPending()) {
        if (const Turn turn = send(&MonitorRequests::handoverRequest); turn != Turn::Continue)
            return turn;
    }
    if (watchChanged && !restartPending() && !watch_->rearm())
        return Turn::Failed;
    if (programChanged && !restartPending() && !program_->rearm())
        return Turn::Failed;
    return Turn::Continue;
}

// Nothing is watched (a reopen failed, or a turn did): wait for a retarget.
void GetChangeFolder::idleTurn()
{
    std::unique_lock guard(lock_);
    wake_.wait_for(guard, std::chrono::milliseconds(kTurnMs),
                   [this] { return stop_ || RestartWatch; });
}

// Captures only the owner, never this thread object: a request may still be
// running in the user-interface thread after the thread has given it up.
GetChangeFolder::Turn GetChangeFolder::send(void (MonitorRequests::*request)())
{
    MonitorRequests* owner = &requests_;
    switch (caller_.call([owner, request] { (owner->*request)(); })) {
    case UiThreadCaller::Outcome::Done:
        return Turn::Continue;
    case UiThreadCaller::Outcome::Failed:
        return Turn::Failed;
    case UiThreadCaller::Outcome::Abandoned:
        break;
    }
    return Turn::Stopped;
}

void GetChangeFolder::reportFailure()
{
    closeWatches();
    send(&MonitorRequests::unexpectedFailure);
}

bool GetChangeFolder::restartPending()
{
    std::lock_guard guard(lock_);
    return RestartWatch;
}

bool GetChangeFolder::stopRequested()
{
    std::lock_guard guard(lock_);
    return stop_;
}
