#include "output/outputpane.h"

#include "output/outputlog.h"
#include "output/outputmessages.h"

#include <QAbstractListModel>
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kErrorColour(0xC0, 0x00, 0x00);

}  // namespace

// The log as the list sees it: rows go in at the end and out at the front.
class TOutputModel : public QAbstractListModel {
public:
    explicit TOutputModel(TOutputLog& log, QObject* parent) : QAbstractListModel(parent), log_(log) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : log_.Count(); }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= log_.Count()) return {};
        const OutputLine& line = log_.Line(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return line.Text();
        case Qt::ForegroundRole:
            return log_.IsError(index.row()) ? QVariant(kErrorColour) : QVariant();
        default:
            return {};
        }
    }

    void append(std::vector<OutputLine> lines) {
        const int incoming = int(std::min<std::size_t>(lines.size(), std::size_t(log_.Capacity())));
        makeRoom(incoming);
        const int first = log_.Count();
        beginInsertRows({}, first, first + incoming - 1);
        log_.Append(std::move(lines));
        endInsertRows();
    }

    void appendNote(const QString& text) {
        makeRoom(1);
        beginInsertRows({}, log_.Count(), log_.Count());
        log_.AppendNote(text);
        endInsertRows();
    }

    void clear() {
        beginResetModel();
        log_.Clear();
        endResetModel();
    }

private:
    void makeRoom(int incoming) {
        const int overflow = log_.Overflow(incoming);
        if (overflow == 0) return;
        beginRemoveRows({}, 0, overflow - 1);
        log_.DropFront(overflow);
        endRemoveRows();
    }

    TOutputLog& log_;
};

TOutputPane::TOutputPane(TOutputLog& log, QAction* stop, QWidget* parent) : QWidget(parent), log_(log) {
    setObjectName("OutputPane");
    auto* stopButton = new QToolButton;
    stopButton->setObjectName("OutputStopButton");
    stopButton->setDefaultAction(stop);
    stopButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    DroppedLabel = new QLabel;
    DroppedLabel->setObjectName("OutputDroppedLabel");
    DroppedLabel->hide();

    model_ = new TOutputModel(log_, this);
    List = new QListView;
    List->setObjectName("OutputList");
    List->setAccessibleName(OutputMessageText(OutputMessage::PaneName));
    List->setModel(model_);
    List->setUniformItemSizes(true);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont fixed("ＭＳ ゴシック");
    fixed.setStyleHint(QFont::Monospace);
    List->setFont(fixed);
    connect(List, &QListView::activated, this, [this](const QModelIndex& index) { emit rowActivated(index.row()); });

    auto* header = new QHBoxLayout;
    header->setContentsMargins(2, 2, 2, 2);
    header->addWidget(stopButton);
    header->addWidget(DroppedLabel);
    header->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(header);
    column->addWidget(List);

    batch_ = new QTimer(this);
    batch_->setSingleShot(true);
    batch_->setInterval(kBatchMs);
    connect(batch_, &QTimer::timeout, this, &TOutputPane::Flush);
}

TOutputPane::~TOutputPane() = default;

void TOutputPane::AddLines(const QByteArrayList& lines) {
    for (const QByteArray& line : lines) pending_.push_back(log_.Parsed(line));
    // Lines beyond what the log holds would only be let go again.
    const std::size_t capacity = std::size_t(log_.Capacity());
    if (pending_.size() > 2 * capacity) {
        const std::size_t excess = pending_.size() - capacity;
        pending_.erase(pending_.begin(), pending_.begin() + qsizetype(excess));
        log_.CountDropped(qint64(excess));
    }
    if (!batch_->isActive()) batch_->start();
}

void TOutputPane::AddNote(const QString& text) {
    Flush();
    const bool follow = atBottom();
    model_->appendNote(text);
    showDropped();
    if (follow) List->scrollToBottom();
}

void TOutputPane::Clear() {
    batch_->stop();
    pending_.clear();
    model_->clear();
    showDropped();
}

void TOutputPane::Flush() {
    batch_->stop();
    if (pending_.empty()) return;
    const bool follow = atBottom();
    std::vector<OutputLine> lines;
    lines.swap(pending_);
    model_->append(std::move(lines));
    showDropped();
    if (follow) List->scrollToBottom();
}

int TOutputPane::CurrentRow() const {
    const QModelIndex current = List->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TOutputPane::SetCurrentRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    List->setCurrentIndex(index);
    List->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TOutputPane::showDropped() {
    DroppedLabel->setVisible(log_.Dropped() > 0);
    if (log_.Dropped() > 0) DroppedLabel->setText(OutputMessageText(OutputMessage::Dropped, log_.Dropped()));
}

bool TOutputPane::atBottom() const {
    const QScrollBar* bar = List->verticalScrollBar();
    return bar->value() >= bar->maximum();
}
