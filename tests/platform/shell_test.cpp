#include "platform/shell.h"

#include "tests/support/recordingshell.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <gtest/gtest-spi.h>
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

using shellinternal::resolveLaunch;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text,
                  bool executable)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
    return path;
}

// Waits until `path` exists with some content, for at most five seconds.
QByteArray awaitFile(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.endsWith('\n'))
                return content;
        }
        QThread::msleep(20);
    }
    return {};
}

// Catches what open() hands to the desktop's default handler, so that no
// outside program starts.
class HandlerCatcher : public QObject {
    Q_OBJECT
public:
    HandlerCatcher()
    {
        for (const char* scheme : {"file", "http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "take");
    }
    ~HandlerCatcher() override
    {
        for (const char* scheme : {"file", "http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;

public slots:
    void take(const QUrl& url) { urls << url; }
};

TEST(SplitCommandLineTest, SplitsWordsAsAShellDoes)
{
    struct Case {
        const char* line;
        QStringList words;
    };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"a  b\tc", {"a", "b", "c"}},
        {"\"a b\"c d", {"a bc", "d"}},
        {"'it''s' x", {"its", "x"}},
        {"'a \"b\" \\n'", {"a \"b\" \\n"}},
        {"\"say \\\"hi\\\" \\\\ \\$x \\n\"", {"say \"hi\" \\ $x \\n"}},
        {"a\\ b \\'c", {"a b", "'c"}},
        {"\"\" ''", {"", ""}},
        {"\"C:\\Program Files\\Kioro\\host.exe\" -x", {"C:\\Program Files\\Kioro\\host.exe", "-x"}},
        {"\"open end", {"open end"}},
        {"trailing\\", {"trailing\\"}},
        {"join\\\nline", {"joinline"}},
        {"/bin/sh -c 'exit 3'", {"/bin/sh", "-c", "exit 3"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitCommandLine(QString::fromUtf8(c.line)), c.words) << c.line;
    EXPECT_EQ(splitCommandLine(QStringLiteral("編集 \"日本 語\"")),
              (QStringList{QStringLiteral("編集"), QStringLiteral("日本 語")}));
}

TEST(ResolveLaunchTest, ProgramsRunThemselvesAndScriptsTheirInterpreter)
{
    QTemporaryDir dir;
    const QString program = writeFile(dir, QStringLiteral("tool"), "#!/bin/sh\n", true);
    const QString script = writeFile(dir, QStringLiteral("build.sh"), "#!/bin/sh\nexit 0\n", false);
    const QString envScript =
        writeFile(dir, QStringLiteral("env.sh"), "#!/usr/bin/env  python3 -u \r\n", false);
    writeFile(dir, QStringLiteral("notes.txt"), "just text\n", false);
    writeFile(dir, QStringLiteral("empty.sh"), "#!\n", false);

    auto launch = resolveLaunch(QStringLiteral("tool"), {QStringLiteral("a")}, dir.path());
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->program, program);
    EXPECT_EQ(launch->arguments, QStringList{QStringLiteral("a")});

    launch = resolveLaunch(script, {QStringLiteral("x"), QStringLiteral("y")}, {});
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->program, QStringLiteral("/bin/sh"));
    EXPECT_EQ(launch->arguments, (QStringList{script, QStringLiteral("x"), QStringLiteral("y")}));

    launch = resolveLaunch(QStringLiteral("env.sh"), {}, dir.path());
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->program, QStringLiteral("/usr/bin/env"));
    EXPECT_EQ(launch->arguments, (QStringList{QStringLiteral("python3 -u"), envScript}));

    EXPECT_FALSE(resolveLaunch(QStringLiteral("notes.txt"), {}, dir.path()));
    EXPECT_FALSE(resolveLaunch(QStringLiteral("empty.sh"), {}, dir.path()));
    EXPECT_FALSE(resolveLaunch(QStringLiteral("missing"), {}, dir.path()));
    EXPECT_FALSE(resolveLaunch(dir.path(), {}, {}));
    EXPECT_FALSE(resolveLaunch(QString(), {}, {}));

    launch = resolveLaunch(QStringLiteral("sh"), {}, dir.path());
    ASSERT_TRUE(launch);
    EXPECT_TRUE(QFileInfo(launch->program).isExecutable());
}

TEST(ShellAddressTest, AddressesAreToldFromPaths)
{
    for (const char* address : {"http://example.com/a", "https://x", "mailto:a@example.com",
                                "www.example.com", "WWW.EXAMPLE.COM/x", "file:///tmp/x"})
        EXPECT_TRUE(shellinternal::isAddress(QString::fromLatin1(address))) << address;
    for (const char* path : {"C:\\Quodex\\a.txt", "/tmp/a.txt", "a.txt", "wwwroot/index.html", ""})
        EXPECT_FALSE(shellinternal::isAddress(QString::fromLatin1(path))) << path;
}

TEST(DesktopShellTest, RunAndWaitReturnsTheExitCode)
{
    EXPECT_EQ(shell().runAndWait(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 3")}),
              3);
    EXPECT_EQ(runCommandLineAndWait(QStringLiteral("/bin/sh -c 'exit 0'")), 0);
    EXPECT_EQ(runCommandLineAndWait(QStringLiteral("sh -c \"exit 250\"")), 250);
    // A crash has no exit code of its own.
    EXPECT_EQ(runCommandLineAndWait(QStringLiteral("/bin/sh -c 'kill -9 $$'")), -1);
    // A program reading its input gets end-of-file instead of waiting forever.
    EXPECT_EQ(runCommandLineAndWait(QStringLiteral("/bin/sh -c 'cat; exit 4'")), 4);
}

TEST(DesktopShellTest, RunAndWaitUsesTheWorkingFolderAndScriptInterpreter)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("marker"), "x", false);
    const QString script =
        writeFile(dir, QStringLiteral("check.sh"), "#!/bin/sh\n[ -f marker ] && exit \"$1\"\nexit 1\n", false);
    EXPECT_EQ(shell().runAndWait(script, {QStringLiteral("7")}, dir.path()), 7);
    EXPECT_EQ(shell().runAndWait(QStringLiteral("check.sh"), {QStringLiteral("9")}, dir.path()), 9);
    const QTemporaryDir elsewhere;
    EXPECT_EQ(shell().runAndWait(script, {QStringLiteral("7")}, elsewhere.path()), 1);
}

TEST(DesktopShellTest, RunAndWaitTurnsWhileTheProgramRuns)
{
    int turns = 0;
    EXPECT_EQ(runCommandLineAndWait(QStringLiteral("/bin/sh -c 'sleep 0.35; exit 5'"), {},
                                    [&] { ++turns; }),
              5);
    EXPECT_GE(turns, 2);
}

TEST(DesktopShellTest, ProgramsThatCannotStartGiveNothing)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("notes.txt"), "text\n", false);
    EXPECT_EQ(shell().runAndWait(dir.filePath(QStringLiteral("absent")), {}), std::nullopt);
    EXPECT_EQ(shell().runAndWait(dir.filePath(QStringLiteral("notes.txt")), {}), std::nullopt);
    EXPECT_EQ(runCommandLineAndWait(QStringLiteral("   ")), std::nullopt);
    EXPECT_FALSE(shell().startDetached(dir.filePath(QStringLiteral("notes.txt")), {}));
}

