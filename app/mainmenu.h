#pragma once
// The main menu MN and the context menu PM of tabs and editors, built from
// the actions of the main window.
class QMenu;
class QWidget;
struct TActionList;

struct TMainMenus {
    QMenu* MN = nullptr;  // never shown itself: MenuBar1 shows its items
    QMenu* File1 = nullptr;
    QMenu* ReOpen = nullptr;  // ファイル履歴(&R), filled by the file history
    QMenu* Edit1 = nullptr;
    QMenu* Indent1 = nullptr;
    QMenu* Search1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* ToolBarMenu = nullptr;
    QMenu* ViewerMenu = nullptr;
    QMenu* Macro1 = nullptr;  // filled at run time by the macro menu
    QMenu* Compile1 = nullptr;
    QMenu* Other1 = nullptr;
    QMenu* Help1 = nullptr;

    QMenu* PM = nullptr;
    QMenu* PMIndent = nullptr;
    QMenu* BookMarkSet = nullptr;
    QMenu* BookMarkMove = nullptr;
};

// Menus are owned by `owner`, whose status bar shows the hints of their items.
TMainMenus buildMenus(QWidget* owner, const TActionList& actions);
