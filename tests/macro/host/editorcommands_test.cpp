// Every editor command of the macros on the real main window, through the
// interpreter, with what it does to the documents, the clipboard and the disk.
#include "app/macrowindowadapter.h"
#include "macro/host/editorcommands.h"
#include "tests/macro/host/macrohostfixture.h"
#include "tests/support/recordingshell.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTabWidget>

namespace {

class EditorCommandsTest : public MacroHostTest {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    // The window with `count` untitled documents "0", "1", … , the last current.
    TMF& withDocuments(int count) {
        TMF& window = showWindow();
        for (int i = 0; i < count; ++i) {
            if (i > 0) window.NewTextExecute();
            setText(std::to_string(i));
            editor().SetModified(true);
            window.UpdateModifiedMark();
        }
        return window;
    }
    QString activeCaption() const { return mf->EditorTabSheet->tabText(mf->EditorTabSheet->currentIndex()); }
    static std::string quoted(const QString& path) { return "'" + path.toStdString() + "'"; }
};

// "ab", "cd", "ef" with the caret at row 1, column 1 (offset 5).
struct CaretCase {
    const char* macro;
    qsizetype selStart;
    qsizetype selLength;
};

TEST_F(EditorCommandsTest, CaretAndSelectionCommandsMoveInShiftJisBytes) {
    const CaretCase cases[] = {
        {"CursorUp", 1, 0},        {"CursorDown", 9, 0},       {"CursorRight", 6, 0},
        {"CursorLeft", 4, 0},      {"MoveLineStart", 4, 0},    {"MoveLineEnd", 6, 0},
        {"MoveFileStart", 0, 0},   {"MoveFileEnd", 10, 0},     {"MoveEditStart", 1, 0},
        {"MoveEditEnd", 9, 0},     {"SelectAll", 0, 10},       {"SelStart(8)", 8, 0},
        {"SelStart(1); SelLength(3)", 1, 3},                   {"SelectLine(2)", 8, 2},
        {"SelectLine(9)", 8, 2},   {"SelectCurStart", 0, 5},   {"SelectCurEnd", 5, 5},
        {"SelectWord", 4, 2},      {"SelStart(4294967297)", 1, 0},
    };
    showWindow();
    for (const CaretCase& c : cases) {
        setText("ab\ncd\nef");
        editor().SetSelStart(5);
        run(c.macro);
        EXPECT_EQ(selection(), std::make_pair(c.selStart, c.selLength)) << c.macro;
    }
}

TEST_F(EditorCommandsTest, IntegerFunctionsReadCaretAndPages) {
    withDocuments(3);
    mf->EditorTabSheet->setCurrentIndex(1);
    setText("あい\nxyz");
    editor().SetSelStart(8);
    run("var s, c, r, a, n: Integer; begin s := GetSelectStart; c := GetCol; r := GetRow; "
        "a := GetActivePage; n := GetPageCount; end");
    EXPECT_EQ(intVar("s"), 8);
    EXPECT_EQ(intVar("c"), 2);
    EXPECT_EQ(intVar("r"), 1);
    EXPECT_EQ(intVar("a"), 1);
    EXPECT_EQ(intVar("n"), 3);
}

TEST_F(EditorCommandsTest, StringFunctionsReadTextSelectionAndCharacter) {
    showWindow();
    setText("aあb\nc");
    editor().SetSelStart(1);
    editor().SetSelLength(3);
    run("var t, s, c: String; begin t := GetText; s := GetSelText; SelLength(0); c := GetSelChar; end");
    EXPECT_EQ(strVar("t"), "aあb\r\nc");
    EXPECT_EQ(strVar("s"), "あb");
    EXPECT_EQ(strVar("c"), "あ");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(1), qsizetype(0)));
}

TEST_F(EditorCommandsTest, ReverseStrKeepsCharactersWithOpOneAndSplitsThemWithZero) {
    showWindow();
    run("var a, b: String; begin a := ReverseStr('xあ'#13#10'い', 1); b := ReverseStr('ab', 0); end");
    EXPECT_EQ(strVar("a"), "い\r\nあx");
    EXPECT_EQ(strVar("b"), "ba");
}

