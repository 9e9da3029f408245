// A second start of the real program while the test holds the instance lock:
// it leaves the hand-over file beside its executable and ends unseen.
#include "app/handover.h"
#include "app/mainunit.h"
#include "platform/cp932.h"
#include "platform/filebytes.h"
#include "platform/singleinstance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SecondInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(lockFolder.isValid());
        ASSERT_TRUE(programFolder.isValid());
        program = programFolder.filePath("quodex");
        ASSERT_TRUE(QFile::copy(QUODEX_PROGRAM, program));
    }

    // Starts the program with `arguments`; true when it ended by itself with 0.
    bool runProgram(const QStringList& arguments, const QString& workingFolder = {}) {
        QProcess process;
        process.setWorkingDirectory(workingFolder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUODEX_LOCK_DIR", lockFolder.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", programFolder.filePath("config"));
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        // A window would keep the program running in its message loop.
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QString handoverFile() const { return programFolder.filePath(kHandoverFileName); }

    QTemporaryDir lockFolder;
    QTemporaryDir programFolder;
    QString program;
};

TEST_F(SecondInstanceTest, WritesItsFirstArgumentAndEndsWithoutAWindow) {
    const SingleInstanceLock firstInstance(kInstanceLockName, lockFolder.path());
    const QString file = "/作業/ソース 表.lum";

    ASSERT_TRUE(runProgram({file, "ignored"}));

    EXPECT_EQ(filebytes::read(handoverFile()), cp932::encode(QString("FileName=" + file + "\r\n")));
}

// The running instance works in a folder of its own.
TEST_F(SecondInstanceTest, ARelativeNameIsHandedOverInFull) {
    const SingleInstanceLock firstInstance(kInstanceLockName, lockFolder.path());
    QTemporaryDir work;

    ASSERT_TRUE(runProgram({"src/a.lum"}, work.path()));

    EXPECT_EQ(filebytes::read(handoverFile()), cp932::encode(QString("FileName=" + work.path() + "/src/a.lum\r\n")));
}

TEST_F(SecondInstanceTest, WithoutAnArgumentWritesNothing) {
    const SingleInstanceLock firstInstance(kInstanceLockName, lockFolder.path());

    ASSERT_TRUE(runProgram({}));

    EXPECT_FALSE(QFile::exists(handoverFile()));
}

TEST(Handover, ReplacesWhatTheFileHeld) {
    QTemporaryDir folder;
    const QString path = folder.filePath(kHandoverFileName);
    filebytes::save(path, "FileName=<NULL\r\nmore\r\n");

    WriteHandoverFile(folder.path() + "/", "/a/b.lum");

    EXPECT_EQ(filebytes::read(path), "FileName=/a/b.lum\r\n");
}

}  // namespace
