// The find and replace commands and the quick-find box, driven through the
// dialog with the answers scripted.
#include "search/finddlg.h"
#include "search/findreplace.h"
#include "search/searchmessages.h"
#include "tests/components/sjis.h"
#include "tests/search/fakesearchwindow.h"
#include "tests/support/modaldriver.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/settingshive.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Options {
    bool matchCase = true;
    bool regexp = false;
    bool backward = false;
    bool fromCaret = false;
    bool all = false;  // 全て
};

class FindReplaceTest : public ::testing::Test {
protected:
    // The next dialog gets `find`, `replace` and the options, then executes.
    void answerDialog(const QString& find, const QString& replace = {}, Options o = {}) {
        whenModalShown<TFDlg>([=](TFDlg* d) {
            d->FindCombo->setEditText(find);
            d->ReplaceCombo->setEditText(replace);
            d->BigAndSmallChk->setChecked(o.matchCase);
            d->WordOnlyChk->setChecked(false);
            d->OnAwkChk->setChecked(o.regexp);
            d->NextRg->findChildren<QRadioButton*>().at(o.backward ? 1 : 0)->setChecked(true);
            d->StartRg->findChildren<QRadioButton*>().at(o.fromCaret ? 1 : 0)->setChecked(true);
            if (o.all)
                d->AllBtnClick();
            else
                d->OkBtnClick();
        });
    }
    void cancelDialog() {
        whenModalShown<TFDlg>([this](TFDlg* d) {
            ++dialogsShown;
            d->NoBtnClick();
        });
    }
    TEditorEx& editor() { return window.editor(); }
    // The selection as "offset:text".
    std::string selection() {
        return std::to_string(editor().GetSelStart()) + ":" + editor().GetSelText().toStdString();
    }
    QString lastText() const { return prompts.calls().empty() ? QString() : prompts.calls().back().text; }

    ScopedSettingsHive hive;
    ScriptedPrompts prompts;
    FakeSearchWindow window;
    TFindReplace commands{window};
    int dialogsShown = 0;
};

TEST_F(FindReplaceTest, F3AndShiftF3OpenTheDialogUntilASearchIsConfirmed) {
    editor().Lines().SetText("ab ab ab");
    cancelDialog();
    commands.FindNextExecute();
    cancelDialog();
    commands.FindBackExecute();
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_EQ(editor().GetSelLength(), 0);

    answerDialog("ab");
    commands.FindExecute();
    EXPECT_EQ(selection(), "0:ab");
    commands.FindNextExecute();
    EXPECT_EQ(selection(), "3:ab");
    commands.FindNextExecute();
    commands.FindBackExecute();
    EXPECT_EQ(selection(), "3:ab");
    prompts.expectNotice();
    commands.FindNextExecute();
    commands.FindNextExecute();
    EXPECT_EQ(prompts.calls().back().caption, "終了");
    EXPECT_EQ(lastText(), "最後まで検索しました。");
    EXPECT_EQ(prompts.calls().back().icon(), mb::IconAsterisk);
    EXPECT_EQ(selection(), "6:ab");

    // A cancelled dialog makes F3 open it again.
    cancelDialog();
    commands.FindExecute();
    cancelDialog();
    commands.FindNextExecute();
    EXPECT_EQ(dialogsShown, 4);
}

TEST_F(FindReplaceTest, AForwardSearchFromTheTopOrFromTheCaret) {
    editor().Lines().SetText("ab ab ab");
    editor().SetSelStart(4);
    answerDialog("ab");
    commands.FindExecute();
    EXPECT_EQ(selection(), "0:ab");

    editor().SetSelStart(4);
    answerDialog("ab", {}, {.fromCaret = true});
    commands.FindExecute();
    EXPECT_EQ(selection(), "6:ab");
    EXPECT_EQ(commands.State.StartPos, 4);
}

TEST_F(FindReplaceTest, ABackwardSearchStartsAtTheCaretEvenFromTheTop) {
    editor().Lines().SetText("ab ab ab ab");
    editor().SetSelStart(7);
    answerDialog("ab", {}, {.backward = true});
    commands.FindExecute();
    EXPECT_EQ(selection(), "6:ab");
    EXPECT_EQ(commands.State.FromCaret, 11);
    // F3 goes forward whatever the direction; Shift+F3 backward.
    commands.FindNextExecute();
    EXPECT_EQ(selection(), "9:ab");
    commands.FindBackExecute();
    EXPECT_EQ(selection(), "6:ab");
}

