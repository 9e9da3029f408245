#include "app/actionlist.h"

#include "app/icons.h"

#include <QAction>
#include <QKeySequence>

namespace {

using Field = QAction* TActionList::*;

enum Check : bool { Plain = false, Checkable = true };

struct Row {
    Field field;
    const char* name;
    const char* caption;
    const char* hint;
    const char* shortcut;
    Glyph glyph;
    Check check;
    Field mirrorOf;  // nullptr unless the row shows another action
};

// clang-format off
const Row kRows[] = {
    {&TActionList::NewText, "NewText", "新規作成(&N)", "新しいソースまたはテキストを作成します", "Ctrl+N", Glyph::NewFile, Plain, nullptr},
    {&TActionList::OpenText, "OpenText", "開く(&O)", "以前に作ったソースを開きます", "Ctrl+O", Glyph::OpenFile, Plain, nullptr},
    {&TActionList::ReText, "ReText", "読み直す", "現在読みこまれているソースを読みなおします", "", Glyph::Reload, Plain, nullptr},
    {&TActionList::OverSaveText, "OverSaveText", "上書き保存(&S)", "現在読みこまれているファイルに上書きします", "Ctrl+S", Glyph::Save, Plain, nullptr},
    {&TActionList::NewSaveText, "NewSaveText", "名前をつけて保存", "現在作成中のソースに名前をつけて保存します", "", Glyph::SaveAs, Plain, nullptr},
    {&TActionList::SaveAll, "SaveAll", "全て保存(&A)", "", "Ctrl+Shift+S", Glyph::SaveAll, Plain, nullptr},
    {&TActionList::Undo, "Undo", "アンドゥ(&U)", "操作を取り消します", "Ctrl+Z", Glyph::Undo, Plain, nullptr},
    {&TActionList::Redo, "Redo", "リドゥ(&R)", "取り消しを戻します", "Ctrl+Y", Glyph::Redo, Plain, nullptr},
    {&TActionList::EditCopy1, "EditCopy1", "コピー(&C)", "コピー", "Ctrl+C", Glyph::Copy, Plain, nullptr},
    {&TActionList::EditCut1, "EditCut1", "切り取り(&T)", "切り取り", "Ctrl+X", Glyph::Cut, Plain, nullptr},
    {&TActionList::EditPaste1, "EditPaste1", "貼り付け(&P)", "貼り付け", "Ctrl+V", Glyph::Paste, Plain, nullptr},
    {&TActionList::SelectAll, "SelectAll", "全て選択(&L)", "全て選択する", "Ctrl+A", Glyph::None, Plain, nullptr},
    {&TActionList::SelMode, "SelMode", "短形選択(&B)", "短形選択のオン/オフを切り替えます", "Ctrl+B", Glyph::None, Checkable, nullptr},
    {&TActionList::SelIndent, "SelIndent", "スペースインデント(&S)", "選択領域の先頭に半角スペースを一個挿入します", "Ctrl+Alt+S", Glyph::None, Plain, nullptr},
    {&TActionList::SelUnIndent, "SelUnIndent", "スペースアンインデント(&U)", "選択範囲の先頭に半角スペースがある場合に一個削除します", "Ctrl+Alt+U", Glyph::None, Plain, nullptr},
    {&TActionList::SelTabIndent, "SelTabIndent", "タブインデント(&T)", "選択領域の先頭にタブを一個挿入します", "", Glyph::None, Plain, nullptr},
    {&TActionList::SelTabUnIndent, "SelTabUnIndent", "タブアンインデント(&R)", "選択範囲の先頭にタブがある場合に一個削除します", "", Glyph::None, Plain, nullptr},
    {&TActionList::DivideEditor, "DivideEditor", "画面分割(&D)", "画面を二つに分割します", "", Glyph::Split, Checkable, nullptr},
    {&TActionList::InNewLine, "InNewLine", "", "改行を挿入します", "", Glyph::None, Plain, nullptr},
    {&TActionList::Find, "Find", "検索(&F)", "検索します", "Ctrl+F", Glyph::Find, Plain, nullptr},
    {&TActionList::Replace, "Replace", "置換(&R)", "置換します", "Ctrl+R", Glyph::Replace, Plain, nullptr},
    {&TActionList::FindNext, "FindNext", "次を検索(&L)", "次を検索します", "F3", Glyph::FindNext, Plain, nullptr},
    {&TActionList::FindBack, "FindBack", "前を検索(&U)", "前を検索します", "Shift+F3", Glyph::FindBack, Plain, nullptr},
    {&TActionList::ActionVew, "ActionVew", "再描画", "", "", Glyph::None, Plain, nullptr},
    {&TActionList::MakeKioro, "MakeKioro", "コンパイル(C)", "Kioroをコンパイルします", "F9", Glyph::Compile, Plain, nullptr},
    {&TActionList::KioroExecute, "KioroExecute", "Kioroの実行(&R)", "Kioroを実行します", "F10", Glyph::Run, Plain, nullptr},
    {&TActionList::ShowLumHelp, "ShowLumHelp", "Lumira　ヘルプ(&A)", "Lumiraのヘルプを表示します", "F2", Glyph::Help, Plain, nullptr},
    {&TActionList::HelpContents1, "HelpContents1", "目次(&C)", "", "F1", Glyph::Contents, Plain, nullptr},
    {&TActionList::ShowEditorConfig, "ShowEditorConfig", "エディタ設定(&E)", "エディタの設定を変更します", "", Glyph::None, Plain, nullptr},
    {&TActionList::StopCompile, "StopCompile", "コンパイルの中止(&S)", "実行中のコンパイルを中止します", "", Glyph::None, Plain, nullptr},
    {&TActionList::NextError, "NextError", "次のエラー(&N)", "次のエラー行の場所へ移動します", "F4", Glyph::None, Plain, nullptr},
    {&TActionList::PrevError, "PrevError", "前のエラー(&B)", "前のエラー行の場所へ移動します", "Shift+F4", Glyph::None, Plain, nullptr},

    {&TActionList::Close1, "Close1", "閉じる(&X)", "終了します", "", Glyph::None, Plain, nullptr},
    {&TActionList::N12, "N12", "設定(&C)", "設定を変更します", "", Glyph::Settings, Plain, nullptr},
    {&TActionList::About1, "About1", "バージョン情報(&A)", "", "", Glyph::None, Plain, nullptr},
    {&TActionList::show_stand, "show_stand", "ファイル", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::show_deb, "show_deb", "デバッグ", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::show_kansu, "show_kansu", "関数パレット", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::show_find, "show_find", "検索", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::show_help, "show_help", "ヘルプ", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::show_output, "show_output", "出力", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::ShowLeftBarM, "ShowLeftBarM", "表示", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::ActionVewM, "ActionVewM", "アクションビューア", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::FolderExpM, "FolderExpM", "フォルダエクスプローラ", "", "", Glyph::None, Checkable, nullptr},
    {&TActionList::CloseThisPage, "CloseThisPage", "このページを閉じる", "", "", Glyph::None, Plain, nullptr},
    {&TActionList::SystemButton, "SystemButton", "コンパイル(&C)", "設定を変更します", "", Glyph::Settings, Plain, nullptr},
    {&TActionList::ToolButton1, "ToolButton1", "マクロ", "マクロ機能を使います", "", Glyph::Macro, Plain, nullptr},
    {&TActionList::MacroEditItem, "MacroEditItem", "マクロの編集(&E)", "マクロを編集します", "", Glyph::None, Plain, nullptr},
    {&TActionList::MacroStopItem, "MacroStopItem", "マクロの強制終了(&X)", "実行中のマクロを強制終了します", "", Glyph::None, Plain, nullptr},

    // F9 reaches MakeKioro itself; the item only shows the key.
    {&TActionList::MakeKioroItem, "MakeKioroItem", "コンパイル(&C)\tF9", "Kioroをコンパイルします", "", Glyph::Compile, Plain, &TActionList::MakeKioro},
    {&TActionList::KioroExecuteButton, "KioroExecuteButton", "Kioroの実行(&R)", "コンパイルして実行します", "", Glyph::Run, Plain, &TActionList::KioroExecute},
    {&TActionList::PMSelIndent, "PMSelIndent", "スペースインデント(&S)", "選択領域の先頭に半角スペースを一個挿入します", "Ctrl+Alt+H", Glyph::None, Plain, &TActionList::SelIndent},
    {&TActionList::PMSelUnIndent, "PMSelUnIndent", "スペースアンインデント(&U)", "選択範囲の先頭に半角スペースがある場合に一個削除します", "Ctrl+Alt+J", Glyph::None, Plain, &TActionList::SelUnIndent},
    {&TActionList::PMSelTabIndent, "PMSelTabIndent", "タブインデント(&T)", "選択領域の先頭にタブを一個挿入します", "Ctrl+Alt+K", Glyph::None, Plain, &TActionList::SelTabIndent},
    {&TActionList::PMSelTabUnIndent, "PMSelTabUnIndent", "タブアンインデント(&R)", "選択範囲の先頭にタブがある場合に一個削除します", "Ctrl+Alt+L", Glyph::None, Plain, &TActionList::SelTabUnIndent},
};
// clang-format on

QAction* makeAction(QObject* owner, const QString& name, const QString& caption,
                    const QString& hint, const QString& shortcut, Glyph glyph, Check check) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setStatusTip(hint);
    if (!hint.isEmpty()) action->setToolTip(hint);
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
    if (glyph != Glyph::None) action->setIcon(iconFor(glyph));
    action->setCheckable(check == Checkable);
    return action;
}