TEST(DesktopShellTest, ScriptsStartDetachedInTheWorkingFolder)
{
    QTemporaryDir dir;
    const QByteArray body = "#!/bin/sh\necho \"$1 $(basename \"$(pwd)\")\" > out.txt\n";
    const QString script = writeFile(dir, QStringLiteral("write.sh"), body, false);
    const QString program = writeFile(dir, QStringLiteral("write"), body, true);
    const QString folderName = QFileInfo(dir.path()).fileName();

    ASSERT_TRUE(shell().startDetached(script, {QStringLiteral("started")}, dir.path()));
    EXPECT_EQ(awaitFile(dir.filePath(QStringLiteral("out.txt"))), "started " + folderName.toUtf8() + "\n");
    QFile::remove(dir.filePath(QStringLiteral("out.txt")));

    HandlerCatcher catcher;
    ASSERT_TRUE(shell().open(program, {QStringLiteral("opened")}, dir.path()));
    EXPECT_EQ(awaitFile(dir.filePath(QStringLiteral("out.txt"))), "opened " + folderName.toUtf8() + "\n");
    EXPECT_TRUE(catcher.urls.isEmpty());
}

TEST(DesktopShellTest, DocumentsAndAddressesGoToTheDefaultHandler)
{
    QTemporaryDir dir;
    const QString document = writeFile(dir, QStringLiteral("a.lum"), "action x\n", false);
    // Marked executable (as on some mounted disks) but not a program.
    const QString marked = writeFile(dir, QStringLiteral("b.txt"), "text\n", true);
    HandlerCatcher catcher;

    EXPECT_TRUE(shell().open(document));
    EXPECT_TRUE(shell().open(QStringLiteral("b.txt"), {}, dir.path()));
    EXPECT_TRUE(shell().open(dir.path()));
    EXPECT_TRUE(shell().open(QStringLiteral("mailto:someone@example.com")));
    EXPECT_TRUE(shell().open(QStringLiteral("www.example.com")));
    EXPECT_FALSE(shell().open(dir.filePath(QStringLiteral("absent.txt"))));
    EXPECT_FALSE(shell().open(QString()));

    ASSERT_EQ(catcher.urls.size(), 5);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(document));
    EXPECT_EQ(catcher.urls[1], QUrl::fromLocalFile(marked));
    EXPECT_EQ(catcher.urls[2], QUrl::fromLocalFile(dir.path()));
    EXPECT_EQ(catcher.urls[3], QUrl(QStringLiteral("mailto:someone@example.com")));
    EXPECT_EQ(catcher.urls[4], QUrl(QStringLiteral("http://www.example.com")));
}

