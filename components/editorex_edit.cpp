// TEditorEx: undo, clipboard, indentation, bookmarks, words and tokens.
#include "components/editordocstate.h"
#include "components/editorex.h"

#include "components/editorlexer.h"
#include "components/editorview.h"
#include "components/showndocument.h"
#include "components/syntaxscanner.h"
#include "platform/cp932.h"

using B = QsciScintillaBase;

namespace {

// Kinds of characters that make words; 0 for characters that do not.
int wordClass(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_') return 1;
    if ((u >= 0xFF10 && u <= 0xFF19) || (u >= 0xFF21 && u <= 0xFF3A) || (u >= 0xFF41 && u <= 0xFF5A) ||
        u == 0xFF3F) {
        return 2;
    }
    if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF) ||
        u == 0x3005 || u == 0x3006) {
        return 3;
    }
    if (u >= 0x3041 && u <= 0x309F) return 4;
    if (u >= 0x30A1 && u <= 0x30FF) return 5;
    if (u >= 0xFF66 && u <= 0xFF9F) return 6;
    if (c.isLetterOrNumber()) return 7;
    return 0;
}

// UTF-8 bytes of text[0, index).
qsizetype utf8Bytes(QStringView text, qsizetype index) { return text.first(index).toUtf8().size(); }

// UTF-16 index of the UTF-8 offset `offset` into `utf8`.
qsizetype utf16Index(QByteArrayView utf8, qsizetype offset) {
    return QString::fromUtf8(utf8.first(std::min(offset, utf8.size()))).size();
}

}  // namespace

// ---- undo and clipboard ----------------------------------------------------------

void TEditorEx::Undo() { sci(B::SCI_UNDO); }
void TEditorEx::Redo() { sci(B::SCI_REDO); }
bool TEditorEx::CanUndo() const { return sci(B::SCI_CANUNDO) != 0; }
bool TEditorEx::CanRedo() const { return sci(B::SCI_CANREDO) != 0; }
void TEditorEx::CopyToClipboard() { view_->copy(); }
void TEditorEx::CutToClipboard() { view_->cut(); }
void TEditorEx::PasteFromClipboard() { view_->paste(); }

// ---- indentation ----------------------------------------------------------------------

void TEditorEx::SelIndent() { changeIndent(true, ' '); }
void TEditorEx::SelUnIndent() { changeIndent(false, ' '); }
void TEditorEx::SelTabIndent() { changeIndent(true, '\t'); }
void TEditorEx::SelTabUnIndent() { changeIndent(false, '\t'); }

void TEditorEx::changeIndent(bool add, char ch) {
    const long start = sci(B::SCI_GETSELECTIONSTART);
    const long end = sci(B::SCI_GETSELECTIONEND);
    const bool selected = end > start;
    const long first = sci(B::SCI_LINEFROMPOSITION, start);
    long last = sci(B::SCI_LINEFROMPOSITION, end);
    const bool endsAtLineStart = selected && last > first && end == sci(B::SCI_POSITIONFROMLINE, last);
    if (endsAtLineStart) --last;

    const long caret = sci(B::SCI_GETCURRENTPOS);
    const long anchor = sci(B::SCI_GETANCHOR);
    long caretShift = 0;
    sci(B::SCI_BEGINUNDOACTION);
    for (long line = first; line <= last; ++line) {
        const long at = sci(B::SCI_POSITIONFROMLINE, line);
        if (add) {
            const char text[2] = {ch, 0};
            sciPtr(B::SCI_INSERTTEXT, static_cast<unsigned long>(at), text);
            if (line == sci(B::SCI_LINEFROMPOSITION, caret) && caret > at) caretShift = 1;
        } else if (sci(B::SCI_GETCHARAT, at) == ch) {
            sci(B::SCI_DELETERANGE, at, 1);
            if (line == sci(B::SCI_LINEFROMPOSITION, caret) && caret > at) caretShift = -1;
        }
    }
    sci(B::SCI_ENDUNDOACTION);

    if (!selected) {
        sci(B::SCI_SETEMPTYSELECTION, caret + caretShift);
        return;
    }
    // Keep whole lines selected, in the direction the selection had.
    const long from = sci(B::SCI_POSITIONFROMLINE, first);
    const long to = endsAtLineStart ? sci(B::SCI_POSITIONFROMLINE, last + 1) : sci(B::SCI_GETLINEENDPOSITION, last);
    if (caret >= anchor) {
        selectRange(from, to);
    } else {
        selectRange(to, from);
    }
}

// ---- bookmarks ----------------------------------------------------------------------

TRowMarks TEditorEx::GetListRowMarks(int row) const {
    if (row < 0 || row >= sci(B::SCI_GETLINECOUNT)) return {};
    return TRowMarks(static_cast<unsigned long>(sci(B::SCI_MARKERGET, row)) & 0xFFFF);
}

