#include "output/compileoutput.h"

#include "output/outputmessages.h"
#include "output/outputpane.h"
#include "output/outputwindow.h"
#include "platform/fileerror.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>

TCompileOutput::TCompileOutput(QMainWindow& window, const TSettings& settings, std::unique_ptr<OutputWindow> host,
                               QAction* stop)
    : window_(window), settings_(settings), host_(std::move(host)), stop_(stop) {
    const QString name = OutputMessageText(OutputMessage::PaneName);
    OutputBar = new QDockWidget(name, &window_);
    OutputBar->setObjectName("OutputBar");
    OutputBar->setAccessibleName(name);
    OutputBar->setAllowedAreas(Qt::BottomDockWidgetArea);
    Pane = new TOutputPane(log_, stop_);
    OutputBar->setWidget(Pane);
    window_.addDockWidget(Qt::BottomDockWidgetArea, OutputBar);
    OutputBar->hide();
    stop_->setEnabled(false);

    connect(&runner_, &TBatchRunner::linesArrived, Pane, &TOutputPane::AddLines);
    connect(&runner_, &TBatchRunner::finished, this, [this](const BatchEnd& end) { onFinished(end); });
    connect(Pane, &TOutputPane::rowActivated, this, [this](int row) { runGuarded([this, row] { jumpTo(row); }); });
}

TCompileOutput::~TCompileOutput() {
    WindowClosing();
    // The pane shows the log, which goes with this object.
    delete OutputBar;
}

void TCompileOutput::MakeKioroExecute() {
    if (settings_.BatFile.isEmpty()) return;
    if (runner_.IsRunning()) {
        if (AskOutputQuestion(OutputMessage::RestartQuestion, &window_) != IdYes) return;
        runner_.Stop();
    }
    start(paths::resolvePath(settings_.BatFile), settings_.CurrentFolder);
}

void TCompileOutput::start(const QString& batch, const QString& workingFolder) {
    workingFolder_ = workingFolder;
    Pane->Clear();
    OutputBar->show();
    try {
        runner_.Start(batch, workingFolder);
    } catch (const FileError& error) {
        // Said in the pane, where the user looks for the compile, and in the
        // error box.
        Pane->AddNote(error.message());
        throw;
    }
    stop_->setEnabled(true);
}

void TCompileOutput::StopCompileExecute() { runner_.Stop(); }

void TCompileOutput::onFinished(const BatchEnd& end) {
    stop_->setEnabled(false);
    Pane->AddNote(EndLineText(end.exitCode, end.stopped, end.crashed, end.milliseconds));
}

void TCompileOutput::NextErrorExecute() {
    Pane->Flush();
    const int row = log_.NextError(Pane->CurrentRow());
    if (row >= 0) jumpTo(row);
}

void TCompileOutput::PrevErrorExecute() {
    Pane->Flush();
    const int row = log_.PreviousError(Pane->CurrentRow());
    if (row >= 0) jumpTo(row);
}

void TCompileOutput::jumpTo(int row) {
    if (row < 0 || row >= log_.Count() || !log_.IsError(row)) return;
    const ErrorPlace place = *log_.Place(row);
    Pane->SetCurrentRow(row);
    host_->ShowPlace(ResolveErrorFile(place.file, workingFolder_), place.line, place.col);
}

void TCompileOutput::WindowClosing() {
    // The pane goes with the window: the end of the batch has nowhere to go.
    const QSignalBlocker quiet(runner_);
    runner_.Stop();
}
