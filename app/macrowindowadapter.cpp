#include "app/macrowindowadapter.h"

#include "app/editcommands.h"
#include "app/mainunit.h"
#include "app/statusbar.h"

#include <QAction>
#include <QTabWidget>

namespace {

constexpr int kMacroPanel = 3;

}  // namespace

QWidget* TMacroWindowAdapter::Widget() { return &window_; }
TEditorEx* TMacroWindowAdapter::CurEditor() { return window_.CurEditor; }
int TMacroWindowAdapter::DocumentCount() { return window_.DocTabs.Count(); }
int TMacroWindowAdapter::ActiveDocIndex() { return window_.ActiveDocIndex(); }
QString TMacroWindowAdapter::DocumentName(int index) { return window_.DocTabs.Name(index); }
TEditorEx* TMacroWindowAdapter::DocumentEditor(int index) { return window_.DocTabs[index].Editor; }
QString TMacroWindowAdapter::ActivePageCaption() { return window_.PageCaption(window_.ActivePage()); }

// As a click on the tab: the tab control's change runs EditorTabSheetChange;
// a tab in front already gets it run directly.
void TMacroWindowAdapter::ActivateDocument(int index) {
    QWidget* sheet = window_.DocTabs[index].Sheet;
    if (window_.ActivePage() == sheet)
        window_.EditorTabSheetChange();
    else
        window_.EditorTabSheet->setCurrentWidget(sheet);
}

void TMacroWindowAdapter::OpenDocument(const QString& path) { window_.OpenDocument(path, true); }

// Saved under `path`, the document is that file from now on: its name, tab,
// title and folder all follow, as after the save dialog.
void TMacroWindowAdapter::SaveCurrentDocumentAs(const QString& path) {
    const int index = window_.DocTabs.IndexOfEditor(window_.CurEditor);
    if (index < 0) return;
    window_.SaveDocumentTo(path, true);
    window_.DocTabs.SetName(index, path);
    QWidget* sheet = window_.DocTabs[index].Sheet;
    if (sheet == window_.ActivePage()) {
        window_.CurCaption = window_.PageCaption(sheet);
        window_.SetMainTitle(path);
    }
    window_.ReTextUpdate();
    window_.ActionList1.ActionVew->trigger();
    window_.MoveFolderExplorer(window_.Settings.CurrentFolder);
}

void TMacroWindowAdapter::CloseCurrentPage() { window_.CloseThisPageClick(); }
void TMacroWindowAdapter::CloseWindow() { window_.close(); }

// The commands' own handlers, so that a failure (a file that cannot be
// written) ends the macro instead of only being shown.
void TMacroWindowAdapter::Run(WindowCommand command) {
    TEditCommands& edit = *window_.EditCommands;
    switch (command) {
    case WindowCommand::NewText: window_.NewTextExecute(); break;
    case WindowCommand::OpenText: window_.OpenTextExecute(); break;
    case WindowCommand::OverSaveText: window_.OverSaveTextExecute(); break;
    case WindowCommand::NewSaveText: window_.NewSaveTextExecute(); break;
    case WindowCommand::ReText: window_.ReTextExecute(); break;
    case WindowCommand::EditCopy: edit.EditCopy1Execute(); break;
    case WindowCommand::EditCut: edit.EditCut1Execute(); break;
    case WindowCommand::EditPaste: edit.EditPaste1Execute(); break;
    case WindowCommand::Undo: edit.UndoExecute(); break;
    case WindowCommand::Redo: edit.RedoExecute(); break;
    case WindowCommand::Find: window_.ActionList1.Find->trigger(); break;
    case WindowCommand::Replace: window_.ActionList1.Replace->trigger(); break;
    }
}

// The panel's width suits a smaller font than this one: it grows to show the
// text whole.
void TMacroWindowAdapter::SetMacroStatus(const QString& text) {
    TStatusBar& bar = *window_.StB;
    const int needed = bar.FittingWidth(text);
    if (needed > bar.PanelWidth(kMacroPanel)) {
        bar.SetPanelWidth(kMacroPanel, needed);
        window_.StBResize();
    }
    bar.SetPanelText(kMacroPanel, text);
}
bool TMacroWindowAdapter::PermitAllMacro() { return window_.Settings.PermitAllMacro; }
QString TMacroWindowAdapter::CurrentFolder() { return window_.Settings.CurrentFolder; }
