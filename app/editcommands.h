#pragma once
// The editing commands: each hands one operation to the current document's
// main view CurEditor, whichever control has the focus, and the enabled
// states of the ones that depend on the editor or the clipboard.
//
// Undo, Redo, Copy and Cut follow the editor: every change, caret move and
// selection change of a view asks for a refresh, which runs once the events
// of the moment are handled. Paste follows the clipboard, which is only
// asked when it changes, when a tab becomes current and when a menu opens.
#include <QObject>

class QTimer;
class TEditorEx;
class TMF;

class TEditCommands : public QObject {
    Q_OBJECT

public:
    explicit TEditCommands(TMF& window);

    void UndoExecute();
    void RedoExecute();
    void EditCopy1Execute();
    void EditCut1Execute();
    void EditPaste1Execute();
    void SelectAllExecute();
    void SelModeExecute();
    void SelIndentExecute();
    void SelUnIndentExecute();
    void SelTabIndentExecute();
    void SelTabUnIndentExecute();

    void UndoUpdate();
    void RedoUpdate();
    void EditCopy1Update();  // Copy and Cut together
    void EditPaste1Update();
    // Undo, Redo, Copy and Cut at once.
    void UpdateEditActions();
    void Edit1Click();  // the Edit menu opens
    void PMPopup();     // the context menu opens

    // Refreshes the states after every change, caret move and selection
    // change of `editor`.
    void Watch(TEditorEx* editor);
    // Refreshes Undo, Redo, Copy, Cut and the caret position of CurEditor
    // once the events of the moment are done.
    void ScheduleUpdate();

private:
    TEditorEx* editor() const;
    // A macro may have changed the selection mode since the check was set.
    void refreshSelModeCheck();
    // Menus that open and clipboard changes refresh the enabled states.
    void connectRefresh();

    TMF& window_;
    QTimer* timer_ = nullptr;
};