TEST_F(EditorCommandsTest, PrintReplacesTheSelectionOrInsertsAtTheCaret) {
    showWindow();
    setText("abc");
    editor().SetSelStart(1);
    run("Print('漢字')");
    EXPECT_EQ(text(), "a漢字bc");
    editor().SetSelStart(0);
    editor().SetSelLength(2);
    run("Print('x')");
    EXPECT_EQ(text(), "x字bc");
    EXPECT_EQ(activeCaption(), "新規 (1) [変更]");
}

TEST_F(EditorCommandsTest, CaseCommandsChangeAsciiLettersOfANonEmptySelectionOnly) {
    showWindow();
    setText("abcａ Def");
    editor().SelectAll();
    run("ChangeUpperCase");
    EXPECT_EQ(text(), "ABCａ DEF");
    editor().SetSelStart(0);
    editor().SetSelLength(3);
    run("ChangeLowerCase");
    EXPECT_EQ(text(), "abcａ DEF");
    editor().SetSelStart(0);
    run("ChangeLowerCase");
    EXPECT_EQ(text(), "abcａ DEF");
}

TEST_F(EditorCommandsTest, ClipboardUndoAndRedoGoThroughTheEditCommands) {
    showWindow();
    setText("hello");
    editor().SetSelStart(0);
    editor().SetSelLength(2);
    run("EditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "he");
    run("EditCut");
    EXPECT_EQ(text(), "llo");
    run("MoveFileEnd; EditPaste");
    EXPECT_EQ(text(), "llohe");
    run("Print('!'); Undo");
    EXPECT_EQ(text(), "llohe");
    run("Redo");
    EXPECT_EQ(text(), "llohe!");
}

TEST_F(EditorCommandsTest, CopyFileNameCopiesTheDocumentsPathOrNothingWhenUntitled) {
    const QString file = workFile("a.lum", "x");
    TMF& window = showWindow();
    QGuiApplication::clipboard()->setText("old");
    run("CopyFileName");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
    window.OpenDocument(file, true);
    run("CopyFileName");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), file);
}

TEST_F(EditorCommandsTest, NewFileMakesATabEmptiesTheTextOrStartsTheProgram) {
    RecordingShell shell;
    TMF& window = showWindow();
    setText("keep");
    editor().SetModified(true);
    run("NewFile(0)");
    EXPECT_EQ(window.DocTabs.Count(), 2);
    setText("gone");
    run("NewFile(1)");
    EXPECT_EQ(text(), "");
    EXPECT_EQ(window.DocTabs.Count(), 2);
    window.Settings.CurrentFolder = "/tmp/";
    run("NewFile(2)");
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, ShellCallKind::Open);
    EXPECT_EQ(shell.calls()[0].target, QCoreApplication::applicationFilePath());
    EXPECT_EQ(shell.calls()[0].workingFolder, "/tmp/");
}

TEST_F(EditorCommandsTest, OpenFileOpensCreatesAsksOrDoesNothing) {
    const QString existing = workFile("old.lum", "old\r\n");
    const QString created = workFile("new.lum");
    TMF& window = showWindow();

    run("OpenFile(" + quoted(existing) + ", 2)");
    EXPECT_EQ(window.DocNames(), QStringList{existing});
    EXPECT_EQ(window.Settings.CurrentFolder, QFileInfo(existing).path() + "/");

    run("OpenFile(" + quoted(created) + ", 1)");
    EXPECT_EQ(fileBytes(created), "");
    EXPECT_EQ(window.DocNames(), QStringList({existing, created}));

    run("OpenFile('', 1); OpenFile('', 2); OpenFile(" + quoted(workFile("none.lum")) + ", 2)");
    EXPECT_EQ(window.DocTabs.Count(), 2);
    QDir().mkpath(QFileInfo(existing).path() + "/sub");
    EXPECT_FALSE(QFileInfo::exists(workFile("none.lum")));

    // A relative name lies in the current folder.
    run("OpenFile('sub\\rel.lum', 1)");
    EXPECT_EQ(window.DocNames().last(), QFileInfo(existing).path() + "/sub/rel.lum");
    EXPECT_TRUE(QFileInfo::exists(QFileInfo(existing).path() + "/sub/rel.lum"));

    prompts.answerOpenFiles({});
    run("OpenFile('', 0)");
    prompts.answerOpenFiles({});
    run("OpenFile(" + quoted(workFile("none.lum")) + ", 5)");
    EXPECT_EQ(prompts.callsOf(PromptKind::OpenFiles).size(), 2u);
}