void mirror(QAction* shown, QAction* original) {
    shown->setProperty(kMirrorProperty, original->objectName());
    shown->setEnabled(original->isEnabled());
    QObject::connect(original, &QAction::enabledChanged, shown, &QAction::setEnabled);
    QObject::connect(shown, &QAction::triggered, original, [original] { original->trigger(); });
}

}  // namespace

TActionList createActions(QObject* owner) {
    TActionList list;
    for (const Row& row : kRows)
        list.*row.field = makeAction(owner, row.name, row.caption, row.hint, row.shortcut,
                                     row.glyph, row.check);
    for (const Row& row : kRows)
        if (row.mirrorOf) mirror(list.*row.field, list.*row.mirrorOf);
    for (int n = 0; n < 10; ++n) {
        const QString caption = QString("しおり (&%1)").arg(n);
        list.BookMarkSetMenuButton[n] = makeAction(owner, QString("BookMarkSetMenuButton%1").arg(n),
                                                   caption, "", "", Glyph::None, Checkable);
        list.BookMarkMoveMenuButton[n] = makeAction(
            owner, QString("BookMarkMoveMenuButton%1").arg(n), caption, "", "", Glyph::None, Checkable);
    }
    return list;
}

QList<QAction*> TActionList::all() const {
    QList<QAction*> actions;
    for (const Row& row : kRows) actions.append(this->*row.field);
    for (QAction* action : BookMarkSetMenuButton) actions.append(action);
    for (QAction* action : BookMarkMoveMenuButton) actions.append(action);
    return actions;
}
