#pragma once
// A shell service that starts nothing: it records every call and answers
// run-and-wait from a queue the test fills. It puts itself in place of the
// shell for its lifetime.
#include "platform/shell.h"

#include <deque>
#include <vector>

enum class ShellCallKind { Open, StartDetached, RunAndWait };

struct ShellCall {
    ShellCallKind kind;
    QString target;  // the file, address or program
    QStringList arguments;
    QString workingFolder;
};

class RecordingShell final : public ShellService {
public:
    RecordingShell();
    // Fails the current test when queued runs were never asked for.
    ~RecordingShell() override;

    // The next runAndWait returns `exitCode` (nothing: the program could not
    // start) after calling its eachTurn `turns` times. A runAndWait without a
    // queued answer fails the current test.
    void queueRun(std::optional<int> exitCode, int turns = 0);

    // What open and startDetached report.
    void setOpenSucceeds(bool succeeds) { openSucceeds_ = succeeds; }
    void setStartSucceeds(bool succeeds) { startSucceeds_ = succeeds; }

    const std::vector<ShellCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

    bool open(const QString& target, const QStringList& arguments,
              const QString& workingFolder) override;
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingFolder) override;
    std::optional<int> runAndWait(const QString& program, const QStringList& arguments,
                                  const QString& workingFolder,
                                  const std::function<void()>& eachTurn) override;

private:
    struct Run {
        std::optional<int> exitCode;
        int turns;
    };
    std::vector<ShellCall> calls_;
    std::deque<Run> runs_;
    bool openSucceeds_ = true;
    bool startSucceeds_ = true;
    ScopedShellService installed_{this};
};