TEST_F(EditorCommandsTest, SaveAndSaveAsWriteTheCurrentDocument) {
    const QString first = workFile("sub/a.lum");
    TMF& window = showWindow();
    setText("one");
    editor().SetModified(true);
    run("SaveAs(" + quoted(first) + ")");
    EXPECT_EQ(fileBytes(first), "one");
    EXPECT_FALSE(editor().Modified());
    EXPECT_EQ(activeCaption(), "a.lum");
    EXPECT_EQ(window.CurCaption, "a.lum");
    // The document is that file from now on: Save writes it again.
    EXPECT_EQ(window.DocNames(), QStringList{first});
    EXPECT_EQ(window.Settings.CurrentFolder, QFileInfo(first).path() + "/");

    run("Print('two'); Save");
    EXPECT_EQ(fileBytes(first), "twoone");

    prompts.answerSaveFile({});
    run("SaveAs('')");
    EXPECT_EQ(prompts.callsOf(PromptKind::SaveFile).size(), 1u);
}

TEST_F(EditorCommandsTest, AFailedSaveEndsTheRunNamingTheFile) {
    const QString blocker = workFile("file", "x");
    showWindow();
    prompts.expectError();
    run("SaveAs(" + quoted(blocker + "/a.lum") + "); Print('after')");
    EXPECT_TRUE(lastText(PromptKind::Error).contains(blocker + "/a.lum"));
    EXPECT_EQ(text(), "");
    EXPECT_EQ(fileBytes(blocker), "x");
}

TEST_F(EditorCommandsTest, ReOpenAsksThenReadsTheFileAgain) {
    const QString file = workFile("a.lum", "disk");
    TMF& window = showWindow();
    window.OpenDocument(file, true);
    run("Print('typed')");
    prompts.answerQuestion(IdYes);
    run("ReOpen");
    EXPECT_EQ(text(), "disk");
    EXPECT_EQ(prompts.callsOf(PromptKind::Question).back().text, "本当に読み直してよいですか？");
}

TEST_F(EditorCommandsTest, PagesAreCountedSwitchedAndNamed) {
    const QString file = workFile("named.lum", "n");
    TMF& window = withDocuments(3);
    window.OpenDocument(file, true);
    run("SetActivePage(0)");
    EXPECT_EQ(window.ActiveDocIndex(), 0);
    EXPECT_EQ(text(), "0");
    run("MovePrevPage");
    EXPECT_EQ(window.ActiveDocIndex(), 0);
    run("MoveNextPage; MoveNextPage");
    EXPECT_EQ(window.ActiveDocIndex(), 2);
    EXPECT_EQ(window.CurEditor, window.DocTabs[2].Editor);
    run("MoveNextPage; MoveNextPage");
    EXPECT_EQ(window.ActiveDocIndex(), 3);
    run("SetActivePage(-1); SetActivePage(4)");
    EXPECT_EQ(window.ActiveDocIndex(), 3);

    run("var c, d, e: String; begin SetActivePage(1); c := GetPageCaption; d := GetIndexPageCaption(3); "
        "e := GetIndexPageCaption(0); end");
    EXPECT_EQ(activeCaption(), "新規 (2) [変更]");
    EXPECT_EQ(strVar("c"), "新規 (2)");
    EXPECT_EQ(strVar("d"), "named.lum");
    EXPECT_EQ(strVar("e"), "");

    prompts.expectError();
    run("var x: String; begin x := GetIndexPageCaption(4); end");
    EXPECT_EQ(lastText(PromptKind::Error), "リストのインデックスが範囲を超えています (4)");
}

TEST_F(EditorCommandsTest, ClosePageClosesTheCurrentTabWithItsQuestion) {
    TMF& window = withDocuments(2);
    prompts.answerQuestion(IdNo);
    run("ClosePage");
    EXPECT_EQ(window.DocTabs.Count(), 1);
    EXPECT_EQ(text(), "0");
}

TEST_F(EditorCommandsTest, CloseWithMinusOneDiscardsChangesAndClosesTheWindow) {
    TMF& window = withDocuments(2);
    prompts.answerQuestion(IdCancel);
    run("Close(0)");
    EXPECT_TRUE(window.isVisible());
    run("Close(-1); Print('never')");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(prompts.callsOf(PromptKind::Question).size(), 1u);
}

