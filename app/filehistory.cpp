// Ways into OpenDocument besides the open dialog: the file history under the
// File menu and files dropped on the window.
#include "app/mainunit.h"
#include "components/dropdst.h"
#include "components/openfilehistories.h"
#include "platform/prompt.h"
#include "settings/storedvalues.h"

#include <QMenu>

void TMF::buildFileSources() {
    OFH = new TOpenFileHistories(this);
    OFH->SetMenu(Menus.ReOpen);
    connect(OFH, &TOpenFileHistories::openFile, this,
            [this](const QString& file) { runGuarded([&] { OFHOpenFile(file); }); });

    DropDst1 = new TDropDst(this);
    // Opened once the drop is over: a message about a file must not hold up
    // the program the files were dragged from.
    connect(DropDst1, &TDropDst::fileDrop, this,
            [this](const QStringList& files) { runGuarded([&] { DropDst1FileDrop(files); }); },
            Qt::QueuedConnection);
}

void TMF::LoadFileHistory() {
    OFH->SetStorage(Settings.RegKey, stored::kFilesSection);
    OFH->ReadSection();
}

void TMF::AddToHistory(const QString& name) { OFH->Add(name); }

// Another run may have written the history since; the menu shows it.
void TMF::FileClick() { OFH->ReadSection(); }

void TMF::OFHOpenFile(const QString& file) { OpenDocument(file, true); }

void TMF::DropDst1FileDrop(const QStringList& files) {
    for (const QString& file : files) OpenDocument(file, true);
}
