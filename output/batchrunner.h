#pragma once
// The compile batch as it runs: started in its own process group so that
// stopping it ends the programs it started too, its standard output and
// standard error read through one pipe (so in the order it wrote them) and
// handed on line by line as they arrive.
#include "output/linesplitter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>

struct BatchEnd {
    int exitCode = 0;
    bool crashed = false;  // ended by a signal it did not ask for
    bool stopped = false;  // ended by Stop()
    qint64 milliseconds = 0;
};

class TBatchRunner : public QObject {
    Q_OBJECT

public:
    explicit TBatchRunner(QObject* parent = nullptr);
    // Ends a batch still running, without a word.
    ~TBatchRunner() override;

    // Starts `batch` (an executable file or a script with a "#!" line) in
    // `workingFolder`. Throws FileError, which says why, when it cannot start.
    void Start(const QString& batch, const QString& workingFolder);
    // Ends the batch and every program of its process group, and waits for
    // its end (finished() comes before this returns).
    void Stop();
    bool IsRunning() const;

signals:
    // Shift-JIS bytes, line ends taken off.
    void linesArrived(const QByteArrayList& lines);
    void finished(const BatchEnd& end);

private:
    void readOutput();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess process_;
    TLineSplitter splitter_;
    QElapsedTimer clock_;
    bool stopping_ = false;
};
