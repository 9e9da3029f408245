#pragma once
// The compile (F9) with its output in the window: the batch `BatFile` runs
// in `CurrentFolder`, nothing is saved first, and what it prints appears in
// the dockable bar "出力" as it comes, ending with the exit status and the
// time taken. Error lines lead to their place in the source: double-click or
// Enter on one, or F4 and Shift+F4 from anywhere in the window.
#include "output/batchrunner.h"
#include "output/errorlines.h"
#include "output/outputlog.h"

#include <QObject>

#include <memory>

class QAction;
class QDockWidget;
class QMainWindow;
class OutputWindow;
class TOutputPane;
struct TSettings;

class TCompileOutput : public QObject {
    Q_OBJECT

public:
    // The bar is made in `window`'s bottom dock area, hidden until the first
    // compile; `stop` is the command that stops a compile (enabled while one
    // runs).
    TCompileOutput(QMainWindow& window, const TSettings& settings, std::unique_ptr<OutputWindow> host,
                   QAction* stop);
    ~TCompileOutput() override;

    QDockWidget* OutputBar = nullptr;
    TOutputPane* Pane = nullptr;

    // F9: nothing while BatFile is empty; while a compile runs, asks whether
    // to stop it and start again.
    void MakeKioroExecute();
    void StopCompileExecute();
    // F4 and Shift+F4: the next or previous error line after or before the
    // chosen one; at either end nothing moves.
    void NextErrorExecute();
    void PrevErrorExecute();
    // The window closes: a compile still running is stopped.
    void WindowClosing();

    bool IsRunning() const { return runner_.IsRunning(); }
    const TOutputLog& Log() const { return log_; }
    TErrorLineParser& Parser() { return parser_; }

private:
    void start(const QString& batch, const QString& workingFolder);
    void onFinished(const BatchEnd& end);
    // Shows the place error row `row` names; other rows do nothing.
    void jumpTo(int row);

    QMainWindow& window_;
    const TSettings& settings_;
    std::unique_ptr<OutputWindow> host_;
    QAction* stop_;
    TErrorLineParser parser_;
    TOutputLog log_{parser_};
    TBatchRunner runner_;
    QString workingFolder_;  // the running or last compile's
};
