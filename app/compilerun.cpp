#include "app/compilerun.h"

#include "app/messages.h"
#include "platform/fileerror.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "settings/settingsrecord.h"

#include <QFileInfo>

#include <cerrno>

namespace {

constexpr const char* kRunControlName = "kioro.rc";
constexpr const char* kRunControlKey = "H001currentkio=";

// Tells the host which definition file to load: one line in the host's
// folder, replacing whatever the file held before.
void writeRunControl(const QString& hostFolder, const QString& kioFile) {
    textfile::saveLines(hostFolder + kRunControlName, {kRunControlKey + paths::fileNamePart(kioFile)});
}

// Starts or shows `target`; when nothing can, the error box says which file
// and why, instead of the command doing nothing.
void openOrThrow(const QString& target, const QString& workingFolder) {
    if (shell().open(target, {}, workingFolder)) return;
    if (!shellinternal::isAddress(target) && !QFileInfo::exists(target))
        throw FileError::fromErrno(FileError::Operation::Open, target, ENOENT);
    throw FileError(FileError::Operation::Open, target, AppMessageText(AppMessage::NothingOpensIt));
}

}  // namespace

void TCompileRun::KioroExecuteExecute() {
    if (settings_.KioroFile.isEmpty() || settings_.KioFile.isEmpty()) return;
    const QString host = paths::resolvePath(settings_.KioroFile);
    const QString hostFolder = paths::folderPart(host);
    // A run control file that cannot be written throws: the host is not
    // started on a stale one.
    writeRunControl(hostFolder, settings_.KioFile);
    openOrThrow(host, hostFolder);
}

void TCompileRun::ShowLumHelpExecute() {
    if (settings_.LumHelpFile.isEmpty()) return;
    openOrThrow(paths::resolvePath(settings_.LumHelpFile), settings_.CurrentFolder);
}

void TCompileRun::HelpContents1Execute() {
    if (settings_.WinHelpFile.isEmpty()) return;
    openOrThrow(settings_.WinHelpFile, settings_.AppFolder);
}
