// The macro menu, running and stopping macros, the macro edit window and the
// macros the program ships, on the real main window.
#include "macro/host/macroeditform.h"
#include "tests/macro/host/macrohostfixture.h"
#include "tests/support/accessibility.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

namespace {

class MacroMenuTest : public MacroHostTest {
protected:
    // Captions as shown, "-" for a separator.
    static QStringList captions(const QMenu* menu) {
        QStringList all;
        for (const QAction* action : menu->actions()) all << (action->isSeparator() ? "-" : action->text());
        return all;
    }
    // The entry of macro file `index` (0-based), after the fixed entries.
    QAction* entry(int index) const { return mf->MacroHost->MacroPop->actions().value(3 + index); }
    // Chooses the entry; its macro runs once the events of the moment are done.
    void choose(QAction* action) {
        action->trigger();
        QApplication::processEvents();
    }
    TMacroEditForm& form() { return *host().MacroEditForm; }
    // Runs `action` once the macro started next has begun.
    static void duringTheRun(std::function<void()> action, int delayMs = 30) {
        QTimer::singleShot(delayMs, std::move(action));
    }
};

TEST_F(MacroMenuTest, TheMenuListsTheMacroFolderWithAccessKeysInBothMenus) {
    for (int i = 1; i <= 12; ++i) macroFile(QString("m%1.qmc").arg(i, 2, 10, QChar('0')), "");
    macroFile("notes.txt", "");
    TMF& window = showWindow();
    const QStringList expected = {"マクロの編集(&E)", "マクロの強制終了(&X)", "-",
                                  "m01.qmc(&1)", "m02.qmc(&2)", "m03.qmc(&3)", "m04.qmc(&4)",
                                  "m05.qmc(&5)", "m06.qmc(&6)", "m07.qmc(&7)", "m08.qmc(&8)",
                                  "m09.qmc(&9)", "m10.qmc(&0)", "m11.qmc(&a)", "m12.qmc(&b)"};
    EXPECT_EQ(captions(host().MacroPop), expected);
    EXPECT_EQ(host().MacroMenu, window.Menus.Macro1);
    // Twins: every entry is one action shown in both menus.
    EXPECT_EQ(host().MacroMenu->actions(), host().MacroPop->actions());
    EXPECT_EQ(window.ActionList1.MacroEditItem->statusTip(), "マクロを編集します");
    EXPECT_EQ(window.ActionList1.MacroStopItem->statusTip(), "実行中のマクロを強制終了します");
}

TEST_F(MacroMenuTest, AnEntryRunsItsFileWithTheStatusShownAndClearedAfter) {
    macroFile("a(&b).qmc", "Sleep(20); Print('ran')");
    showWindow();
    QString during;
    duringTheRun([&] { during = status(); }, 5);
    choose(entry(0));
    EXPECT_EQ(entry(0)->text(), "a(&&b).qmc(&1)");
    EXPECT_EQ(text(), "ran");
    EXPECT_EQ(during, "マクロ実行中");
    EXPECT_EQ(status(), "");
}

TEST_F(MacroMenuTest, AnErrorEndsTheRunInTheErrorBoxAndClearsTheStatus) {
    macroFile("bad.qmc", "Print('a'); x := 1; Print('b')");
    showWindow();
    prompts.expectError();
    choose(entry(0));
    EXPECT_EQ(lastText(PromptKind::Error), "文法エラーです[x]");
    EXPECT_EQ(text(), "a");
    EXPECT_EQ(status(), "");
}

TEST_F(MacroMenuTest, AMacroFileGoneSinceTheMenuWasMadeIsReported) {
    macroFile("gone.qmc", "Print('x')");
    showWindow();
    QFile::remove(appFolder.filePath("Macro/gone.qmc"));
    prompts.expectError();
    choose(entry(0));
    EXPECT_TRUE(lastText(PromptKind::Error).contains("gone.qmc"));
    EXPECT_EQ(status(), "");
}

TEST_F(MacroMenuTest, StopEndsARunningMacroAndShowsWhyOnceItIsAsked) {
    macroFile("loop.qmc", "while True do begin end; Print('after')");
    TMF& window = showWindow();
    QString during;
    duringTheRun([&] {
        during = status();
        window.ActionList1.MacroStopItem->trigger();
    });
    prompts.expectError();
    choose(entry(0));
    EXPECT_EQ(during, "マクロ実行中");
    EXPECT_EQ(lastText(PromptKind::Error), "実行を中断しました");
    EXPECT_EQ(text(), "");
    EXPECT_EQ(status(), "");
    EXPECT_FALSE(host().Running());
}

TEST_F(MacroMenuTest, StopWithoutARunningMacroOnlyClearsTheStatus) {
    TMF& window = showWindow();
    window.StB->SetPanelText(3, "old");
    window.ActionList1.MacroStopItem->trigger();
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(MacroMenuTest, AMacroStartedWhileOneRunsIsRefusedAndTheFirstGoesOn) {
    macroFile("slow.qmc", "Sleep(100); Print('first')");
    macroFile("other.qmc", "Print('second')");
    showWindow();
    form().MEdit->Lines().SetText("Print('third')");
    duringTheRun([&] {
        entry(0)->trigger();  // other.qmc
        form().ExeButton->click();
    });
    prompts.expectNotice();
    prompts.expectNotice();
    choose(entry(1));  // slow.qmc
    EXPECT_EQ(prompts.callsOf(PromptKind::Notice).size(), 2u);
    EXPECT_EQ(lastText(PromptKind::Notice), "マクロは既に実行中です");
    EXPECT_EQ(text(), "first");
    EXPECT_EQ(status(), "");
}

TEST_F(MacroMenuTest, CtrlMRebuildsTheMenuAndPopsItUpWithoutTypingTheKey) {
    TMF& window = showWindow();
    macroFile("late.qmc", "");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier, QString(QChar(13)));
    QApplication::sendEvent(window.CurEditor->Scintilla(), &press);
    EXPECT_TRUE(host().MacroPop->isVisible());
    EXPECT_EQ(captions(host().MacroPop).last(), "late.qmc(&1)");
    EXPECT_EQ(text(), "");
    host().MacroPop->close();

    window.ActionList1.ToolButton1->trigger();
    EXPECT_TRUE(host().MacroPop->isVisible());
    host().MacroPop->close();
}

TEST_F(MacroMenuTest, TheEditWindowIsAStayOnTopWindowOfItsOwn) {
    TMF& window = showWindow();
    window.ActionList1.MacroEditItem->trigger();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(form().windowTitle(), "Quodexマクロ");
    EXPECT_EQ(form().size(), QSize(594, 430));
    EXPECT_TRUE(form().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form().isModal());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(form().MEdit->Prop().Caret.TabSpaceCount, 4);
    EXPECT_TRUE(form().MEdit->Prop().Caret.AutoIndent);
    EXPECT_TRUE(form().MEdit->Prop().ReserveWordList.contains("downto"));
    EXPECT_EQ(form().Label1->buddy(), form().FileEdit);
    EXPECT_EQ(unnamedControls(&form()), QStringList());
}

TEST_F(MacroMenuTest, RunningFromTheEditWindowActsOnTheCurrentDocument) {
    TMF& window = showWindow();
    window.StB->SetPanelText(3, "untouched");
    form().ExeButton->click();  // an empty macro
    form().MEdit->Lines().SetText(sjis("Print('本文')"));
    form().ExeButton->click();
    EXPECT_EQ(text(), "本文");
    EXPECT_EQ(decoded(form().MEdit->Lines().Text()), "Print('本文')");
    EXPECT_EQ(status(), "untouched");
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(MacroMenuTest, SavingWritesTheNamesQmcFormAndRebuildsTheMenu) {
    showWindow();
    QDir().mkpath(appFolder.filePath("Macro"));
    form().MEdit->Lines().SetText(sjis("Print('あ')\nExit"));
    const std::pair<const char*, const char*> cases[] = {{"sample.txt", "sample.qmc"}, {"", ".qmc"}, {"x", "x.qmc"}};
    for (const auto& [name, file] : cases) {
        form().FileEdit->setText(name);
        form().SaveButton->click();
        EXPECT_EQ(fileBytes(appFolder.filePath(QString("Macro/") + file)), sjis("Print('あ')\r\nExit\r\n")) << name;
    }
    EXPECT_EQ(captions(host().MacroMenu).mid(3), QStringList({".qmc(&1)", "sample.qmc(&2)", "x.qmc(&3)"}));
}

TEST_F(MacroMenuTest, OpeningLoadsTheChosenMacroAndClosingRebuildsTheMenu) {
    macroFile("one.qmc", "Print('1')");
    showWindow();
    prompts.answerOpenFiles({appFolder.filePath("Macro/one.qmc")});
    macroFile("two.qmc", "");
    form().OpenButton->click();
    EXPECT_EQ(decoded(form().MEdit->Lines().Text()), "Print('1')");
    EXPECT_EQ(form().FileEdit->text(), "one.qmc");
    const PromptCall& dialog = prompts.callsOf(PromptKind::OpenFiles).back();
    EXPECT_EQ(dialog.file.filter, "Quodexマクロ(*.qmc)|*.qmc");
    EXPECT_EQ(dialog.file.initialFolder, appFolder.filePath("Macro/"));
    EXPECT_EQ(captions(host().MacroMenu).size(), 5);

    macroFile("three.qmc", "");
    form().ShowForm();
    form().close();
    EXPECT_EQ(captions(host().MacroMenu).size(), 6);
}

// The macros the program ships, from the source tree's Macro folder.
class ShippedMacrosTest : public MacroMenuTest {
protected:
    void SetUp() override {
        for (const QString& name : QDir(QUODEX_SHIPPED_MACROS).entryList({"*.qmc"}, QDir::Files)) {
            QFile file(QString(QUODEX_SHIPPED_MACROS) + "/" + name);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            ASSERT_TRUE(appFolder.writeFile("Macro/" + name, file.readAll()));
        }
    }
    void runShipped(const QString& name) {
        for (QAction* action : host().MacroPop->actions())
            if (action->data().toString() == name) return choose(action);
        ADD_FAILURE() << "no macro " << name.toStdString();
    }
};

TEST_F(ShippedMacrosTest, TrailingBlanksAreRemovedFromEveryLine) {
    showWindow();
    setText("a  \nb\t \nc\n  d");
    editor().SetSelStart(7);
    prompts.answerMessageBox(IdOk);
    runShipped("行末の空白を削除.qmc");
    EXPECT_EQ(text(), "a\r\nb\r\nc\r\n  d");
    EXPECT_EQ(lastText(PromptKind::MessageBox), "2 行の行末の空白を削除しました");
    EXPECT_EQ(editor().Row(), 1);
}

TEST_F(ShippedMacrosTest, CaseMacrosConvertTheSelectionOrTheWordAtTheCaret) {
    showWindow();
    setText("abc Def ghi");
    editor().SetSelStart(0);
    editor().SetSelLength(3);
    runShipped("選択範囲を大文字に.qmc");
    EXPECT_EQ(text(), "ABC Def ghi");
    editor().SetSelStart(9);
    runShipped("選択範囲を大文字に.qmc");
    EXPECT_EQ(text(), "ABC Def GHI");
    editor().SetSelStart(5);
    runShipped("選択範囲を小文字に.qmc");
    EXPECT_EQ(text(), "ABC def GHI");
}

TEST_F(ShippedMacrosTest, TheHeaderNamesTheFileOrTheUntitledTab) {
    const QString file = workFile("prog.lum", "action a\r\n");
    TMF& window = showWindow();
    runShipped("ファイル名の見出しを挿入.qmc");
    const QString rule = "// " + QString(50, '=');
    EXPECT_EQ(text(), rule + "\r\n// 新規 (1)\r\n" + rule + "\r\n");
    window.OpenDocument(file, true);
    editor().SetSelStart(4);
    runShipped("ファイル名の見出しを挿入.qmc");
    EXPECT_EQ(text(), rule + "\r\n// prog.lum\r\n" + rule + "\r\naction a\r\n");
}

}  // namespace
