#include "app/statusbar.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr int kDesignHeight = 19;
constexpr int kTextMargin = 3;
constexpr int kFrameWidth = 1;
constexpr int kPanelGap = 2;  // between one panel's frame and the next
}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setFixedHeight(qMax(kDesignHeight, fontMetrics().height() + 4));
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& hint) {
        if (!panels_.empty()) panels_.front().label->setText(hint);
    });
}

void TStatusBar::AddPanel(int width, Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("StBPanel%1").arg(PanelCount()));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(kFrameWidth);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setIndent(kTextMargin);
    label->setTextFormat(Qt::PlainText);
    label->show();
    panels_.push_back({width, label});
    placePanels();
}

int TStatusBar::PanelWidth(int index) const {
    return index >= 0 && index < PanelCount() ? panels_[index].width : 0;
}

void TStatusBar::SetPanelWidth(int index, int width) {
    if (index < 0 || index >= PanelCount()) return;
    panels_[index].width = width;
    placePanels();
}

QString TStatusBar::PanelText(int index) const {
    if (index == 0) return currentMessage();
    return index > 0 && index < PanelCount() ? panels_[index].label->text() : QString();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
    if (index == 0) {
        showMessage(text);
        return;
    }
    if (index > 0 && index < PanelCount()) panels_[index].label->setText(text);
}

QRect TStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index && i < PanelCount(); ++i) left += panels_[i].width;
    return QRect(left, 0, PanelWidth(index), height());
}

int TStatusBar::FittingWidth(const QString& text) const {
    return fontMetrics().horizontalAdvance(text) + 2 * (kTextMargin + kFrameWidth) + kPanelGap + 1;
}

void TStatusBar::placePanels() {
    for (int i = 0; i < PanelCount(); ++i) panels_[i].label->setGeometry(PanelRect(i).adjusted(0, 1, -kPanelGap, -1));
}

// The panels draw themselves; the bar's own message is shown by panel 0.
void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    placePanels();
    emit resized();
}
