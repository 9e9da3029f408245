#include "tests/support/recordingshell.h"

#include <gtest/gtest.h>

RecordingShell::RecordingShell() = default;

RecordingShell::~RecordingShell()
{
    if (!runs_.empty())
        ADD_FAILURE() << runs_.size() << " queued program run(s) never asked for";
}

void RecordingShell::queueRun(std::optional<int> exitCode, int turns)
{
    runs_.push_back({exitCode, turns});
}

bool RecordingShell::open(const QString& target, const QStringList& arguments,
                          const QString& workingFolder)
{
    calls_.push_back({ShellCallKind::Open, target, arguments, workingFolder});
    return openSucceeds_;
}

bool RecordingShell::startDetached(const QString& program, const QStringList& arguments,
                                   const QString& workingFolder)
{
    calls_.push_back({ShellCallKind::StartDetached, program, arguments, workingFolder});
    return startSucceeds_;
}

std::optional<int> RecordingShell::runAndWait(const QString& program,
                                              const QStringList& arguments,
                                              const QString& workingFolder,
                                              const std::function<void()>& eachTurn)
{
    calls_.push_back({ShellCallKind::RunAndWait, program, arguments, workingFolder});
    if (runs_.empty()) {
        ADD_FAILURE() << "unexpected program run: " << program.toStdString() << " "
                      << arguments.join(QLatin1Char(' ')).toStdString();
        return std::nullopt;
    }
    const Run run = runs_.front();
    runs_.pop_front();
    for (int i = 0; i < run.turns && eachTurn; ++i)
        eachTurn();
    return run.exitCode;
}
