#pragma once
// The folder change monitor: a worker thread that watches the current folder
// (so that the action tree follows files created, renamed or written there)
// and the program folder (where a second instance drops the hand-over file),
// in turns of 100 ms. It never touches the user interface: it asks its owner,
// through MonitorRequests run synchronously in the user-interface thread.
//
// A turn: if a retarget is pending, reopen both watches and start the next
// turn; otherwise wait up to 100 ms for either folder, send the refresh
// request for a change in the watched folder and the hand-over request for a
// change in the program folder (both when the two are one folder), then
// re-arm the watches whose requests ran: changes made while a request runs
// in its own folder are taken as answered, changes in the other folder come
// up in the next turn. Once a retarget is pending, the rest of the turn sends
// nothing and re-arms nothing. After a failed turn or a failed reopen nothing
// is watched and nothing asked until a retarget opens both folders again.
//
// Owners use it through FolderMonitor, which keeps an ended monitor out of
// reach and joins the thread on destruction.
#include "search/uithreadcaller.h"

#include <QString>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

class FolderWatch;
class MonitorRequests;

// True when both name the same folder once a trailing "/" is removed from
// each; letters are compared exactly.
bool isSameFolder(const QString& a, const QString& b);

class GetChangeFolder : public QThread {
public:
    // Created in the user-interface thread, not yet started. `requests` must
    // outlive the thread.
    GetChangeFolder(const QString& watchFolder, MonitorRequests& requests);
    // Asks the thread to end and joins it.
    ~GetChangeFolder() override;

    // The program's folder; the folder of the executable until set.
    void setProgramFolder(const QString& folder);

    // A new folder to watch, taken whole at the start of the next turn.
    void RetargetMonitor(const QString& folder);

    // The termination request: seen within one turn, and at once by a wait
    // for a request, which is then dropped.
    void requestStop();

protected:
    void run() override;

private:
    enum class Turn { Continue, Failed, Stopped };

    bool openWatches();
    bool takeRestart(QString& watchFolder, QString& programFolder);
    void reopenWatches(const QString& watchFolder, const QString& programFolder);
    void closeWatches();
    Turn watchTurn();
    void idleTurn();
    Turn send(void (MonitorRequests::*request)());
    void reportFailure();
    bool restartPending();
    bool stopRequested();

    MonitorRequests& requests_;
    UiThreadCaller caller_;

    // Shared with the user-interface thread, under lock_.
    std::mutex lock_;
    std::condition_variable wake_;
    QString WatchFolder;
    QString ProgramFolder;
    bool RestartWatch = false;
    bool stop_ = false;

    // The worker's own.
    std::unique_ptr<FolderWatch> watch_;
    std::unique_ptr<FolderWatch> program_;
    bool sameFolder_ = false;
};