TEST_F(FindReplaceTest, ALineBreakInAnExpressionIsSearchedWithFindUntilAnExpressionWithoutOne) {
    editor().Lines().SetText("a\r\nb a\r\nb");
    answerDialog("a\\nb", {}, {.regexp = true});
    commands.FindExecute();
    EXPECT_EQ(editor().FindString(), "a\\r\\nb");
    EXPECT_TRUE(commands.State.MultiLine);
    EXPECT_EQ(selection(), "0:a\r\nb");
    commands.FindNextExecute();
    EXPECT_EQ(selection(), "5:a\r\nb");  // F3 moves on, never finds the same hit

    answerDialog("x");  // without regular expressions the flag stays
    prompts.expectNotice();
    commands.FindExecute();
    EXPECT_TRUE(commands.State.MultiLine);
    answerDialog("b", {}, {.regexp = true});
    commands.FindExecute();
    EXPECT_FALSE(commands.State.MultiLine);
}

TEST_F(FindReplaceTest, TheReplaceLoopAsksAtEachHit) {
    editor().Lines().SetText("x1 x2 x3 x4");
    answerDialog("x", "yy");
    for (int answer : {IdYes, IdNo, IdYes, IdCancel}) prompts.answerQuestion(answer);
    commands.ReplaceExecute();
    EXPECT_EQ(editor().Lines().Text(), "yy1 x2 yy3 x4");
    const PromptCall& question = prompts.calls().front();
    EXPECT_EQ(question.caption, "確認");
    EXPECT_EQ(question.text, "置換しますか？");
    EXPECT_EQ(question.buttons(), mb::YesNoCancel);
    EXPECT_EQ(question.icon(), mb::IconQuestion);
    EXPECT_EQ(prompts.calls().size(), 4u);  // no closing notice after Cancel

    answerDialog("x", "z");
    prompts.answerQuestion(IdYes);
    prompts.answerQuestion(IdYes);
    prompts.expectNotice();
    commands.ReplaceExecute();
    EXPECT_EQ(editor().Lines().Text(), "yy1 z2 yy3 z4");
    EXPECT_EQ(lastText(), "最後まで置換しました");
    EXPECT_EQ(prompts.calls().back().caption, "終了");
}

TEST_F(FindReplaceTest, TheReplaceLoopBackwardAndWithGroupsAndEscapes) {
    editor().Lines().SetText("a1 a2 a3");
    editor().SetSelStart(8);
    answerDialog("a", "aa", {.backward = true});
    for (int i = 0; i < 3; ++i) prompts.answerQuestion(IdYes);
    prompts.expectNotice();
    commands.ReplaceExecute();
    EXPECT_EQ(editor().Lines().Text(), "aa1 aa2 aa3");  // never the replacement again

    editor().Lines().SetText("k=v");
    answerDialog("(\\w)=(\\w)", "$2\\t\\1", {.regexp = true});
    prompts.answerQuestion(IdYes);
    prompts.expectNotice();
    commands.ReplaceExecute();
    EXPECT_EQ(editor().Lines().Text(), "v\tk");
}

