#pragma once
// Keeps a long search in the user-interface thread answerable. While this
// object lives it is the editor's stop check: past `delayMs` it shows a
// progress window with キャンセル, lets pending events through now and then,
// and asks the search to stop once the user cancels. A quick search never
// shows anything.
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;
class TEditorEx;

class TSearchProgress {
public:
    static constexpr int kDefaultDelayMs = 500;

    TSearchProgress(TEditorEx& editor, QWidget* owner, const QString& label, int delayMs = kDefaultDelayMs);
    ~TSearchProgress();
    TSearchProgress(const TSearchProgress&) = delete;
    TSearchProgress& operator=(const TSearchProgress&) = delete;

    bool Cancelled() const { return cancelled_; }

private:
    bool stopRequested();
    void show();

    QPointer<TEditorEx> editor_;
    QWidget* owner_;
    QString label_;
    int delayMs_;
    QElapsedTimer clock_;
    qint64 lastEvents_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
    bool inEvents_ = false;
    bool cancelled_ = false;
};
