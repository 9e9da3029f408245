#include "components/editorview.h"

#include "components/editorex.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QWheelEvent>

#include <exception>

namespace {

// Handlers of the program run inside these event handlers; nothing they
// throw may unwind through the toolkit.
template <typename Fn>
void guarded(Fn fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        qWarning("editor event handler failed: %s", e.what());
    } catch (...) {
        qWarning("editor event handler failed");
    }
}

// Dropped files belong to the window (its drop target), not to the text.
bool carriesFiles(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls()) return false;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) return false;
    }
    return true;
}

}  // namespace

TEditorView::TEditorView(TEditorEx& owner) : QsciScintilla(&owner), owner_(owner) {}

void TEditorView::setMarks(const Marks& marks) {
    marks_ = marks;
    viewport()->update();
}

void TEditorView::keyPressEvent(QKeyEvent* e) {
    bool swallow = false;
    guarded([&] { swallow = owner_.viewKeyPress(e->key(), e->modifiers()); });
    if (swallow) {
        e->accept();
        return;
    }
    QsciScintilla::keyPressEvent(e);
    guarded([&] { owner_.afterKey(e->key()); });
}

void TEditorView::wheelEvent(QWheelEvent* e) {
    guarded([&] { owner_.viewWheel(e->angleDelta().y()); });
    QsciScintilla::wheelEvent(e);
}

QMouseEvent TEditorView::withBoxModifier(const QMouseEvent& e) const {
    return QMouseEvent(e.type(), e.position(), e.scenePosition(), e.globalPosition(), e.button(), e.buttons(),
                       e.modifiers() | Qt::AltModifier, e.pointingDevice());
}

void TEditorView::mousePressEvent(QMouseEvent* e) {
    guarded([&] { owner_.viewMouse(e->position().toPoint(), e->button(), e->buttons(), e->modifiers(), 1); });
    if (e->button() == Qt::LeftButton && !owner_.Prop().Caret.SelMove) dropSelectionUnder(e->position().toPoint());
    if (boxMode_ && e->button() == Qt::LeftButton) {
        QMouseEvent boxed = withBoxModifier(*e);
        QsciScintilla::mousePressEvent(&boxed);
        return;
    }
    QsciScintilla::mousePressEvent(e);
}

// Without drag-move a press inside the selection starts a new selection
// there, as anywhere else, instead of picking the selected text up.
void TEditorView::dropSelectionUnder(QPoint pos) {
    const long at = SendScintilla(SCI_POSITIONFROMPOINTCLOSE, pos.x(), pos.y());
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (at >= 0 && start < end && at >= start && at < end) SendScintilla(SCI_SETEMPTYSELECTION, at);
}

void TEditorView::setTopMargin(int pixels, const QColor& background) {
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
    setViewportMargins(0, std::max(0, pixels), 0, 0);
}

void TEditorView::mouseMoveEvent(QMouseEvent* e) {
    guarded([&] { owner_.viewMouse(e->position().toPoint(), Qt::NoButton, e->buttons(), e->modifiers(), 0); });
    if (boxMode_ && (e->buttons() & Qt::LeftButton)) {
        QMouseEvent boxed = withBoxModifier(*e);
        QsciScintilla::mouseMoveEvent(&boxed);
    } else {
        QsciScintilla::mouseMoveEvent(e);
    }
    viewport()->setCursor(owner_.cursorAt(e->position().toPoint()));
}

void TEditorView::mouseDoubleClickEvent(QMouseEvent* e) {
    guarded([&] { owner_.viewMouse(e->position().toPoint(), e->button(), e->buttons(), e->modifiers(), 2); });
    QsciScintilla::mouseDoubleClickEvent(e);
}

void TEditorView::mouseReleaseEvent(QMouseEvent* e) {
    if (boxMode_ && e->button() == Qt::LeftButton) {
        QMouseEvent boxed = withBoxModifier(*e);
        QsciScintilla::mouseReleaseEvent(&boxed);
        return;
    }
    QsciScintilla::mouseReleaseEvent(e);
}

void TEditorView::contextMenuEvent(QContextMenuEvent* e) {
    if (popup_) {
        popup_->popup(e->globalPos());
        e->accept();
        return;
    }
    QsciScintilla::contextMenuEvent(e);
}

void TEditorView::dragEnterEvent(QDragEnterEvent* e) {
    if (carriesFiles(e->mimeData())) return e->ignore();
    QsciScintilla::dragEnterEvent(e);
}

void TEditorView::dragMoveEvent(QDragMoveEvent* e) {
    if (carriesFiles(e->mimeData())) return e->ignore();
    QsciScintilla::dragMoveEvent(e);
}

void TEditorView::dropEvent(QDropEvent* e) {
    if (carriesFiles(e->mimeData())) return e->ignore();
    QsciScintilla::dropEvent(e);
}

void TEditorView::paintEvent(QPaintEvent* e) {
    QsciScintilla::paintEvent(e);
    if (marks_.eof || marks_.ret) paintMarks();
}

void TEditorView::resizeEvent(QResizeEvent* e) {
    QsciScintilla::resizeEvent(e);
    guarded([&] { owner_.refreshWrapWidth(); });
}

// Line-end arrows after every visible line that has a line end, and
// "[EOF]" after the last character.
void TEditorView::paintMarks() {
    QPainter painter(viewport());
    painter.setFont(marks_.font);
    const QFontMetrics metrics(marks_.font);
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    const long firstVisible = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long first = SendScintilla(SCI_DOCLINEFROMVISIBLE, firstVisible);
    const long last = SendScintilla(SCI_DOCLINEFROMVISIBLE, firstVisible + SendScintilla(SCI_LINESONSCREEN) + 1);
    const int textLeft = int(SendScintilla(SCI_GETMARGINLEFT)) + [this] {
        int w = 0;
        for (int m = 0; m < 5; ++m) w += int(SendScintilla(SCI_GETMARGINWIDTHN, m));
        return w;
    }();
    auto drawAfter = [&](long pos, const QString& text, const QColor& color) {
        const int x = int(SendScintilla(SCI_POINTXFROMPOSITION, 0, pos)) + 2;
        const int y = int(SendScintilla(SCI_POINTYFROMPOSITION, 0, pos));
        if (x < textLeft) return;
        painter.setPen(color);
        painter.drawText(x, y + metrics.ascent(), text);
    };
    for (long line = first; line <= last && line < lines; ++line) {
        const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
        if (marks_.ret && line + 1 < lines) drawAfter(end, QStringLiteral("↓"), marks_.retColor);
        if (marks_.eof && line + 1 == lines) drawAfter(end, QStringLiteral("[EOF]"), marks_.eofColor);
    }
}
