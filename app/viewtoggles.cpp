// The View menu: showing and hiding the bars, the two viewer panels and the
// whole left panel. "Visible" here is what the window asks for (isHidden),
// so the answers are the same before the window is first shown.
#include "app/mainunit.h"
#include "output/compileoutput.h"
#include "search/actionviewer.h"
#include "settings/storedvalues.h"

#include <QAction>
#include <QDockWidget>
#include <QSplitter>
#include <QToolBar>

void TMF::toggleBar(QToolBar* bar, QAction* check) {
    bar->setVisible(bar->isHidden());
    check->setChecked(!bar->isHidden());
}

void TMF::show_standClick() { toggleBar(FileBar, ActionList1.show_stand); }
void TMF::show_debClick() { toggleBar(ComBar, ActionList1.show_deb); }
void TMF::show_kansuClick() { toggleBar(FunctionPalet, ActionList1.show_kansu); }
void TMF::show_findClick() { toggleBar(FindBar, ActionList1.show_find); }
void TMF::show_helpClick() { toggleBar(HelpBar, ActionList1.show_help); }

void TMF::show_outputClick() {
    QDockWidget* bar = CompileOutput->OutputBar;
    bar->setVisible(bar->isHidden());
    ActionList1.show_output->setChecked(!bar->isHidden());
}

void TMF::View1Click() {
    TActionList& a = ActionList1;
    a.show_stand->setChecked(!FileBar->isHidden());
    a.show_deb->setChecked(!ComBar->isHidden());
    a.show_kansu->setChecked(!FunctionPalet->isHidden());
    a.show_find->setChecked(!FindBar->isHidden());
    a.show_help->setChecked(!HelpBar->isHidden());
    a.show_output->setChecked(!CompileOutput->OutputBar->isHidden());
    a.ShowLeftBarM->setChecked(!LeftPanel->isHidden());
    a.ActionVewM->setChecked(!ActionViewPanel->isHidden());
    a.FolderExpM->setChecked(!FolderPanel->isHidden());
}

void TMF::ActionVewMClick() {
    if (!ActionViewPanel->isHidden()) {
        ActionList1.ActionVewM->setChecked(false);
        ActionViewPanel->hide();
        if (FolderPanel->isHidden()) ShowLeftBarMClick();
    } else {
        ActionList1.ActionVewM->setChecked(true);
        ActionViewPanel->show();
    }
}

void TMF::FolderExpMClick() {
    if (!FolderPanel->isHidden()) {
        ActionList1.FolderExpM->setChecked(false);
        hideFolderPanel();
        if (ActionViewPanel->isHidden()) ShowLeftBarMClick();
    } else {
        ActionList1.FolderExpM->setChecked(true);
        showFolderPanel();
    }
}

void TMF::ShowLeftBarMClick() {
    TActionList& a = ActionList1;
    if (!LeftPanel->isHidden()) {
        a.ShowLeftBarM->setChecked(false);
        LeftPanel->hide();
        a.ActionVewM->setEnabled(false);
        a.FolderExpM->setEnabled(false);
        return;
    }
    a.ShowLeftBarM->setChecked(true);
    LeftPanel->show();
    a.ActionVewM->setEnabled(true);
    a.FolderExpM->setEnabled(true);
    if (ActionViewPanel->isHidden() && FolderPanel->isHidden()) {
        const QList<int> heights{ActionViewPanel->height(), FolderPanel->height()};
        ActionViewPanel->show();
        FolderPanel->show();
        LeftPanel->setSizes(heights);
    }
}

// The action viewer takes the whole left panel.
void TMF::hideFolderPanel() { FolderPanel->hide(); }

// The action viewer gives up the folder panel's height and the splitter's
// below it, and the folder panel takes the rest.
void TMF::showFolderPanel() {
    const int folderHeight = FolderPanel->height();
    const int actionHeight = ActionViewPanel->isHidden() ? 0 : LeftPanel->sizes().value(0);
    FolderPanel->show();
    if (actionHeight > 0)
        LeftPanel->setSizes({actionHeight - folderHeight - LeftPanel->handleWidth(), folderHeight});
}

// --- Stored with the layout ------------------------------------------------------

void TMF::SaveViewInfo(TRegIniFile& reg) {
    WriteStored(reg, stored::ActionViewChecked, !ActionViewPanel->isHidden());
    WriteStored(reg, stored::FolderExpChecked, !FolderPanel->isHidden());
    WriteStored(reg, stored::ShowLeftPanel, !LeftPanel->isHidden());
}

void TMF::LoadViewInfo(const TRegIniFile& reg) {
    if (!ReadStored(reg, stored::ActionViewChecked)) ActionViewPanel->hide();
    if (!ReadStored(reg, stored::FolderExpChecked)) hideFolderPanel();
    if (!ReadStored(reg, stored::ShowLeftPanel) && !LeftPanel->isHidden()) ShowLeftBarMClick();
}
