#include "app/monitorhost.h"

#include "app/handover.h"
#include "app/mainunit.h"
#include "platform/fileerror.h"
#include "platform/prompt.h"
#include "search/foldermonitor.h"

#include <QAction>
#include <QTimer>

TMonitorHost::TMonitorHost(TMF& window) : window_(window) {}

TMonitorHost::~TMonitorHost() { Stop(); }

void TMonitorHost::Start(const QString& currentFolder, const QString& appFolder) {
    appFolder_ = appFolder;
    monitor_ = std::make_unique<::FolderMonitor>(*this, currentFolder, appFolder);
}

void TMonitorHost::Stop() { monitor_.reset(); }

// A monitor that has ended by itself (a folder it could not watch) is only
// released, never handed anything; a fresh one starts on the new folder, so
// that one missing folder does not stop hand-overs for the rest of the run.
void TMonitorHost::RetargetMonitor(const QString& folder) {
    if (!monitor_) return;  // not started yet, or already stopped
    if (monitor_->hasEnded()) {
        monitor_.reset();
        monitor_ = std::make_unique<::FolderMonitor>(*this, folder, appFolder_);
        return;
    }
    monitor_->RetargetMonitor(folder);
}

// The monitor counts a change as answered once its request has run: a
// rebuild held back now would otherwise never come.
void TMonitorHost::refreshRequest() {
    if (window_.AutoRefreshTree) {
        window_.ActionList1.ActionVew->trigger();
        return;
    }
    if (refreshHeldBack_) return;
    refreshHeldBack_ = true;
    retryHeldBackRefresh();
}

void TMonitorHost::retryHeldBackRefresh() {
    constexpr int kRetryMs = 200;
    QTimer::singleShot(kRetryMs, &window_, [this] {
        if (!window_.AutoRefreshTree) {
            retryHeldBackRefresh();
            return;
        }
        refreshHeldBack_ = false;
        window_.ActionList1.ActionVew->trigger();
    });
}

// A name handed over while another is being opened is taken in the same
// request, a few rounds at most: the monitor counts changes made during its
// request as answered.
void TMonitorHost::handoverRequest() {
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        const std::optional<HandoverSnapshot> seen = ReadHandover(appFolder_);
        if (!seen) return;
        // A file that cannot be read is reported as any failed open is; the
        // reset still follows, or the same name would come back at every
        // change of the folder.
        if (!seen->fileName.isEmpty() && seen->fileName != kHandoverNothing) {
            runGuarded([&] {
                requireExistingFile(seen->fileName);
                window_.OpenDocument(seen->fileName, true);
            });
        }
        try {
            if (ResetHandoverFile(appFolder_, *seen)) return;
        } catch (const FileError& error) {
            // A program folder that cannot be written, say; the next change tries again.
            qWarning("%s", error.what());
            return;
        }
    }
}
