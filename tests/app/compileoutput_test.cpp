// The compile's output in the real main window: F9 runs a /bin/sh batch in
// the current folder and the bar "出力" shows what it prints; error lines
// lead to their files, F4 and Shift+F4 go from error to error.
#include "components/editorex.h"
#include "output/compileoutput.h"
#include "output/outputpane.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/accessibility.h"
#include "tests/support/qtprinters.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

namespace {

class CompileOutputTest : public MainWindowTest {
protected:
    // The window with `body` as its batch file and the folder "src" of the
    // test (with two sources) as the current folder.
    TMF& windowWithBatch(const QByteArray& body) {
        TMF& mf = showWindow();
        const QString batch = work_.filePath("make.sh");
        write(batch, "#!/bin/sh\n" + body);
        QFile(batch).setPermissions(QFile(batch).permissions() | QFile::ExeOwner);
        QDir(work_.path()).mkpath("src");
        write(src("a.lum"), "a1\r\na2\r\na3 abcdef\r\n");
        write(src("b.lum"), "b1\r\nb2\r\nb3\r\nb4\r\n");
        mf.Settings.BatFile = batch;
        mf.Settings.CurrentFolder = work_.filePath("src") + "/";
        return mf;
    }
    QString src(const QString& name) const { return work_.filePath("src/" + name); }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QStringList paneLines(TMF& mf) {
        QStringList lines;
        const TOutputLog& log = mf.CompileOutput->Log();
        for (int row = 0; row < log.Count(); ++row) lines << log.Line(row).Text();
        return lines;
    }
    // Runs F9 and waits for the batch's end and its last line.
    static void compile(TMF& mf) {
        mf.ActionList1.MakeKioro->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !mf.CompileOutput->IsRunning(); }, 20000));
        QApplication::processEvents();
    }

private:
    QTemporaryDir work_;
};

TEST_F(CompileOutputTest, F9RunsTheBatchInTheCurrentFolderAndTheBarShowsItsLinesAndEnd) {
    TMF& mf = windowWithBatch("pwd\necho 'a.lum(3,4): error' >&2\nexit 2\n");
    mf.CurEditor->SetSelText("unsaved");
    EXPECT_TRUE(mf.CompileOutput->OutputBar->isHidden());

    compile(mf);

    EXPECT_FALSE(mf.CompileOutput->OutputBar->isHidden());
    const QStringList lines = paneLines(mf);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QDir(src("")).absolutePath());
    EXPECT_EQ(lines[1], "a.lum(3,4): error");
    EXPECT_TRUE(QRegularExpression(R"(^終了コード 2 \(\d+\.\d秒\)$)").match(lines[2]).hasMatch()) << lines[2].toStdString();
    EXPECT_TRUE(mf.CurEditor->Modified());  // nothing was saved
    EXPECT_FALSE(mf.ActionList1.StopCompile->isEnabled());
    EXPECT_EQ(unnamedControls(&mf), QStringList());
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(CompileOutputTest, EnterOrDoubleClickOpensTheFileOrBringsItsTabWithTheCaretOnThePlace) {
    TMF& mf = windowWithBatch("echo 'compiling'\necho 'b.lum:3: x'\necho 'A.LUM(3,4): y'\n");
    mf.OpenDocument(src("b.lum"), false);
    const int tabs = mf.EditorTabSheet->count();
    compile(mf);
    QListView* list = mf.CompileOutput->Pane->List;

    // Not open yet, named in another case: opened, caret on row 3, column 4.
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(mf.EditorTabSheet->count(), tabs + 1);
    EXPECT_EQ(mf.DocTabs.Name(mf.ActiveDocIndex()), src("a.lum"));
    EXPECT_EQ(mf.CurEditor->Row(), 2);
    EXPECT_EQ(mf.CurEditor->Col(), 3);

    // Open already: its tab comes to the front, without a notice.
    const QRect rect = list->visualRect(list->model()->index(1, 0));
    // A double-click comes after the press of its first click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(mf.EditorTabSheet->count(), tabs + 1);
    EXPECT_EQ(mf.DocTabs.Name(mf.ActiveDocIndex()), src("b.lum"));
    EXPECT_EQ(mf.CurEditor->Row(), 2);
    EXPECT_EQ(mf.CurEditor->Col(), 0);

    // A line that is no error leads nowhere.
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(mf.DocTabs.Name(mf.ActiveDocIndex()), src("b.lum"));
    EXPECT_TRUE(prompts.calls().empty());
}

