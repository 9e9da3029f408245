// The editing commands through the real main window: which editor they
// reach, their enabled states, the keys the editor watches, the caret
// position in the status bar and centring the caret row.
#include "app/statusbar.h"
#include "components/editorex.h"
#include "platform/regini.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/qtprinters.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

namespace {

class EditCommandsTest : public MainWindowTest {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    TEditorEx& editor() { return *mf->CurEditor; }
    QByteArray text() { return editor().Lines().Text(); }
    // Lets the enabled states catch up, as they do between two user actions.
    static void settle() { QApplication::processEvents(); }

    // A key as the window system delivers it: with Ctrl a letter comes with
    // its control character as text.
    static void press(TEditorEx& target, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target.Scintilla(), &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target.Scintilla(), &up);
    }

    QString caretPanel() const { return mf->StB->PanelText(2); }
};

TEST_F(EditCommandsTest, UndoAndRedoAreEnabledWhileTheEditorCanDoThem) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    settle();
    EXPECT_FALSE(a.Undo->isEnabled());
    EXPECT_FALSE(a.Redo->isEnabled());

    editor().SetSelText("abc");
    settle();
    EXPECT_TRUE(a.Undo->isEnabled());
    EXPECT_FALSE(a.Redo->isEnabled());

    a.Undo->trigger();
    settle();
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(a.Undo->isEnabled());
    EXPECT_TRUE(a.Redo->isEnabled());

    a.Redo->trigger();
    settle();
    EXPECT_EQ(text(), "abc");
    EXPECT_TRUE(a.Undo->isEnabled());
    EXPECT_FALSE(a.Redo->isEnabled());
}

TEST_F(EditCommandsTest, CopyAndCutAreEnabledWhileSomethingIsSelected) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    editor().SetSelText("abc def");
    settle();
    EXPECT_FALSE(a.EditCopy1->isEnabled());
    EXPECT_FALSE(a.EditCut1->isEnabled());

    // Select all with the caret already at the end: only the selection moves.
    editor().SelectAll();
    settle();
    EXPECT_TRUE(a.EditCopy1->isEnabled());
    EXPECT_TRUE(a.EditCut1->isEnabled());

    editor().SetSelStart(4);
    editor().SetSelLength(3);
    a.EditCopy1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "def");
    a.EditCut1->trigger();
    settle();
    EXPECT_EQ(text(), "abc ");
    EXPECT_FALSE(a.EditCopy1->isEnabled());
    EXPECT_FALSE(a.EditCut1->isEnabled());
}

TEST_F(EditCommandsTest, PasteIsEnabledWhileTheClipboardHoldsText) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    settle();
    EXPECT_FALSE(a.EditPaste1->isEnabled());

    QGuiApplication::clipboard()->setText("pasted");
    settle();
    EXPECT_TRUE(a.EditPaste1->isEnabled());
    a.EditPaste1->trigger();
    EXPECT_EQ(text(), "pasted");

    QGuiApplication::clipboard()->clear();
    settle();
    EXPECT_FALSE(a.EditPaste1->isEnabled());
}

TEST_F(EditCommandsTest, TheEnabledStatesFollowTheTab) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    editor().SetSelText("first");
    editor().SelectAll();
    mf.ActionList1.NewText->trigger();  // the first tab is modified: a new one
    settle();
    ASSERT_EQ(mf.EditorTabSheet->count(), 2);
    EXPECT_FALSE(a.Undo->isEnabled());
    EXPECT_FALSE(a.EditCopy1->isEnabled());

    mf.EditorTabSheet->setCurrentIndex(0);
    settle();
    EXPECT_EQ(mf.CurEditor, mf.DocTabs[0].Editor);
    EXPECT_TRUE(a.Undo->isEnabled());
    EXPECT_TRUE(a.EditCopy1->isEnabled());
}

