#pragma once
// The ruler above the text: a tick per column, a longer one with the column
// number every gauge range, and the caret's column marked.
#include "components/editorexprop.h"

#include <QWidget>

class QsciScintilla;

class TEditorRulerBar : public QWidget {
    Q_OBJECT

public:
    TEditorRulerBar(QsciScintilla& view, QWidget* parent);

    void setRuler(const TEditorRuler& ruler, const QFont& font);
    void setCaretColumn(int column);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QsciScintilla& view_;
    TEditorRuler ruler_;
    QFont font_;
    int caretColumn_ = 0;
};
