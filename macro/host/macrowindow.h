#pragma once
// What the macro host needs of the main window: its documents, the current
// editor, its commands and its status bar. The window implements it; the host
// never reaches the window any other way, so every editor command of a macro
// goes through the same document operations as the user's own commands.
//
// Operations may throw (a file that cannot be written, say): the exception
// ends the macro run with its message.
#include <QString>

class QWidget;
class TEditorEx;

// The window's commands a macro runs as they are.
enum class WindowCommand {
    NewText,
    OpenText,
    OverSaveText,
    NewSaveText,
    ReText,
    EditCopy,
    EditCut,
    EditPaste,
    Undo,
    Redo,
    Find,
    Replace,
};

class MacroWindow {
public:
    virtual ~MacroWindow() = default;

    // The window itself: the owner of boxes, disabled while a started
    // program is waited for.
    virtual QWidget* Widget() = 0;
    // The main view of the current document; nullptr once the window has
    // closed its documents.
    virtual TEditorEx* CurEditor() = 0;

    virtual int DocumentCount() = 0;
    // The index of the active page's document, 0 when no document has it.
    virtual int ActiveDocIndex() = 0;
    // The full path of document `index`, empty while it is untitled.
    // `index` must lie in 0 .. DocumentCount() - 1.
    virtual QString DocumentName(int index) = 0;
    virtual TEditorEx* DocumentEditor(int index) = 0;
    // The active tab's caption as shown, modified mark included.
    virtual QString ActivePageCaption() = 0;

    // Brings document `index` to front as a change of tab by the user does.
    virtual void ActivateDocument(int index) = 0;
    // Opens `path` in a tab and follows its folder, as the open command does.
    virtual void OpenDocument(const QString& path) = 0;
    // Saves the current document under `path`, which becomes its name.
    virtual void SaveCurrentDocumentAs(const QString& path) = 0;
    // Closes the current tab as its context menu item does.
    virtual void CloseCurrentPage() = 0;
    // The window's close request, with its questions about unsaved documents.
    virtual void CloseWindow() = 0;
    virtual void Run(WindowCommand command) = 0;

    // The macro panel of the status bar.
    virtual void SetMacroStatus(const QString& text) = 0;
    // The setting that lets macros read and write files and start programs.
    virtual bool PermitAllMacro() = 0;
    // Ends in "/".
    virtual QString CurrentFolder() = 0;
};