TEST_F(EditCommandsTest, IndentationCommandsWorkOnEverySelectedLine) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    editor().Lines().SetText("one\r\ntwo\r\n\tthree\r\nfour");
    // From inside "one" to inside "three".
    editor().SetSelStart(1);
    editor().SetSelLength(11);

    a.SelIndent->trigger();
    EXPECT_EQ(text(), " one\r\n two\r\n \tthree\r\nfour");
    a.SelUnIndent->trigger();
    EXPECT_EQ(text(), "one\r\ntwo\r\n\tthree\r\nfour");
    a.SelUnIndent->trigger();  // no space left to remove
    EXPECT_EQ(text(), "one\r\ntwo\r\n\tthree\r\nfour");

    a.PMSelTabIndent->trigger();  // the context menu's item, Ctrl+Alt+K
    EXPECT_EQ(text(), "\tone\r\n\ttwo\r\n\t\tthree\r\nfour");
    a.SelTabUnIndent->trigger();
    a.SelTabUnIndent->trigger();
    EXPECT_EQ(text(), "one\r\ntwo\r\nthree\r\nfour");
}

TEST_F(EditCommandsTest, SelectAllAndBoxSelectionActOnTheCurrentEditor) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    editor().SetSelText("abc\r\ndef");
    a.SelectAll->trigger();
    EXPECT_EQ(editor().GetSelLength(), 8);

    a.SelMode->trigger();
    EXPECT_EQ(editor().SelectionMode(), TSelectionMode::smBox);
    EXPECT_TRUE(a.SelMode->isChecked());
    a.SelMode->trigger();
    EXPECT_EQ(editor().SelectionMode(), TSelectionMode::smNormal);
    EXPECT_FALSE(a.SelMode->isChecked());
}

TEST_F(EditCommandsTest, OpeningTheEditOrContextMenuShowsTheSelectionModeSetElsewhere) {
    TMF& mf = showWindow();
    const TActionList& a = mf.ActionList1;
    editor().SetSelectionMode(TSelectionMode::smBox);  // as a macro does
    EXPECT_FALSE(a.SelMode->isChecked());
    emit mf.Menus.Edit1->aboutToShow();
    EXPECT_TRUE(a.SelMode->isChecked());

    editor().SetSelectionMode(TSelectionMode::smNormal);
    emit mf.Menus.PM->aboutToShow();
    EXPECT_FALSE(a.SelMode->isChecked());
}

TEST_F(EditCommandsTest, LettersWithoutCtrlAreTypedAndTheWatchedCtrlKeysTypeNothing) {
    showWindow();
    editor().SetSelText("x");
    press(editor(), Qt::Key_J, Qt::NoModifier, "j");
    press(editor(), Qt::Key_E, Qt::NoModifier, "e");
    press(editor(), Qt::Key_M, Qt::NoModifier, "m");
    press(editor(), Qt::Key_M, Qt::ShiftModifier, "M");
    EXPECT_EQ(text(), "xjemM");

    press(editor(), Qt::Key_J, Qt::ControlModifier, "\n");
    press(editor(), Qt::Key_E, Qt::ControlModifier, "\x05");
    press(editor(), Qt::Key_M, Qt::ControlModifier, "\r");
    // Even a toolkit that reports the plain letter with Ctrl types no M.
    press(editor(), Qt::Key_M, Qt::ControlModifier, "m");
    // Ctrl+E left the template picker open; closing it puts the caret back.
    if (QWidget* picker = QApplication::activePopupWidget()) picker->close();
    EXPECT_EQ(text(), "xjemM");
    EXPECT_EQ(editor().Row(), 0);
    EXPECT_EQ(editor().Col(), 5);
}

TEST_F(EditCommandsTest, TheStatusBarShowsTheCaretRowFromOneOrFromZero) {
    TMF& mf = showWindow();
    editor().Lines().SetText("first\r\nsecond\r\nthird line");
    editor().SetRow(2);
    editor().SetCol(4);
    settle();  // the view reports caret moves when it updates
    EXPECT_EQ(caretPanel(), "3行4桁");

    mf.EditProp.Leftbar.ZeroBase = true;
    mf.EditProp.AssignTo(editor());
    editor().SetCol(5);
    settle();
    EXPECT_EQ(caretPanel(), "2行5桁");
}

