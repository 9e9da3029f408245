#include "components/editorruler.h"

#include <Qsci/qsciscintilla.h>

#include <QPainter>

TEditorRulerBar::TEditorRulerBar(QsciScintilla& view, QWidget* parent) : QWidget(parent), view_(view) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TEditorRulerBar::setRuler(const TEditorRuler& ruler, const QFont& font) {
    ruler_ = ruler;
    font_ = font;
    font_.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.75));
    setVisible(ruler.Visible);
    updateGeometry();
    update();
}

void TEditorRulerBar::setCaretColumn(int column) {
    if (column == caretColumn_) return;
    caretColumn_ = column;
    update();
}

QSize TEditorRulerBar::sizeHint() const { return {100, QFontMetrics(font_).height() + 6}; }

void TEditorRulerBar::paintEvent(QPaintEvent*) {
    using B = QsciScintillaBase;
    QPainter p(this);
    p.fillRect(rect(), ruler_.BkColor);
    p.setFont(font_);
    int left = int(view_.SendScintilla(B::SCI_GETMARGINLEFT)) - int(view_.SendScintilla(B::SCI_GETXOFFSET));
    for (int m = 0; m < 5; ++m) left += int(view_.SendScintilla(B::SCI_GETMARGINWIDTHN, m));
    left += view_.frameWidth();
    const int cell = std::max(1, int(view_.SendScintilla(B::SCI_TEXTWIDTH, B::STYLE_DEFAULT, "0")));
    const int gauge = std::max(1, ruler_.GaugeRange);
    const int h = height();
    p.fillRect(left + caretColumn_ * cell, 1, cell, h - 2, ruler_.MarkColor);
    p.setPen(ruler_.Color);
    for (int col = 0; left + col * cell < width(); ++col) {
        const int x = left + col * cell;
        if (x < 0) continue;
        const int tick = col % gauge == 0 ? h / 2 : col % std::max(1, gauge / 2) == 0 ? h / 3 : h / 5;
        p.drawLine(x, h - 1, x, h - 1 - tick);
        if (col % gauge == 0 && col > 0) p.drawText(x + 2, QFontMetrics(font_).ascent() + 1, QString::number(col));
    }
    if (ruler_.Edge) p.drawLine(0, h - 1, width(), h - 1);
}
