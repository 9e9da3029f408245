#pragma once
// The pane of the bar "出力": the compile's lines in a list, error lines in
// their own colour, a stop button and the count of lines let go. Lines come
// in as fast as the batch prints them and are shown in batches, at most one
// update per kBatchMs, so a flood never holds up the window.
#include "output/outputlog.h"

#include <QByteArrayList>
#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QListView;
class QTimer;
class TOutputModel;

class TOutputPane : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBatchMs = 50;

    // `stop` is the command that stops the compile, shown as the pane's button.
    TOutputPane(TOutputLog& log, QAction* stop, QWidget* parent = nullptr);
    ~TOutputPane() override;

    // Printed lines (Shift-JIS), parsed as they come and shown with the
    // next batch.
    void AddLines(const QByteArrayList& lines);
    // A line of the program's own, shown at once after every line before it.
    void AddNote(const QString& text);
    void Clear();
    // Shows the lines still waiting for their batch.
    void Flush();

    // The chosen row; -1 when none is.
    int CurrentRow() const;
    // Chooses `row` and scrolls it into view.
    void SetCurrentRow(int row);

    QListView* List = nullptr;
    QLabel* DroppedLabel = nullptr;

signals:
    // Double-click or Enter on a row.
    void rowActivated(int row);

private:
    void showDropped();
    bool atBottom() const;

    TOutputLog& log_;
    TOutputModel* model_ = nullptr;
    QTimer* batch_ = nullptr;
    std::vector<OutputLine> pending_;
};
