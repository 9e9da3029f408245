// Compile and run: the compile batch file, the host program with its run
// control file, and the two help documents. Everything is started through
// the shell and never waited for; nothing is saved first.
#include "app/mainunit.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/textfile.h"

namespace {

constexpr const char* kRunControlName = "kioro.rc";
constexpr const char* kRunControlKey = "H001currentkio=";

// Tells the host which definition file to load: one line in the host's
// folder, replacing whatever the file held before.
void writeRunControl(const QString& hostFolder, const QString& kioFile) {
    textfile::saveLines(hostFolder + kRunControlName, {kRunControlKey + paths::fileNamePart(kioFile)});
}

}  // namespace

void TMF::MakeKioroExecute() {
    if (Settings.BatFile.isEmpty()) return;
    shell().open(paths::resolvePath(Settings.BatFile), {}, Settings.CurrentFolder);
}

void TMF::KioroExecuteExecute() {
    if (Settings.KioroFile.isEmpty() || Settings.KioFile.isEmpty()) return;
    const QString host = paths::resolvePath(Settings.KioroFile);
    const QString hostFolder = paths::folderPart(host);
    // A run control file that cannot be written throws: the host is not
    // started on a stale one.
    writeRunControl(hostFolder, Settings.KioFile);
    shell().open(host, {}, hostFolder);
}

void TMF::ShowLumHelpExecute() {
    if (Settings.LumHelpFile.isEmpty()) return;
    shell().open(paths::resolvePath(Settings.LumHelpFile), {}, Settings.CurrentFolder);
}

void TMF::HelpContents1Execute() {
    if (Settings.WinHelpFile.isEmpty()) return;
    shell().open(Settings.WinHelpFile, {}, Settings.AppFolder);
}
