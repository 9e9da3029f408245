#include "components/editorruler.h"

#include <Qsci/qsciscintilla.h>

#include <QPainter>

#include <cmath>

using B = QsciScintillaBase;

TEditorRulerBar::TEditorRulerBar(QsciScintilla& view, QWidget* parent) : QWidget(parent), view_(view) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TEditorRulerBar::setRuler(const TEditorRuler& ruler, const QFont& font) {
    ruler_ = ruler;
    font_ = font;
    font_.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.75));
    cell_ = measureCell();
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

// Where the widget puts the first character of a line, scrolled as the text.
double TEditorRulerBar::textLeft() const {
    const int inViewport = int(view_.SendScintilla(B::SCI_POINTXFROMPOSITION, 0UL, 0L));
    return view_.viewport()->mapTo(parentWidget(), QPoint(inViewport, 0)).x() - x();
}

// Ten thousand columns measured at once keep the fraction of a pixel that a
// single character's width would lose (the widget adds up fractional
// widths); style 0 is the text's half-width style.
double TEditorRulerBar::measureCell() const {
    static const QByteArray many(10000, '0');
    const long width = view_.SendScintilla(B::SCI_TEXTWIDTH, 0UL, many.constData());
    return std::max(1.0, double(width) / double(many.size()));
}

int TEditorRulerBar::columnX(int column) const { return int(std::lround(textLeft() + column * cell_)); }

void TEditorRulerBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ruler_.BkColor);
    p.setFont(font_);
    const double left = textLeft();
    const double cell = cell_;
    const int gauge = std::max(1, ruler_.GaugeRange);
    const int h = height();
    const int ascent = QFontMetrics(font_).ascent();
    const int caretX = columnX(caretColumn_);
    p.fillRect(caretX, 1, std::max(1, columnX(caretColumn_ + 1) - caretX), h - 2, ruler_.MarkColor);
    p.setPen(ruler_.Color);
    const int firstCol = std::max(0, int(std::floor(-left / cell)));
    for (int col = firstCol;; ++col) {
        const int x = int(std::lround(left + col * cell));
        if (x >= width()) break;
        const int tick = col % gauge == 0 ? h / 2 : col % std::max(1, gauge / 2) == 0 ? h / 3 : h / 5;
        p.drawLine(x, h - 1, x, h - 1 - tick);
        if (col % gauge == 0 && col > 0) p.drawText(x + 2, ascent + 1, QString::number(col));
    }
    if (ruler_.Edge) p.drawLine(0, h - 1, width(), h - 1);
}
