#include "app/editcommands.h"

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

TEditCommands::TEditCommands(TMF& window) : QObject(&window), window_(window) {
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, [this] {
        runGuarded([this] {
            UpdateEditActions();
            // Also after a new document's properties were applied.
            if (editor()) window_.EditorCaretMoved(*editor());
        });
    });
    connectRefresh();
}

TEditorEx* TEditCommands::editor() const { return window_.CurEditor; }

// --- Commands ------------------------------------------------------------------

void TEditCommands::UndoExecute() {
    if (editor()) editor()->Undo();
}

void TEditCommands::RedoExecute() {
    if (editor()) editor()->Redo();
}

void TEditCommands::EditCopy1Execute() {
    if (editor()) editor()->CopyToClipboard();
}

void TEditCommands::EditCut1Execute() {
    if (editor()) editor()->CutToClipboard();
}

void TEditCommands::EditPaste1Execute() {
    if (editor()) editor()->PasteFromClipboard();
}

void TEditCommands::SelectAllExecute() {
    if (editor()) editor()->SelectAll();
}

void TEditCommands::SelModeExecute() {
    // The action has turned its check over already: that is the new mode.
    const bool box = window_.ActionList1.SelMode->isChecked();
    if (editor()) editor()->SetSelectionMode(box ? TSelectionMode::smBox : TSelectionMode::smNormal);
    window_.ActionList1.SelMode->setChecked(box);
}

void TEditCommands::SelIndentExecute() {
    if (editor()) editor()->SelIndent();
}

void TEditCommands::SelUnIndentExecute() {
    if (editor()) editor()->SelUnIndent();
}

void TEditCommands::SelTabIndentExecute() {
    if (editor()) editor()->SelTabIndent();
}

void TEditCommands::SelTabUnIndentExecute() {
    if (editor()) editor()->SelTabUnIndent();
}

// --- Enabled states --------------------------------------------------------------

void TEditCommands::UndoUpdate() { window_.ActionList1.Undo->setEnabled(editor() && editor()->CanUndo()); }

void TEditCommands::RedoUpdate() { window_.ActionList1.Redo->setEnabled(editor() && editor()->CanRedo()); }

void TEditCommands::EditCopy1Update() {
    const bool selected = editor() && editor()->GetSelLength() != 0;
    window_.ActionList1.EditCopy1->setEnabled(selected);
    window_.ActionList1.EditCut1->setEnabled(selected);
}

void TEditCommands::EditPaste1Update() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    window_.ActionList1.EditPaste1->setEnabled(data && data->hasText());
}

void TEditCommands::UpdateEditActions() {
    UndoUpdate();
    RedoUpdate();
    EditCopy1Update();
}

void TEditCommands::ScheduleUpdate() { timer_->start(); }

void TEditCommands::Watch(TEditorEx* editor) {
    const auto refresh = [this] { ScheduleUpdate(); };
    connect(editor, &TEditorEx::changed, this, refresh);
    connect(editor, &TEditorEx::caretMoved, this, refresh);
    // A selection can change without the caret moving (select all with the
    // caret at the end); the underlying view reports every such change.
    connect(editor->Scintilla(), &QsciScintilla::selectionChanged, this, refresh);
}

// --- Menus ---------------------------------------------------------------------------

// A macro may have changed the selection mode since the check was set.
void TEditCommands::refreshSelModeCheck() {
    window_.ActionList1.SelMode->setChecked(editor() && editor()->SelectionMode() == TSelectionMode::smBox);
}

void TEditCommands::Edit1Click() { refreshSelModeCheck(); }

void TEditCommands::PMPopup() { refreshSelModeCheck(); }

void TEditCommands::connectRefresh() {
    const auto menuOpens = [this](void (TEditCommands::*checks)()) {
        return [this, checks] {
            runGuarded([this, checks] {
                (this->*checks)();
                UpdateEditActions();
                EditPaste1Update();
            });
        };
    };
    connect(window_.Menus.Edit1, &QMenu::aboutToShow, this, menuOpens(&TEditCommands::Edit1Click));
    connect(window_.Menus.PM, &QMenu::aboutToShow, this, menuOpens(&TEditCommands::PMPopup));
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { runGuarded([this] { EditPaste1Update(); }); });
}
