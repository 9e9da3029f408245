#pragma once
// The folder change monitor from the main window's side: starting and ending
// it, handing it the current folder, and the two requests it sends, which run
// here in the user-interface thread while the monitor waits.
#include "search/monitorrequests.h"

#include <QString>

#include <memory>

class FolderMonitor;
class TMF;

class TMonitorHost final : public MonitorRequests {
public:
    explicit TMonitorHost(TMF& window);
    ~TMonitorHost() override;

    void Start(const QString& currentFolder, const QString& appFolder);
    // Joins the thread; a request it still waits for is dropped, never run.
    void Stop();
    void RetargetMonitor(const QString& folder);
    // Nothing before Start and after Stop.
    ::FolderMonitor* Monitor() const { return monitor_.get(); }

    // Rebuilds the action tree; while the window holds rebuilds back (Save
    // All asking for a file name, say), once it lets them go again.
    void refreshRequest() override;
    // Opens the file a second instance handed over, then resets the file.
    void handoverRequest() override;

private:
    TMF& window_;
    void retryHeldBackRefresh();

    QString appFolder_;
    std::unique_ptr<::FolderMonitor> monitor_;
    bool refreshHeldBack_ = false;
};
