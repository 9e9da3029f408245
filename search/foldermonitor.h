#pragma once
// The main window's handle on the folder change monitor (its FolderMonitor).
//
// The window holds this object instead of the thread itself because a
// monitor that could not open its watches at start has ended, and must never
// be reached again: RetargetMonitor is then a no-op. Whether a new monitor
// takes its place is the owner's choice (the main window starts one on the
// next folder it is given). Ending is a join, not a
// detached "terminate and forget": the thread's wait for a request gives up
// as soon as stop() asks it to, so joining takes at most one 100 ms turn and
// cannot deadlock, even when stop() runs inside a request the thread is
// waiting for (see UiThreadCaller).
//
// Create, use and destroy it in the user-interface thread, with the
// application object in place.
#include <QString>

#include <memory>

class GetChangeFolder;
class MonitorRequests;

class FolderMonitor {
public:
    // Starts watching `watchFolder` and `programFolder`; `requests` must
    // outlive this object.
    FolderMonitor(MonitorRequests& requests, const QString& watchFolder,
                  const QString& programFolder);
    // stop().
    ~FolderMonitor();
    FolderMonitor(const FolderMonitor&) = delete;
    FolderMonitor& operator=(const FolderMonitor&) = delete;

    // Hands a new current folder to the running monitor; ignored once it
    // has ended.
    void RetargetMonitor(const QString& folder);

    // Asks the monitor to end and waits for it (about one turn at most).
    // A request not yet begun in the user-interface thread is dropped.
    void stop();

    // True once the monitor has ended: could not watch at start, or stopped.
    bool hasEnded() const;

private:
    std::unique_ptr<GetChangeFolder> thread_;
};
