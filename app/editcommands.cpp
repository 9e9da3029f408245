// The editing commands: each hands one operation to the current document's
// main view CurEditor, whichever control has the focus, and the enabled
// states of the ones that depend on the editor or the clipboard.
//
// Undo, Redo, Copy and Cut follow the editor: every change, caret move and
// selection change of a view asks for a refresh, which runs once the events
// of the moment are handled. Paste follows the clipboard, which is only
// asked when it changes, when a tab becomes current and when a menu opens.
#include "app/mainunit.h"
#include "components/editorex.h"
#include "platform/prompt.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

// --- Commands ------------------------------------------------------------------

void TMF::UndoExecute() {
    if (CurEditor) CurEditor->Undo();
}

void TMF::RedoExecute() {
    if (CurEditor) CurEditor->Redo();
}

void TMF::EditCopy1Execute() {
    if (CurEditor) CurEditor->CopyToClipboard();
}

void TMF::EditCut1Execute() {
    if (CurEditor) CurEditor->CutToClipboard();
}

void TMF::EditPaste1Execute() {
    if (CurEditor) CurEditor->PasteFromClipboard();
}

void TMF::SelectAllExecute() {
    if (CurEditor) CurEditor->SelectAll();
}

void TMF::SelModeExecute() {
    // The action has turned its check over already: that is the new mode.
    const bool box = ActionList1.SelMode->isChecked();
    if (CurEditor) CurEditor->SetSelectionMode(box ? TSelectionMode::smBox : TSelectionMode::smNormal);
    ActionList1.SelMode->setChecked(box);
}

void TMF::SelIndentExecute() {
    if (CurEditor) CurEditor->SelIndent();
}

void TMF::SelUnIndentExecute() {
    if (CurEditor) CurEditor->SelUnIndent();
}

void TMF::SelTabIndentExecute() {
    if (CurEditor) CurEditor->SelTabIndent();
}

void TMF::SelTabUnIndentExecute() {
    if (CurEditor) CurEditor->SelTabUnIndent();
}

// --- Enabled states --------------------------------------------------------------

void TMF::UndoUpdate() { ActionList1.Undo->setEnabled(CurEditor && CurEditor->CanUndo()); }

void TMF::RedoUpdate() { ActionList1.Redo->setEnabled(CurEditor && CurEditor->CanRedo()); }

void TMF::EditCopy1Update() {
    const bool selected = CurEditor && CurEditor->GetSelLength() != 0;
    ActionList1.EditCopy1->setEnabled(selected);
    ActionList1.EditCut1->setEnabled(selected);
}

void TMF::EditPaste1Update() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ActionList1.EditPaste1->setEnabled(data && data->hasText());
}

void TMF::UpdateEditActions() {
    UndoUpdate();
    RedoUpdate();
    EditCopy1Update();
}

void TMF::scheduleEditActionsUpdate() {
    if (!editActionsTimer_) {
        editActionsTimer_ = new QTimer(this);
        editActionsTimer_->setSingleShot(true);
        editActionsTimer_->setInterval(0);
        connect(editActionsTimer_, &QTimer::timeout, this, [this] {
            runGuarded([this] {
                UpdateEditActions();
                // Also after a new document's properties were applied.
                if (CurEditor) EditorCaretMoved(*CurEditor);
            });
        });
    }
    editActionsTimer_->start();
}

void TMF::watchEditState(TEditorEx* editor) {
    const auto refresh = [this] { scheduleEditActionsUpdate(); };
    connect(editor, &TEditorEx::changed, this, refresh);
    connect(editor, &TEditorEx::caretMoved, this, refresh);
    // A selection can change without the caret moving (select all with the
    // caret at the end); the underlying view reports every such change.
    connect(editor->Scintilla(), &QsciScintilla::selectionChanged, this, refresh);
}

// --- Menus ---------------------------------------------------------------------------

// A macro may have changed the selection mode since the check was set.
void TMF::refreshSelModeCheck() {
    ActionList1.SelMode->setChecked(CurEditor && CurEditor->SelectionMode() == TSelectionMode::smBox);
}

void TMF::Edit1Click() { refreshSelModeCheck(); }

void TMF::PMPopup() { refreshSelModeCheck(); }

void TMF::connectEditStateRefresh() {
    const auto menuOpens = [this](void (TMF::*checks)()) {
        return [this, checks] {
            runGuarded([this, checks] {
                (this->*checks)();
                UpdateEditActions();
                EditPaste1Update();
            });
        };
    };
    connect(Menus.Edit1, &QMenu::aboutToShow, this, menuOpens(&TMF::Edit1Click));
    connect(Menus.PM, &QMenu::aboutToShow, this, menuOpens(&TMF::PMPopup));
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { runGuarded([this] { EditPaste1Update(); }); });
}

// --- The current document --------------------------------------------------------

void TMF::refreshDocumentState() {
    UpdateBookmarkChecks();
    UpdateDivideCheck();
    EditPaste1Update();
    scheduleEditActionsUpdate();
}
