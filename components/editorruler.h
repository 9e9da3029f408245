#pragma once
// The ruler above the text: a tick per column, a longer one with the column
// number every gauge range, and the caret's column marked. Its columns are
// the text's: measured from where the widget draws the first character,
// one half-width character of the text's own style apart, and moved with
// the horizontal scroll.
#include "components/editorexprop.h"

#include <QWidget>

class QsciScintilla;

class TEditorRulerBar : public QWidget {
    Q_OBJECT

public:
    TEditorRulerBar(QsciScintilla& view, QWidget* parent);

    void setRuler(const TEditorRuler& ruler, const QFont& font);
    void setCaretColumn(int column);
    int caretColumn() const { return caretColumn_; }
    // Left edge of column `column` in this widget's coordinates.
    int columnX(int column) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // The text's first column and the width of one column, in pixels.
    double textLeft() const;
    double measureCell() const;

    QsciScintilla& view_;
    TEditorRuler ruler_;
    QFont font_;
    int caretColumn_ = 0;
    double cell_ = 1.0;  // set with the font
};