void TEditorEx::SetRowBookmark(int row, int n) {
    if (n < 0 || n > 9 || row < 0 || row >= sci(B::SCI_GETLINECOUNT)) return;
    // A bookmark marks one row: setting it elsewhere moves it.
    sci(B::SCI_MARKERDELETEALL, n);
    sci(B::SCI_MARKERADD, row, n);
}

void TEditorEx::ClearRowBookmark(int row, int n) {
    if (n < 0 || n > 9) return;
    sci(B::SCI_MARKERDELETE, row, n);
}

bool TEditorEx::GotoRowBookmark(int n) {
    if (n < 0 || n > 9) return false;
    const long row = sci(B::SCI_MARKERNEXT, 0, 1L << n);
    if (row < 0) return false;
    placeCaret(row, 0, Snap::Start, prop_.Caret.FreeCaret);
    return true;
}

// ---- words and tokens ----------------------------------------------------------------

void TEditorEx::wordBounds(qsizetype pos, qsizetype& start, qsizetype& end) const {
    start = end = pos;
    const long line = sci(B::SCI_LINEFROMPOSITION, pos);
    const qsizetype lineStart = sci(B::SCI_POSITIONFROMLINE, line);
    const QByteArrayView bytes = range(lineStart, sci(B::SCI_GETLINEENDPOSITION, line));
    const QString text = QString::fromUtf8(bytes);
    const qsizetype at = utf16Index(bytes, pos - lineStart);
    if (at >= text.size()) return;
    const int kind = wordClass(text[at]);
    if (kind == 0) return;
    qsizetype first = at;
    qsizetype last = at + 1;
    while (first > 0 && wordClass(text[first - 1]) == kind) --first;
    while (last < text.size() && wordClass(text[last]) == kind) ++last;
    start = lineStart + utf8Bytes(text, first);
    end = lineStart + utf8Bytes(text, last);
}

QByteArray TEditorEx::WordFromCaret() const {
    qsizetype start = 0;
    qsizetype end = 0;
    wordBounds(sci(B::SCI_GETCURRENTPOS), start, end);
    return sjisOf(start, end);
}

void TEditorEx::SelectWordFromCaret() {
    qsizetype start = 0;
    qsizetype end = 0;
    wordBounds(sci(B::SCI_GETCURRENTPOS), start, end);
    selectRange(start, end);
}

int TEditorEx::tokenAt(qsizetype pos, qsizetype* tokenStart, qsizetype* tokenEnd) const {
    if (pos < 0) return int(TokenKind::None);
    const long line = sci(B::SCI_LINEFROMPOSITION, pos);
    const qsizetype lineStart = sci(B::SCI_POSITIONFROMLINE, line);
    const QByteArrayView bytes = range(lineStart, sci(B::SCI_GETLINEENDPOSITION, line));
    const QString text = QString::fromUtf8(bytes);
    const qsizetype at = utf16Index(bytes, pos - lineStart);
    if (at >= text.size()) return int(TokenKind::None);
    const ScannedLine scanned = lexer_->scanner().scan(text, lexer_->lineStartState(int(line)));
    for (const Token& t : scanned.tokens) {
        if (at < t.start || at >= t.start + t.length) continue;
        if (tokenStart) *tokenStart = lineStart + utf8Bytes(text, t.start);
        if (tokenEnd) *tokenEnd = lineStart + utf8Bytes(text, t.start + t.length);
        return int(t.kind);
    }
    return int(TokenKind::None);
}

void TEditorEx::SelectTokenFromCaret() {
    const qsizetype caret = sci(B::SCI_GETCURRENTPOS);
    qsizetype start = caret;
    qsizetype end = caret;
    tokenAt(caret, &start, &end);
    selectRange(start, end);
}

qsizetype TEditorEx::posFromPoint(QPoint point) const {
    const QPoint inView = view_->viewport()->mapFrom(this, point);
    return sci(B::SCI_POSITIONFROMPOINTCLOSE, inView.x(), inView.y());
}

int TEditorEx::TokenFromPos(QPoint point) const { return tokenAt(posFromPoint(point), nullptr, nullptr); }

QByteArray TEditorEx::TokenStringBracketFromPos(QPoint point) const {
    qsizetype start = 0;
    qsizetype end = 0;
    if (tokenAt(posFromPoint(point), &start, &end) == int(TokenKind::None)) return {};
    return sjisOf(start, end);
}

// ---- split views ----------------------------------------------------------------------

void TEditorEx::ShareText(TEditorEx* main) {
    if (main == nullptr || main == this) return;
    std::erase(doc_->views, this);
    shown_->show(main->shown_->get());
    doc_ = main->doc_;
    doc_->views.push_back(this);
    hitsValid_ = false;
    refreshMarginWidth();
    view_->viewport()->update();
}