TEST(RecordingShellTest, ReplacesTheShellAndAnswersRunsFromItsQueue)
{
    ShellService* desktop = &shell();
    {
        RecordingShell recorder;
        EXPECT_EQ(&shell(), &recorder);
        recorder.queueRun(12, 3);
        recorder.queueRun(std::nullopt);
        int turns = 0;
        EXPECT_EQ(runCommandLineAndWait(QStringLiteral("make \"all of it\""), QStringLiteral("/w"),
                                        [&] { ++turns; }),
                  12);
        EXPECT_EQ(turns, 3);
        EXPECT_EQ(shell().runAndWait(QStringLiteral("x"), {}), std::nullopt);
        recorder.setOpenSucceeds(false);
        EXPECT_FALSE(shell().open(QStringLiteral("http://example.com")));

        ASSERT_EQ(recorder.calls().size(), 3u);
        EXPECT_EQ(recorder.calls()[0].kind, ShellCallKind::RunAndWait);
        EXPECT_EQ(recorder.calls()[0].target, QStringLiteral("make"));
        EXPECT_EQ(recorder.calls()[0].arguments, QStringList{QStringLiteral("all of it")});
        EXPECT_EQ(recorder.calls()[0].workingFolder, QStringLiteral("/w"));
        EXPECT_EQ(recorder.calls()[2].kind, ShellCallKind::Open);

        EXPECT_NONFATAL_FAILURE(shell().runAndWait(QStringLiteral("unplanned"), {}),
                                "unexpected program run: unplanned");
    }
    EXPECT_EQ(&shell(), desktop);
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingShell recorder;
            recorder.queueRun(0);
        },
        "never asked for");
}

}  // namespace

#include "shell_test.moc"
