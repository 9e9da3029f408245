#pragma once
// TMacroHost: the macros of the main window. It owns the interpreter PPA with
// the editor's command set and environment, fills the macro menu (the pop-up
// MacroPop and the main menu's MacroMenu, each entry shown in both), runs and
// stops macros, and owns the macro edit window.
//
// One macro runs at a time: starting another while one runs (from the menu,
// the edit window or Ctrl+M) is refused with a notice. No error of a run
// travels on: it ends the run and shows in the application's error box.
#include "macro/engine/poor_pascal.h"
#include "macro/host/editorcommands.h"
#include "macro/host/editorenvironment.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <memory>
#include <string>
#include <vector>

class MacroWindow;
class QAction;
class QMenu;
class TEditorEx;
class TMacroEditForm;

class TMacroHost : public QObject {
    Q_OBJECT

public:
    // `macroMenu` is the main menu's "マクロ(&M)"; `editItem` and `stopItem`
    // are the window's actions "マクロの編集(&E)" and "マクロの強制終了(&X)",
    // which the menus show first.
    TMacroHost(std::unique_ptr<MacroWindow> window, QMenu* macroMenu, QAction* editItem, QAction* stopItem);
    ~TMacroHost() override;

    ppa::TPoorPascal PPA;
    QMenu* MacroPop = nullptr;
    QMenu* MacroMenu = nullptr;
    TMacroEditForm* MacroEditForm = nullptr;

    // Lists the macro folder again into both menus.
    void BuildMacroMenu();
    // The tool button "マクロ": the pop-up at the mouse.
    void ToolButton1Click();
    // Ctrl+M in `editor`: the menu made again and popped up below the caret.
    void PopupAtCaret(const TEditorEx& editor);
    // "マクロの編集(&E)".
    void ShowMacroEditForm();
    // "マクロの強制終了(&X)": stops the run (its message shows where the
    // stop was asked for) and clears the status text.
    void StopMacroClick();

    // Runs the file `fileName` of the macro folder with the status text shown.
    void RunMacroFile(const QString& fileName);
    // Runs `lines` on the current document, the status text untouched.
    void RunFromEditForm(const QList<QByteArray>& lines);
    bool Running() const { return PPA.Running(); }

    // The window closes: a run ends at its next statement, quietly.
    void WindowClosing();

private:
    void execute(std::vector<std::string> source, bool showStatus);
    void clearMacroEntries();
    void addMacroEntry(const QString& fileName, int index);

    std::unique_ptr<MacroWindow> window_;
    TEditorEnvironment environment_;
    TEditorCommandSet commands_;
    QList<QAction*> fixedItems_;  // with the separator after them
    QList<QAction*> macroEntries_;
    bool windowClosed_ = false;
};
