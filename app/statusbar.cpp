#include "app/statusbar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
constexpr int kDesignHeight = 19;
constexpr int kTextMargin = 3;
}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setFixedHeight(qMax(kDesignHeight, fontMetrics().height() + 4));
    // Panel 0 repaints whenever the hint changes.
    connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
}

void TStatusBar::AddPanel(int width, Qt::Alignment alignment) {
    panels_.push_back({width, alignment, {}});
    update();
}

int TStatusBar::PanelWidth(int index) const {
    return index >= 0 && index < PanelCount() ? panels_[index].width : 0;
}

void TStatusBar::SetPanelWidth(int index, int width) {
    if (index < 0 || index >= PanelCount()) return;
    panels_[index].width = width;
    update();
}

QString TStatusBar::PanelText(int index) const {
    if (index == 0) return currentMessage();
    return index > 0 && index < PanelCount() ? panels_[index].text : QString();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
    if (index == 0) {
        showMessage(text);
        return;
    }
    if (index < 0 || index >= PanelCount()) return;
    panels_[index].text = text;
    update();
}

QRect TStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index && i < PanelCount(); ++i) left += panels_[i].width;
    return QRect(left, 0, PanelWidth(index), height());
}

// A panel's frame takes 2 pixels on the right and 1 inside on each side.
int TStatusBar::FittingWidth(const QString& text) const {
    return fontMetrics().horizontalAdvance(text) + 2 * kTextMargin + 2 + 2 + 1;
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (int i = 0; i < PanelCount(); ++i) {
        const QRect r = PanelRect(i).adjusted(0, 1, -2, -1);
        if (r.width() <= 0) continue;
        qDrawShadePanel(&p, r, palette(), true, 1);
        const QRect textArea = r.adjusted(kTextMargin, 0, -kTextMargin, 0);
        const QString text = fontMetrics().elidedText(PanelText(i), Qt::ElideRight, textArea.width());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(textArea, int(panels_[i].alignment | Qt::AlignVCenter), text);
    }
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    emit resized();
}
