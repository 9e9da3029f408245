// TEditorEx: the caret options of the property set, the scroll lock and
// opening links.
#include "components/editorex.h"
#include "components/editordocstate.h"
#include "components/editorruler.h"
#include "components/editorview.h"
#include "components/syntaxscanner.h"
#include "platform/shell.h"

using B = QsciScintillaBase;

qsizetype TEditorEx::lineColumns(qsizetype line) const { return columnOfPos(sci(B::SCI_GETLINEENDPOSITION, line)); }

// The widget's own moves are the free-caret ones with next-line wrapping;
// the rest is done here. True when the key has been dealt with.
bool TEditorEx::caretKey(int key, Qt::KeyboardModifiers modifiers) {
    const TEditorCaret& caret = prop_.Caret;
    if (modifiers != Qt::NoModifier || sci(B::SCI_GETSELECTIONEMPTY) == 0) return false;
    const int row = Row();
    const int col = Col();
    switch (key) {
    case Qt::Key_Left:
        return col == 0 && !caret.NextLine;
    case Qt::Key_Right:
        if (caret.FreeCaret || col < lineColumns(row)) return false;
        return !caret.NextLine || row + 1 >= sci(B::SCI_GETLINECOUNT);
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (caret.FreeCaret || !caret.FreeRow) return false;
        const int target = row + (key == Qt::Key_Up ? -1 : 1);
        if (target >= 0 && target < sci(B::SCI_GETLINECOUNT)) placeCaret(target, col, Snap::Start, true);
        return true;
    }
    default:
        return false;
    }
}

// The widget reports moves between characters only; a move in the free space
// past a line's end changes the caret's virtual space alone. Every trigger
// comes here, and a move is reported once.
void TEditorEx::caretChanged() {
    const qsizetype pos = sci(B::SCI_GETCURRENTPOS);
    const long space = sci(B::SCI_GETSELECTIONNCARETVIRTUALSPACE, sci(B::SCI_GETMAINSELECTION));
    if (pos == reportedPos_ && space == reportedSpace_) return;
    reportedPos_ = pos;
    reportedSpace_ = space;
    refreshCaretUnderline();
    ruler_->setCaretColumn(Col());
    emit caretMoved();
}

// Without KeepCaret a vertical move forgets the column it came from: the
// next one starts where the caret now stands.
void TEditorEx::afterKey(int key) {
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (vertical && !prop_.Caret.KeepCaret) sci(B::SCI_CHOOSECARETX);
    caretChanged();
}

// With LockScroll the caret keeps its place in the window while the text
// scrolls under it.
void TEditorEx::followScroll() {
    const long first = sci(B::SCI_GETFIRSTVISIBLELINE);
    const long delta = first - firstVisible_;
    firstVisible_ = first;
    if (delta == 0 || !prop_.Caret.LockScroll || followingScroll_) return;
    const long display = sci(B::SCI_VISIBLEFROMDOCLINE, Row()) + delta;
    const long line = sci(B::SCI_DOCLINEFROMVISIBLE, std::max(0L, display));
    followingScroll_ = true;
    placeCaret(line, Col(), Snap::Start, prop_.Caret.FreeCaret);
    followingScroll_ = false;
    firstVisible_ = sci(B::SCI_GETFIRSTVISIBLELINE);
}

bool TEditorEx::linkAt(QPoint viewportPos, QByteArray* target) const {
    const long pos = sci(B::SCI_POSITIONFROMPOINTCLOSE, viewportPos.x(), viewportPos.y());
    qsizetype start = 0;
    qsizetype end = 0;
    const int kind = tokenAt(pos, &start, &end);
    if (kind != int(TokenKind::Url) && kind != int(TokenKind::Mail)) return false;
    if (target) *target = (kind == int(TokenKind::Mail) ? QByteArray("mailto:") : QByteArray()) + range(start, end).toByteArray();
    return true;
}

// A double-click on a URL or mail address hands it to the shell.
void TEditorEx::openLinkAt(QPoint viewportPos) {
    QByteArray target;
    if (!openLinks_ || !linkAt(viewportPos, &target)) return;
    shell().open(QString::fromUtf8(target));
}