TEST_F(EditorCommandsTest, FindStartsAtItsOffsetWithOptionsOnOnlyForOne) {
    showWindow();
    setText("X x X x");
    editor().SetFindString("keep");
    const TExSearchOptions before = editor().ExSearchOptions();
    run("Find('x', 0, 1, 0, 0, 0)");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(2), qsizetype(1)));
    run("Find('x', 0, True, 0, 0, 0)");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(0), qsizetype(1)));
    run("Find('x', 3, 1, 0, 0, 0)");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(6), qsizetype(1)));
    run("Find('x.', 0, 0, 0, 1, 0)");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(0), qsizetype(2)));
    // The editor's own search is as it was.
    EXPECT_EQ(editor().FindString(), "keep");
    EXPECT_EQ(editor().ExSearchOptions(), before);
}

TEST_F(EditorCommandsTest, ReplaceAllReplacesWithoutAskingAndRestoresTheSearch) {
    showWindow();
    setText("cat Cat concat");
    run("ReplaceAll('cat', 'dog', 1, 0, 0, 0)");
    EXPECT_EQ(text(), "dog Cat condog");
    run("ReplaceAll('dog', 'x', 0, 1, 0, 0)");
    EXPECT_EQ(text(), "x Cat condog");
    run("ReplaceAll('c(.)t', '[\\1]', 0, 0, 1, 0)");
    EXPECT_EQ(text(), "x [a] condog");
    // With a regular expression the escapes stand for line breaks and TABs.
    setText("a\nb");
    run("ReplaceAll('a\\nb', 'x\\ty\\n', 0, 0, 1, 0)");
    EXPECT_EQ(text(), "x\ty\r\n");
    EXPECT_TRUE(prompts.calls().empty());
    EXPECT_EQ(editor().FindString(), "");
}

TEST_F(EditorCommandsTest, ProgramsRunOnlyWithThePermission) {
    RecordingShell shell;
    TMF& window = showWindow();
    for (const char* macro : {"ShellExecute('x')", "ShellExecuteB('x')", "Exec('x', '', 0)", "Shell('x', '')"}) {
        prompts.expectNotice();
        prompts.expectError();
        run(std::string(macro) + "; Print('after')");
        EXPECT_EQ(lastText(PromptKind::Notice), "許可されていないマクロ命令が含まれているため強制終了されます") << macro;
        EXPECT_EQ(lastText(PromptKind::Error), "実行を中断しました") << macro;
    }
    EXPECT_TRUE(shell.calls().empty());
    EXPECT_EQ(text(), "");

    window.Settings.PermitAllMacro = true;
    run("ShellExecute('https://example.com/?a=1 b')");
    shell.queueRun(3);
    run("var r: Integer; begin r := Exec('/bin/prog', 'a ''b c''', -1); end");
    EXPECT_EQ(intVar("r"), 3);
    run("var s: Integer; begin s := Shell('doc.txt', '-x'); end");
    EXPECT_EQ(intVar("s"), 42);
    ASSERT_EQ(shell.calls().size(), 3u);
    EXPECT_EQ(shell.calls()[0].target, "https://example.com/?a=1 b");
    EXPECT_EQ(shell.calls()[1].target, "/bin/prog");
    EXPECT_EQ(shell.calls()[1].arguments, QStringList({"a", "b c"}));
    EXPECT_EQ(shell.calls()[2].arguments, QStringList{"-x"});
}

// Reports whether the window was enabled while it waited for the program.
class WatchingShell final : public ShellService {
public:
    explicit WatchingShell(QWidget& window) : window_(window) {}
    bool open(const QString&, const QStringList&, const QString&) override { return true; }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }
    std::optional<int> runAndWait(const QString& program, const QStringList&, const QString&,
                                  const std::function<void()>& eachTurn) override {
        started.append(program);
        enabledWhileWaiting = window_.isEnabled();
        if (eachTurn) eachTurn();
        if (program == "missing") return std::nullopt;
        return 0;
    }
    QStringList started;
    bool enabledWhileWaiting = true;

private:
    QWidget& window_;
    ScopedShellService installed_{this};
};

