#include "output/batchrunner.h"

#include "platform/fileerror.h"
#include "platform/shell.h"

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

constexpr int kStopWaitMs = 5000;

QString notRunnableReason() { return QStringLiteral("実行できるファイルではありません"); }

}  // namespace

TBatchRunner::TBatchRunner(QObject* parent) : QObject(parent) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    // Its own process group: a stop reaches the compiler the batch started.
    process_.setChildProcessModifier([] { ::setsid(); });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &TBatchRunner::readOutput);
    connect(&process_, &QProcess::finished, this, &TBatchRunner::onFinished);
}

TBatchRunner::~TBatchRunner() {
    blockSignals(true);
    Stop();
}

void TBatchRunner::Start(const QString& batch, const QString& workingFolder) {
    const std::optional<shellinternal::Launch> launch = shellinternal::resolveLaunch(batch, {}, workingFolder);
    if (!launch) {
        if (!QFileInfo(batch).isFile()) throw FileError::fromErrno(FileError::Operation::Open, batch, ENOENT);
        throw FileError(FileError::Operation::Open, batch, notRunnableReason());
    }
    splitter_ = TLineSplitter();
    stopping_ = false;
    process_.setWorkingDirectory(workingFolder);
    clock_.start();
    process_.start(launch->program, launch->arguments);
    if (!process_.waitForStarted()) throw FileError(FileError::Operation::Open, batch, process_.errorString());
    // A batch that waits for a key ("pause") reads the end at once.
    process_.closeWriteChannel();
}

void TBatchRunner::Stop() {
    if (!IsRunning()) return;
    stopping_ = true;
    const qint64 group = process_.processId();
    if (group > 0) ::kill(-pid_t(group), SIGKILL);
    if (!process_.waitForFinished(kStopWaitMs)) process_.kill();
}

bool TBatchRunner::IsRunning() const { return process_.state() != QProcess::NotRunning; }

void TBatchRunner::readOutput() {
    const QByteArrayList lines = splitter_.Add(process_.readAllStandardOutput());
    if (!lines.isEmpty()) emit linesArrived(lines);
}

void TBatchRunner::onFinished(int exitCode, QProcess::ExitStatus status) {
    readOutput();
    const QByteArrayList last = splitter_.Finish();
    if (!last.isEmpty()) emit linesArrived(last);
    BatchEnd end;
    end.exitCode = exitCode;
    end.stopped = stopping_;
    end.crashed = !stopping_ && status == QProcess::CrashExit;
    end.milliseconds = clock_.elapsed();
    stopping_ = false;
    emit finished(end);
}
