// Run and help, and a compile that cannot start, through the real main window: what reaches the disk
// and what is started where. The shell is a recorder; nothing really starts.
#include "components/editorex.h"
#include "platform/filebytes.h"
#include "tests/app/mainwindowfixture.h"
#include "tests/support/qtprinters.h"
#include "tests/support/recordingshell.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace {

class CompileRunTest : public MainWindowTest {
protected:
    // A folder in the test's work folder, ending in "/".
    QString folder(const QString& name) const {
        QDir().mkpath(work_.filePath(name));
        return work_.filePath(name) + "/";
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The one shell call made so far.
    ShellCall onlyCall() const {
        EXPECT_EQ(shell.calls().size(), 1u);
        return shell.calls().empty() ? ShellCall{} : shell.calls().front();
    }

    RecordingShell shell;

private:
    QTemporaryDir work_;
};

TEST_F(CompileRunTest, RunWritesTheRunControlFileBesideTheHostAndStartsTheHostThere) {
    TMF& mf = showWindow();
    const QString host = folder("host");
    write(host + "kioro.rc", "H001currentkio=old.kio\r\nsomething else\r\n");
    mf.Settings.KioFile = folder("work") + "a.kio";
    mf.Settings.KioroFile = host + "host.exe";

    mf.ActionList1.KioroExecute->trigger();

    EXPECT_EQ(filebytes::read(host + "kioro.rc"), QByteArray("H001currentkio=a.kio\r\n"));
    const ShellCall call = onlyCall();
    EXPECT_EQ(call.kind, ShellCallKind::Open);
    EXPECT_EQ(call.target, host + "host.exe");
    EXPECT_TRUE(call.arguments.isEmpty());
    EXPECT_EQ(call.workingFolder, host);
}

TEST_F(CompileRunTest, RunTakesPathsWrittenOnWindowsAndWritesTheNameInShiftJis) {
    TMF& mf = showWindow();
    const QString host = folder("Host");
    write(host + "Host.exe", "");
    // "C:\work\ゲーム.kio"; the host path with backslashes and another case.
    mf.Settings.KioFile = "C:\\work\\ゲーム.kio";
    mf.Settings.KioroFile = QString(host).replace("/Host/", "/HOST/").replace('/', '\\') + "host.EXE";

    mf.ActionList1.KioroExecute->trigger();

    EXPECT_EQ(filebytes::read(host + "kioro.rc"), QByteArray("H001currentkio=\x83\x51\x81\x5b\x83\x80.kio\r\n"));
    EXPECT_EQ(onlyCall().target, host + "Host.exe");
    EXPECT_EQ(onlyCall().workingFolder, host);
}

TEST_F(CompileRunTest, ARunControlFileThatCannotBeWrittenIsReportedAndNothingStarts) {
    TMF& mf = showWindow();
    mf.Settings.KioFile = "a.kio";
    mf.Settings.KioroFile = folder("work") + "missing/host.exe";
    prompts.expectError();

    mf.ActionList1.KioroExecute->trigger();

    EXPECT_TRUE(shell.calls().empty());
    EXPECT_EQ(prompts.remaining(), 0);
}

TEST_F(CompileRunTest, EmptyPathsStartNothingAndSayNothing) {
    TMF& mf = showWindow();
    const QString host = folder("host");
    mf.Settings.KioroFile = host + "host.exe";  // KioFile stays empty
    mf.ActionList1.KioroExecute->trigger();
    mf.Settings.KioroFile.clear();
    mf.Settings.KioFile = "a.kio";
    mf.ActionList1.KioroExecute->trigger();
    mf.ActionList1.MakeKioro->trigger();
    mf.ActionList1.ShowLumHelp->trigger();

    EXPECT_TRUE(shell.calls().empty());
    EXPECT_FALSE(QFile::exists(host + "kioro.rc"));
    EXPECT_TRUE(prompts.calls().empty());
}

// The error box names the file and why nothing started; the window goes on.
TEST_F(CompileRunTest, AFileThatNothingCanStartOrShowIsReported) {
    TMF& mf = showWindow();
    shell.setOpenSucceeds(false);
    const QString work = folder("work");
    write(work + "help.html", "<p>");
    mf.Settings.BatFile = work + "missing.bat";
    mf.Settings.LumHelpFile = work + "help.html";
    prompts.expectError();
    prompts.expectError();

    mf.ActionList1.MakeKioro->trigger();
    mf.ActionList1.ShowLumHelp->trigger();

    const std::vector<PromptCall> errors = prompts.callsOf(PromptKind::Error);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].text, "ファイル \"" + work + "missing.bat\" を開けません: ファイルまたはフォルダが見つかりません");
    EXPECT_EQ(errors[1].text, "ファイル \"" + work + "help.html\" を開けません: 開くことのできるプログラムがありません");
}

TEST_F(CompileRunTest, HelpCommandsOpenTheLumiraHelpAndTheProgramsOwnPage) {
    TMF& mf = showWindow();
    mf.Settings.LumHelpFile = folder("doc") + "lumira.chm";
    mf.Settings.CurrentFolder = folder("src");
    mf.ActionList1.ShowLumHelp->trigger();
    mf.ActionList1.HelpContents1->trigger();

    ASSERT_EQ(shell.calls().size(), 2u);
    EXPECT_EQ(shell.calls()[0].target, folder("doc") + "lumira.chm");
    EXPECT_EQ(shell.calls()[0].workingFolder, folder("src"));
    EXPECT_EQ(shell.calls()[1].target, appFolder.filePath("Quodex.html"));
}

}  // namespace