TEST_F(EditorCommandsTest, ShellExecuteBWaitsWithTheWindowDisabledAndReportsAFailure) {
    TMF& window = showWindow();
    window.Settings.PermitAllMacro = true;
    WatchingShell shell(window);
    run("ShellExecuteB('/usr/bin/prog'); Print('after')");
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/prog"});
    EXPECT_FALSE(shell.enabledWhileWaiting);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(text(), "after");

    prompts.expectNotice();
    run("ShellExecuteB('missing')");
    EXPECT_EQ(lastText(PromptKind::Notice), "失敗しました");
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(EditorCommandsTest, ReadFileGivesLinesOrZeroOnlyWithThePermission) {
    const QString file = workFile("in.txt", "a\nb");
    TMF& window = showWindow();
    prompts.expectNotice();
    prompts.expectError();
    run("var s: String; begin s := 'unset'; s := ReadFile(" + quoted(file) + "); end");
    EXPECT_EQ(strVar("s"), "unset");
    EXPECT_EQ(lastText(PromptKind::Error), "実行を中断しました");

    window.Settings.PermitAllMacro = true;
    run("var s, m: String; begin s := ReadFile(" + quoted(file) + "); m := ReadFile(" +
        quoted(workFile("missing.txt")) + "); end");
    EXPECT_EQ(strVar("s"), "a\r\nb\r\n");
    EXPECT_EQ(strVar("m"), "0");
}

TEST_F(EditorCommandsTest, WriteFileWritesLinesOnlyWithThePermission) {
    const QString file = workFile("out.txt", "old");
    TMF& window = showWindow();
    prompts.expectNotice();
    prompts.expectError();
    run("WriteFile(" + quoted(file) + ", 'new')");
    EXPECT_EQ(fileBytes(file), "old");

    window.Settings.PermitAllMacro = true;
    run("WriteFile(" + quoted(file) + ", 'あ' + #10 + 'b')");
    EXPECT_EQ(fileBytes(file), sjis("あ\r\nb\r\n"));
}

TEST_F(EditorCommandsTest, TheDialogCommandsRunTheFindAndReplaceActions) {
    TMF& window = showWindow();
    int finds = 0;
    int replaces = 0;
    window.ActionList1.Find->setEnabled(true);
    window.ActionList1.Replace->setEnabled(true);
    // Only whether the actions fire is asked here; the dialogs they open are
    // the find tests' business and would wait for a user.
    QObject::disconnect(window.ActionList1.Find, &QAction::triggered, nullptr, nullptr);
    QObject::disconnect(window.ActionList1.Replace, &QAction::triggered, nullptr, nullptr);
    QObject::connect(window.ActionList1.Find, &QAction::triggered, [&] { ++finds; });
    QObject::connect(window.ActionList1.Replace, &QAction::triggered, [&] { ++replaces; });
    run("ShowFindDialog; ShowReplaceDialog; ShowReplaceDialog");
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(replaces, 2);
}

TEST_F(EditorCommandsTest, PrototypesAreDeclaredInOrderAndUnknownNamesAreRefused) {
    const std::vector<std::string> prototypes = TEditorCommandSet::Prototypes();
    ASSERT_EQ(prototypes.size(), 55u);
    EXPECT_EQ(prototypes.front(), "procedure Print(S:String);");
    EXPECT_EQ(prototypes[39], "procedure Find(S:String;Op1,Op2,Op3,Op4,Op5:Integer);");
    EXPECT_EQ(prototypes.back(), "procedure ClosePage;");

    showWindow();
    EXPECT_EQ(host().PPA.DeclarePrototype(), prototypes);
    TMacroWindowAdapter window(*mf);
    TEditorCommandSet commands(window, host().PPA);
    std::int32_t errCode = 0;
    commands.PPAProcParam("NOSUCH", 0, {}, errCode);
    EXPECT_EQ(errCode, -1);
    commands.PPAProcParam("GETTEXT", 0, {}, errCode);  // a function, not a procedure
    EXPECT_EQ(errCode, -1);
    std::int64_t number = 5;
    commands.PPAIntFuncParam("PRINT", 0, {}, errCode, number);
    EXPECT_EQ(errCode, -1);
    EXPECT_EQ(number, 5);
}

}  // namespace