TEST_F(CompileOutputTest, F4AndShiftF4GoFromErrorToErrorAndStopAtTheEnds) {
    TMF& mf = windowWithBatch("echo 'a.lum:1: x'\necho text\necho 'b.lum:2: y'\necho 'b.lum:4: z'\n");
    compile(mf);
    QAction* next = mf.ActionList1.NextError;
    QAction* previous = mf.ActionList1.PrevError;
    EXPECT_EQ(next->shortcut(), QKeySequence("F4"));
    EXPECT_EQ(previous->shortcut(), QKeySequence("Shift+F4"));
    const auto at = [&] { return std::pair(mf.CompileOutput->Pane->CurrentRow(), mf.CurEditor->Row()); };

    next->trigger();
    EXPECT_EQ(at(), std::pair(0, 0));
    next->trigger();
    EXPECT_EQ(at(), std::pair(2, 1));
    next->trigger();
    EXPECT_EQ(at(), std::pair(3, 3));
    next->trigger();  // the last error: nothing moves
    EXPECT_EQ(at(), std::pair(3, 3));
    previous->trigger();
    EXPECT_EQ(at(), std::pair(2, 1));
    previous->trigger();
    EXPECT_EQ(at(), std::pair(0, 0));
    previous->trigger();  // the first error: nothing moves
    EXPECT_EQ(at(), std::pair(0, 0));
    EXPECT_EQ(mf.DocTabs.Name(mf.ActiveDocIndex()), src("a.lum"));
}

TEST_F(CompileOutputTest, F9WhileRunningAsksAndTheStopButtonAndClosingEndTheBatch) {
    TMF& mf = windowWithBatch("echo started\nsleep 60\n");
    mf.ActionList1.MakeKioro->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { mf.CompileOutput->Pane->Flush(); return paneLines(mf) == QStringList{"started"}; }, 10000));
    EXPECT_TRUE(mf.ActionList1.StopCompile->isEnabled());

    prompts.answerQuestion(IdNo);
    mf.ActionList1.MakeKioro->trigger();
    EXPECT_EQ(prompts.calls().back().text, "コンパイル中です。中止してやり直しますか？");
    EXPECT_EQ(prompts.calls().back().caption, "確認");
    EXPECT_TRUE(mf.CompileOutput->IsRunning());
    EXPECT_EQ(paneLines(mf), QStringList{"started"});

    prompts.answerQuestion(IdYes);
    mf.ActionList1.MakeKioro->trigger();
    EXPECT_TRUE(mf.CompileOutput->IsRunning());  // again, from an empty pane
    ASSERT_TRUE(QTest::qWaitFor([&] { mf.CompileOutput->Pane->Flush(); return paneLines(mf) == QStringList{"started"}; }, 10000));

    mf.ActionList1.StopCompile->trigger();
    EXPECT_FALSE(mf.CompileOutput->IsRunning());
    EXPECT_TRUE(paneLines(mf).last().startsWith("中止しました ("));

    mf.ActionList1.MakeKioro->trigger();
    ASSERT_TRUE(mf.CompileOutput->IsRunning());
    EXPECT_TRUE(mf.close());
    EXPECT_FALSE(mf.CompileOutput->IsRunning());
}

TEST_F(CompileOutputTest, ABatchThatCannotStartSaysWhyInThePaneAndTheErrorBox) {
    TMF& mf = windowWithBatch("");
    mf.Settings.BatFile = src("missing.bat");
    prompts.expectError();
    mf.ActionList1.MakeKioro->trigger();

    const QString why = "ファイル \"" + src("missing.bat") + "\" を開けません: ファイルまたはフォルダが見つかりません";
    EXPECT_EQ(paneLines(mf), QStringList{why});
    ASSERT_EQ(prompts.callsOf(PromptKind::Error).size(), 1u);
    EXPECT_EQ(prompts.callsOf(PromptKind::Error)[0].text, why);
    EXPECT_FALSE(mf.CompileOutput->OutputBar->isHidden());

    mf.Settings.BatFile.clear();  // an empty BatFile does nothing at all
    mf.ActionList1.MakeKioro->trigger();
    EXPECT_EQ(paneLines(mf), QStringList{why});
}

TEST_F(CompileOutputTest, AFloodKeepsTheNewestLinesAndSaysHowManyWentFirst) {
    TMF& mf = windowWithBatch("seq 1 250000\necho 'a.lum(1): last'\n");
    compile(mf);

    const QStringList lines = paneLines(mf);
    ASSERT_EQ(lines.size(), 100000);
    EXPECT_EQ(lines[0], "150003");
    EXPECT_EQ(lines[99998], "a.lum(1): last");
    EXPECT_TRUE(lines[99999].startsWith("終了コード 0 ("));
    EXPECT_EQ(mf.CompileOutput->Pane->DroppedLabel->text(), "先頭の 150002 行を省きました");
    mf.ActionList1.PrevError->trigger();
    EXPECT_EQ(mf.CompileOutput->Pane->CurrentRow(), 99998);
}

}  // namespace
