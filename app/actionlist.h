#pragma once
// Every command of the main window as a QAction, so that a menu item, a bar
// button and a shortcut share one handler and one enabled state. All of them
// are made in one place from one table (actionlist.cpp).
//
// Besides the actions of the action list proper, the table holds the plain
// menu items and buttons, and the few items that show an action under a
// caption, hint or shortcut of their own: such a "mirror" triggers its action
// and follows its enabled state; its property "mirrors" names the action.
#include <QList>
#include <array>

class QAction;
class QObject;

// The property of a mirror that names the action it shows.
inline constexpr const char* kMirrorProperty = "mirrors";

struct TActionList {
    // The action list.
    QAction* NewText = nullptr;
    QAction* OpenText = nullptr;
    QAction* ReText = nullptr;
    QAction* OverSaveText = nullptr;
    QAction* NewSaveText = nullptr;
    QAction* SaveAll = nullptr;
    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditCut1 = nullptr;
    QAction* EditPaste1 = nullptr;
    QAction* SelectAll = nullptr;
    QAction* SelMode = nullptr;
    QAction* SelIndent = nullptr;
    QAction* SelUnIndent = nullptr;
    QAction* SelTabIndent = nullptr;
    QAction* SelTabUnIndent = nullptr;
    QAction* DivideEditor = nullptr;
    QAction* InNewLine = nullptr;
    QAction* Find = nullptr;
    QAction* Replace = nullptr;
    QAction* FindNext = nullptr;
    QAction* FindBack = nullptr;
    QAction* ActionVew = nullptr;
    QAction* MakeKioro = nullptr;
    QAction* KioroExecute = nullptr;
    QAction* ShowLumHelp = nullptr;
    QAction* HelpContents1 = nullptr;
    QAction* ShowEditorConfig = nullptr;
    // The compile's output: stopping it and going from error to error.
    QAction* StopCompile = nullptr;
    QAction* NextError = nullptr;
    QAction* PrevError = nullptr;

    // Plain menu items and buttons with handlers of their own.
    QAction* Close1 = nullptr;
    QAction* N12 = nullptr;           // その他 > 設定
    QAction* About1 = nullptr;
    QAction* show_stand = nullptr;
    QAction* show_deb = nullptr;
    QAction* show_kansu = nullptr;
    QAction* show_find = nullptr;
    QAction* show_help = nullptr;
    QAction* show_output = nullptr;
    QAction* ShowLeftBarM = nullptr;
    QAction* ActionVewM = nullptr;
    QAction* FolderExpM = nullptr;
    QAction* CloseThisPage = nullptr;
    QAction* SystemButton = nullptr;
    QAction* ToolButton1 = nullptr;   // pops up the macro menu
    QAction* MacroEditItem = nullptr;  // the macro menu's fixed entries
    QAction* MacroStopItem = nullptr;

    // Mirrors of actions.
    QAction* MakeKioroItem = nullptr;       // the compile menu's item
    QAction* KioroExecuteButton = nullptr;  // the debug bar's button
    QAction* PMSelIndent = nullptr;         // the context menu's indent items
    QAction* PMSelUnIndent = nullptr;
    QAction* PMSelTabIndent = nullptr;
    QAction* PMSelTabUnIndent = nullptr;

    // The context menu's bookmark items "しおり (&0)" .. "しおり (&9)".
    std::array<QAction*, 10> BookMarkSetMenuButton{};
    std::array<QAction*, 10> BookMarkMoveMenuButton{};

    // Every action above, in table order, bookmark items last.
    QList<QAction*> all() const;
};

// Creates every action, owned by `owner`, each named (objectName) after its
// field, with caption, hint (status tip and tool tip), shortcut and icon.
TActionList createActions(QObject* owner);