TEST_F(EditCommandsTest, TheStatusBarFollowsTheTabThatBecomesCurrent) {
    TMF& mf = showWindow();
    editor().Lines().SetText("a\r\nb\r\nc");
    editor().SetRow(2);
    mf.ActionList1.NewText->trigger();
    settle();
    EXPECT_EQ(caretPanel(), "1行0桁");
    mf.EditorTabSheet->setCurrentIndex(0);
    settle();
    EXPECT_EQ(caretPanel(), "3行0桁");
}

TEST_F(EditCommandsTest, CenterCaretRowOnTheFirstRowLeavesTheCaretWhereItWas) {
    TMF& mf = showWindow();
    editor().Lines().SetText("row zero\r\nrow one\r\nrow two");
    editor().SetRow(0);
    editor().SetCol(3);
    mf.CenterCaretRow();
    EXPECT_EQ(editor().Row(), 0);
    EXPECT_EQ(editor().Col(), 3);
    EXPECT_EQ(editor().TopRow(), 0);
}

TEST_F(EditCommandsTest, CenterCaretRowScrollsTheRowTowardsTheMiddleAndKeepsTheColumn) {
    TMF& mf = showWindow();
    QByteArray lines;
    for (int i = 0; i < 300; ++i) lines += (i % 2 ? "x\r\n" : "a longer line of text\r\n");
    editor().Lines().SetText(lines);
    const int visible = editor().VisibleRows();
    ASSERT_GT(visible, 4);
    editor().SetTopRow(100);
    const int row = 100 + visible - 2;  // near the bottom of the view, a long row
    editor().SetRow(row - row % 2);
    editor().SetCol(12);
    const int caretRow = editor().Row();

    mf.CenterCaretRow();

    EXPECT_EQ(editor().Row(), caretRow);
    EXPECT_EQ(editor().Col(), 12);
    EXPECT_GT(editor().TopRow(), 100);
    EXPECT_LT(editor().TopRow(), caretRow);
}

TEST_F(EditCommandsTest, TheWheelScrollsTheCurrentEditorByTheLineCountFromTheSettings) {
    TMF& mf = showWindow();
    EXPECT_EQ(mf.Wheel.LineCount, 2);  // the default
    QByteArray lines;
    for (int i = 0; i < 200; ++i) lines += "line\r\n";
    editor().Lines().SetText(lines);
    editor().SetRow(0);
    editor().SetTopRow(0);

    mf.EditorWheel(editor(), WheelScroller::Direction::Down);
    EXPECT_EQ(editor().TopRow(), 2);
    EXPECT_EQ(editor().Row(), 0);  // the caret stays

    mf.Wheel.LineCount = 0;
    mf.Wheel.LastTick = 0;
    mf.EditorWheel(editor(), WheelScroller::Direction::Up);
    EXPECT_EQ(editor().TopRow(), 2);
}

TEST_F(EditCommandsTest, TheWheelLineCountAndTheLineBreakToggleUseSectionOther) {
    {
        TRegIniFile key("\\Software\\Telsor\\Quodex");
        key.WriteInteger("Other", "WheelScrollCount", 5);
    }
    TMF& mf = showWindow();
    EXPECT_EQ(mf.Wheel.LineCount, 5);

    QToolButton lineBreak;  // a palette's line-break button
    lineBreak.setCheckable(true);
    mf.NewLineButtons.append(&lineBreak);
    const bool before = mf.Settings.InsertNewLine;
    mf.ActionList1.InNewLine->trigger();
    EXPECT_EQ(mf.Settings.InsertNewLine, !before);
    EXPECT_EQ(lineBreak.isChecked(), !before);
    EXPECT_EQ(TRegIniFile("\\Software\\Telsor\\Quodex").ReadBool("Other", "NewLine", before), !before);
    mf.ActionList1.InNewLine->trigger();
    EXPECT_EQ(mf.Settings.InsertNewLine, before);
    EXPECT_EQ(lineBreak.isChecked(), before);
    EXPECT_EQ(TRegIniFile("\\Software\\Telsor\\Quodex").ReadBool("Other", "NewLine", !before), before);
    mf.NewLineButtons.clear();
}

}  // namespace
