// The folder change monitor from the main window's side: starting and ending
// it, handing it the current folder, and the two requests it sends, which
// run here in the user-interface thread while the monitor waits.
#include "app/handover.h"
#include "app/mainunit.h"
#include "platform/fileerror.h"
#include "platform/prompt.h"
#include "search/foldermonitor.h"
#include "search/monitorrequests.h"

#include <QAction>

namespace {

class TMonitorHost final : public MonitorRequests {
public:
    explicit TMonitorHost(TMF& owner) : owner_(owner) {}

    void refreshRequest() override { owner_.FolderRefreshRequest(); }
    void handoverRequest() override { owner_.ReadHandoverFile(); }

private:
    TMF& owner_;
};

}  // namespace

void TMF::StartFolderMonitor() {
    if (!MonitorHost) MonitorHost = std::make_unique<TMonitorHost>(*this);
    FolderMonitor = std::make_unique<::FolderMonitor>(*MonitorHost, Settings.CurrentFolder, Settings.AppFolder);
}

// Joins the thread; a request it still waits for is dropped, never run.
void TMF::StopFolderMonitor() { FolderMonitor.reset(); }

// A monitor that has ended by itself (a folder it could not watch) is only
// released, never handed anything; a fresh one starts on the new folder, so
// that one missing folder does not stop hand-overs for the rest of the run.
void TMF::RetargetMonitor(const QString& folder) {
    if (!FolderMonitor) return;  // not started yet, or already stopped
    if (FolderMonitor->hasEnded()) {
        FolderMonitor.reset();
        FolderMonitor = std::make_unique<::FolderMonitor>(*MonitorHost, folder, Settings.AppFolder);
        return;
    }
    FolderMonitor->RetargetMonitor(folder);
}

void TMF::FolderRefreshRequest() {
    if (AutoRefreshTree) ActionList1.ActionVew->trigger();
}

// A name handed over while another is being opened is taken in the same
// request, a few rounds at most: the monitor counts changes made during its
// request as answered.
void TMF::ReadHandoverFile() {
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        const std::optional<HandoverSnapshot> seen = ReadHandover(Settings.AppFolder);
        if (!seen) return;
        // A file that cannot be read is reported as any failed open is; the
        // reset still follows, or the same name would come back at every
        // change of the folder.
        if (seen->fileName != kHandoverNothing) runGuarded([&] { OpenDocument(seen->fileName, true); });
        try {
            if (ResetHandoverFile(Settings.AppFolder, *seen)) return;
        } catch (const FileError& error) {
            // A program folder that cannot be written, say; the next change tries again.
            qWarning("%s", error.what());
            return;
        }
    }
}
