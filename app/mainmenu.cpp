#include "app/mainmenu.h"

#include "app/actionlist.h"

#include <QMenu>
#include <initializer_list>

namespace {

// An entry is an action, a sub-menu, or a separator (nullptr).
struct Entry {
    QAction* action = nullptr;
    Entry(QAction* a) : action(a) {}
    Entry(QMenu* menu) : action(menu->menuAction()) {}
    Entry(std::nullptr_t) {}
};
constexpr std::nullptr_t Separator = nullptr;

QMenu* makeMenu(QWidget* owner, const char* name, const QString& title,
                std::initializer_list<Entry> entries) {
    auto* menu = new QMenu(title, owner);
    menu->setObjectName(name);
    // Menus are windows of their own and do not inherit the form's font.
    menu->setFont(owner->font());
    for (const Entry& entry : entries) {
        if (entry.action)
            menu->addAction(entry.action);
        else
            menu->addSeparator();
    }
    return menu;
}

QMenu* bookmarkMenu(QWidget* owner, const char* name, const QString& title,
                    const std::array<QAction*, 10>& items) {
    QMenu* menu = makeMenu(owner, name, title, {});
    for (QAction* item : items) menu->addAction(item);
    return menu;
}

}  // namespace

TMainMenus buildMenus(QWidget* owner, const TActionList& a) {
    TMainMenus m;
    m.ReOpen = makeMenu(owner, "ReOpen", "ファイル履歴(&R)", {});
    m.File1 = makeMenu(owner, "File1", "ファイル(&F)",
                       {a.NewText, a.OpenText, a.ReText, m.ReOpen, Separator, a.OverSaveText,
                        a.SaveAll, a.NewSaveText, Separator, a.Close1});
    m.Indent1 = makeMenu(owner, "Indent1", "インデント(&I)",
                         {a.SelIndent, a.SelUnIndent, a.SelTabIndent, a.SelTabUnIndent});
    m.Edit1 = makeMenu(owner, "Edit1", "編集(&E)",
                       {a.Undo, a.Redo, Separator, a.EditCopy1, a.EditCut1, a.EditPaste1,
                        Separator, a.SelectAll, a.SelMode, Separator, m.Indent1, Separator,
                        a.DivideEditor});
    m.Search1 = makeMenu(owner, "Search1", "検索(&S)", {a.Find, a.Replace, a.FindNext, a.FindBack});
    m.ToolBarMenu = makeMenu(owner, "ToolBarMenu", "ツールバー",
                             {a.show_stand, a.show_deb, a.show_kansu, a.show_find, a.show_help, a.show_output});
    m.ViewerMenu = makeMenu(owner, "ViewerMenu", "ビューア類",
                            {a.ShowLeftBarM, Separator, a.ActionVewM, a.FolderExpM});
    m.View1 = makeMenu(owner, "View1", "表示(&V)", {m.ToolBarMenu, m.ViewerMenu});
    m.Macro1 = makeMenu(owner, "Macro1", "マクロ(&M)", {});
    m.Compile1 = makeMenu(owner, "Compile1", "コンパイル(&P)", {a.MakeKioroItem, a.KioroExecute, Separator, a.StopCompile, a.NextError, a.PrevError});
    m.Other1 = makeMenu(owner, "Other1", "その他(&O)", {a.N12, a.ShowEditorConfig});
    m.Help1 = makeMenu(owner, "Help1", "ヘルプ(&H)", {a.HelpContents1, a.ShowLumHelp, a.About1});
    m.MN = makeMenu(owner, "MN", "",
                    {m.File1, m.Edit1, m.Search1, m.View1, m.Macro1, m.Compile1, m.Other1,
                     m.Help1});

    m.PMIndent = makeMenu(owner, "PMIndent", "インデント(&I)",
                          {a.PMSelIndent, a.PMSelUnIndent, a.PMSelTabIndent, a.PMSelTabUnIndent});
    m.BookMarkSet = bookmarkMenu(owner, "BookMarkSet", "しおりに設定(&T)", a.BookMarkSetMenuButton);
    m.BookMarkMove = bookmarkMenu(owner, "BookMarkMove", "しおりに移動(&G)", a.BookMarkMoveMenuButton);
    m.PM = makeMenu(owner, "PM", "",
                    {a.CloseThisPage, Separator, a.Undo, a.Redo, Separator, a.EditCut1,
                     a.EditCopy1, a.EditPaste1, Separator, a.SelectAll, a.SelMode, Separator,
                     m.PMIndent, Separator, m.BookMarkSet, m.BookMarkMove, Separator,
                     a.DivideEditor, Separator});
    return m;
}
