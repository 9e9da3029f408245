#pragma once
// The QScintilla widget inside TEditorEx. It hands key, wheel and mouse
// events to its editor first, turns mouse drags into box selections while
// the editor is in box mode, and draws the line-end and end-of-file marks.
#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QPointer>

class TEditorEx;

class TEditorView : public QsciScintilla {
    Q_OBJECT

public:
    explicit TEditorView(TEditorEx& owner);

    void setBoxMode(bool box) { boxMode_ = box; }
    void setPopupMenu(QMenu* menu) { popup_ = menu; }

    struct Marks {
        bool eof = false;
        bool ret = false;
        QColor eofColor;
        QColor retColor;
        QFont font;
    };
    void setMarks(const Marks& marks);
    // Blank space above the first row, in the text's background.
    void setTopMargin(int pixels, const QColor& background);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QMouseEvent withBoxModifier(const QMouseEvent& e) const;
    void paintMarks();
    void dropSelectionUnder(QPoint pos);

    TEditorEx& owner_;
    bool boxMode_ = false;
    QPointer<QMenu> popup_;
    Marks marks_;
};