TEST_F(FindReplaceTest, NothingFoundByTheLoopShowsNothing) {
    editor().Lines().SetText("abc");
    answerDialog("zzz", "y");
    commands.ReplaceExecute();
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(FindReplaceTest, ReplaceAllReportsAndMarksTheDocumentEvenWithoutAMatch) {
    editor().Lines().SetText("abc");
    editor().SetModified(false);
    answerDialog("zzz", "y", {.all = true});
    prompts.expectNotice();
    commands.ReplaceExecute();
    EXPECT_EQ(lastText(), "全て置換しました");
    EXPECT_EQ(prompts.calls().back().caption, "終了");
    EXPECT_EQ(editor().Lines().Text(), "abc");
    EXPECT_TRUE(editor().Modified());
    EXPECT_EQ(window.modifiedMarks, 1);

    editor().Lines().SetText("a-b-c");
    answerDialog("-", "\\n", {.regexp = true, .all = true});
    prompts.expectNotice();
    commands.ReplaceExecute();
    EXPECT_EQ(editor().Lines().Text(), "a\r\nb\r\nc");
    editor().Undo();
    EXPECT_EQ(editor().Lines().Text(), "a-b-c");
}

TEST_F(FindReplaceTest, CancelLeavesDocumentAndCaretAlone) {
    editor().Lines().SetText("abc abc");
    editor().SetSelStart(5);
    cancelDialog();
    commands.ReplaceExecute();
    EXPECT_EQ(editor().Lines().Text(), "abc abc");
    EXPECT_EQ(editor().GetSelStart(), 5);
    EXPECT_FALSE(commands.State.Confirmed);
}

TEST_F(FindReplaceTest, AnExpressionThatDoesNotCompileIsReportedAndNothingIsSearched) {
    editor().Lines().SetText("a(b a(b");
    editor().SetSelStart(2);
    answerDialog("a(b", "x", {.regexp = true, .all = true});
    prompts.expectError();
    commands.ReplaceExecute();
    const PromptCall& error = prompts.calls().back();
    EXPECT_EQ(error.caption, "検索");
    EXPECT_EQ(error.text, "正規表現が正しくありません。\n\na(b\n\n閉じ括弧 ) が足りません");
    EXPECT_EQ(error.icon(), mb::IconHand);
    EXPECT_EQ(editor().Lines().Text(), "a(b a(b");
    EXPECT_EQ(editor().GetSelStart(), 2);
    EXPECT_EQ(window.settings.FindHistory.value(0), "a(b");

    answerDialog("[z", {}, {.regexp = true});
    prompts.expectError();
    commands.FindExecute();
    EXPECT_EQ(editor().GetSelStart(), 2);
    cancelDialog();  // F3 does not run into the same error: it asks again
    commands.FindNextExecute();
    EXPECT_EQ(dialogsShown, 1);
}

TEST_F(FindReplaceTest, AnExpressionTheEngineGivesUpOnIsReportedAndChangesNothing) {
    const QByteArray text = QByteArray(40, 'a') + "!";
    editor().Lines().SetText(text);
    editor().SetModified(false);
    answerDialog("(a+)+$", "x", {.regexp = true, .all = true});
    prompts.expectError();
    commands.ReplaceExecute();
    EXPECT_EQ(lastText(), SearchMessageText(SearchMessage::TooComplex, "(a+)+$"));
    EXPECT_EQ(editor().Lines().Text(), text);
    EXPECT_FALSE(editor().Modified());
}

// The progress window is cancelled the moment it shows.
class CancelOnShow : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* progress = qobject_cast<QProgressDialog*>(watched)) {
                EXPECT_EQ(progress->labelText(), "置換しています…");
                progress->cancel();
            }
        }
        return false;
    }
};

TEST_F(FindReplaceTest, ACancelledReplaceAllLeavesTheTextAsItWas) {
    const QByteArray text = QByteArray("one two ").repeated(2000);
    editor().Lines().SetText(text);
    editor().SetModified(false);
    commands.ProgressDelayMs = 0;
    CancelOnShow canceller;
    qApp->installEventFilter(&canceller);
    answerDialog("o", "0", {.all = true});
    prompts.expectNotice();
    commands.ReplaceExecute();
    qApp->removeEventFilter(&canceller);
    EXPECT_EQ(lastText(), "置換を中止しました。文書は変更されていません。");
    EXPECT_EQ(editor().Lines().Text(), text);
    EXPECT_FALSE(editor().Modified());
    editor().Undo();  // the only step to take back is the text's arrival
    EXPECT_EQ(editor().Lines().Text(), "");
}

TEST_F(FindReplaceTest, QuickFindSearchesWithTheLastOptionsAndKeepsEveryText) {
    QComboBox box;
    box.setEditable(true);
    commands.AttachQuickFind(&box);
    editor().Lines().SetText("ab AB ab");
    editor().SetExSearchOptions({TExSearchOption::MatchCase});

    box.setEditText("AB");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(selection(), "3:AB");
    EXPECT_TRUE(commands.State.Confirmed);
    QTest::keyClick(&box, Qt::Key_Return);  // Find: from the hit itself
    EXPECT_EQ(selection(), "3:AB");
    box.setEditText("");
    QTest::keyClick(&box, Qt::Key_Return);
    box.setEditText("zz");
    QTest::keyClick(&box, Qt::Key_Return);  // nothing found, nothing said
    EXPECT_TRUE(prompts.calls().empty());

    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    EXPECT_EQ(items, QStringList({"zz", "", "AB", "AB"}));
    EXPECT_EQ(editor().ExSearchOptions(), TExSearchOptions{TExSearchOption::MatchCase});

    editor().SetSelStart(0);
    box.setEditText("ab");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(selection(), "0:ab");
    commands.FindNextExecute();  // F3 goes on from there
    EXPECT_EQ(selection(), "6:ab");
}

}  // namespace
