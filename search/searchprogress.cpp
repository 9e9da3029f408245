#include "search/searchprogress.h"

#include "components/editorex.h"
#include "platform/prompt.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// How often a running search lets events through once the window is up.
constexpr qint64 kEventsEveryMs = 50;

}  // namespace

TSearchProgress::TSearchProgress(TEditorEx& editor, QWidget* owner, const QString& label, int delayMs)
    : editor_(&editor), owner_(owner), label_(label), delayMs_(delayMs) {
    clock_.start();
    editor.SetSearchStopCheck([this] { return stopRequested(); });
}

TSearchProgress::~TSearchProgress() {
    if (editor_) editor_->SetSearchStopCheck({});
}

// Events run only from here, one batch at a time: a search the events start
// themselves (the hit marks of a repaint) gets no second batch.
bool TSearchProgress::stopRequested() {
    if (cancelled_) return true;
    if (inEvents_) return false;
    const qint64 now = clock_.elapsed();
    if (now < delayMs_ || (dialog_ && now - lastEvents_ < kEventsEveryMs)) return false;
    inEvents_ = true;
    if (!dialog_) show();
    QCoreApplication::processEvents();
    inEvents_ = false;
    lastEvents_ = clock_.elapsed();
    cancelled_ = dialog_->wasCanceled();
    return cancelled_;
}

void TSearchProgress::show() {
    dialog_ = std::make_unique<QProgressDialog>(label_, QStringLiteral("キャンセル"), 0, 0, owner_);
    dialog_->setObjectName("SearchProgress");
    dialog_->setWindowTitle(applicationTitle());
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->show();
}
