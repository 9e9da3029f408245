// TEditorEx: construction, the text and its Shift-JIS line table, caret and
// selection. Editing, search and appearance live in the editorex_*.cpp files.
#include "components/editorex.h"

#include "components/editoraccessible.h"
#include "components/editordocstate.h"
#include "components/editorlexer.h"
#include "components/editorruler.h"
#include "components/editortextio.h"
#include "components/editorview.h"
#include "components/showndocument.h"
#include "components/sjiscolumns.h"
#include "components/sjistextdecoder.h"
#include "components/textsearcher.h"
#include "platform/cp932.h"
#include "platform/filebytes.h"

#include <QVBoxLayout>

using B = QsciScintillaBase;

namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

constexpr int kUnderlineMarker = 20;

}  // namespace

// ---- construction ------------------------------------------------------------

TEditorEx::TEditorEx(QWidget* parent) : QWidget(parent), doc_(std::make_shared<TEditorDocState>()) {
    const qsizetype emptyLine[] = {0};
    doc_->index.reset(emptyLine);
    doc_->views.push_back(this);

    view_ = new TEditorView(*this);
    InstallEditorAccessibility();
    shown_ = std::make_unique<ShownDocument>(*view_);
    ruler_ = new TEditorRulerBar(*view_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ruler_);
    layout->addWidget(view_, 1);
    setFocusProxy(view_);

    view_->setUtf8(true);
    sci(B::SCI_SETEOLMODE, B::SC_EOL_CRLF);
    sci(B::SCI_SETPASTECONVERTENDINGS, 1);
    sci(B::SCI_SETADDITIONALSELECTIONTYPING, 1);
    sci(B::SCI_SETMOUSESELECTIONRECTANGULARSWITCH, 1);
    lexer_ = new TEditorLexer(this);
    view_->setLexer(lexer_);

    // Bookmarks 0..9 are drawn with their digit in the symbol margin, their
    // pictures made when the font is known (ApplyProp).
    sci(B::SCI_SETMARGINTYPEN, 1, B::SC_MARGIN_SYMBOL);
    sci(B::SCI_SETMARGINMASKN, 1, 0xFFFF);
    sci(B::SCI_MARKERDEFINE, kUnderlineMarker, B::SC_MARK_UNDERLINE);

    connect(view_, &B::SCN_MODIFIED, this,
            [this](int pos, int type, const char*, int length, int added, int, int, int, int, int) {
                onModified(pos, type, length, added);
            });
    connect(view_, &B::SCN_UPDATEUI, this, [this](int updated) { onUpdateUi(updated); });
    connect(view_, &QsciScintilla::cursorPositionChanged, this, [this] {
        refreshCaretUnderline();
        ruler_->setCaretColumn(Col());
        emit caretMoved();
    });

    ApplyProp(TEditorExProp{});
}

TEditorEx::~TEditorEx() {
    std::erase(doc_->views, this);
    // The view goes first, while everything its signals reach still exists,
    // and shows its own document again before it goes.
    disconnect(view_, nullptr, this, nullptr);
    shown_.reset();
    delete ruler_;
    delete view_;
}

QsciScintilla* TEditorEx::Scintilla() const { return view_; }

long TEditorEx::sci(unsigned int msg, unsigned long wParam, long lParam) const {
    return view_->SendScintilla(msg, wParam, lParam);
}

long TEditorEx::sciPtr(unsigned int msg, unsigned long wParam, const void* lParam) const {
    return view_->SendScintilla(msg, wParam, static_cast<const char*>(lParam));
}

// ---- positions -------------------------------------------------------------------

qsizetype TEditorEx::docLength() const { return sci(B::SCI_GETLENGTH); }

QByteArrayView TEditorEx::range(qsizetype start, qsizetype end) const {
    if (end <= start) return {};
    const auto* p = reinterpret_cast<const char*>(sci(B::SCI_GETRANGEPOINTER, start, long(end - start)));
    return QByteArrayView(p, end - start);
}

namespace {

qsizetype lineStartPos(const TEditorEx& e, long lines, long docLength, qsizetype line) {
    if (line >= lines) return docLength;
    return e.Scintilla()->SendScintilla(B::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
}

}  // namespace

qsizetype TEditorEx::lineSjisLength(qsizetype line) const {
    const long lines = sci(B::SCI_GETLINECOUNT);
    const qsizetype length = docLength();
    return sjiscolumns::sjisLength(
        range(lineStartPos(*this, lines, length, line), lineStartPos(*this, lines, length, line + 1)));
}

qsizetype TEditorEx::columnOfPos(qsizetype pos) const {
    const long line = sci(B::SCI_LINEFROMPOSITION, pos);
    const qsizetype start = sci(B::SCI_POSITIONFROMLINE, line);
    const qsizetype next = lineStartPos(*this, sci(B::SCI_GETLINECOUNT), docLength(), line + 1);
    const QByteArrayView text = range(start, next);
    qsizetype col = pos - start;
    if (doc_->index.length(line) != text.size()) return sjiscolumns::sjisColumn(text, col);
    // Every character takes as many bytes in both encodings.
    while (col > 0 && col < text.size() && isContinuation(text[col])) --col;
    if (col > 0 && col < text.size() && text[col - 1] == '\r' && text[col] == '\n') --col;
    return col;
}

qsizetype TEditorEx::offsetOfPos(qsizetype pos) const {
    const long line = sci(B::SCI_LINEFROMPOSITION, pos);
    return doc_->index.lineStart(line) + columnOfPos(pos);
}

qsizetype TEditorEx::posOfOffset(qsizetype offset, Snap snap) const {
    const LineLengthIndex& index = doc_->index;
    offset = std::clamp<qsizetype>(offset, 0, index.totalLength());
    const qsizetype line = index.lineOf(offset);
    const qsizetype col = offset - index.lineStart(line);
    const long lines = sci(B::SCI_GETLINECOUNT);
    const qsizetype length = docLength();
    const qsizetype start = lineStartPos(*this, lines, length, line);
    const QByteArrayView text = range(start, lineStartPos(*this, lines, length, line + 1));
    const auto mode = snap == Snap::Start ? sjiscolumns::Snap::Start : sjiscolumns::Snap::End;
    if (index.length(line) != text.size()) return start + sjiscolumns::utf8Offset(text, col, mode);
    qsizetype at = std::min(col, text.size());
    const bool insideCrLf = at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n';
    if (snap == Snap::Start) {
        while (at > 0 && at < text.size() && isContinuation(text[at])) --at;
        if (insideCrLf) --at;
    } else {
        while (at < text.size() && isContinuation(text[at])) ++at;
        if (insideCrLf) ++at;
    }
    return start + at;
}

QByteArray TEditorEx::utf8Of(QByteArrayView sjis) const { return SjisTextDecoder::toUtf8(sjis); }

QByteArray TEditorEx::sjisOf(qsizetype start, qsizetype end) const { return cp932::encodeUtf8(range(start, end)); }

qsizetype TEditorEx::TextLength() const { return doc_->index.totalLength(); }

// ---- text ------------------------------------------------------------------------

// The file's text replaces the document of every view of this text. Until
// the new document is shown, nothing has changed: a load that fails leaves
// the old text, its undo history and its bookmarks.
void TEditorEx::loadFile(const QString& path) {
    editortextio::LoadedText loaded = editortextio::load(*view_, path);
    TEditorDocState& doc = *doc_;
    doc.index = std::move(loaded.index());
    shown_->showNew(loaded.document());
    for (TEditorEx* other : doc.views) other->shown_->show(loaded.document());
    sci(B::SCI_SETUNDOCOLLECTION, 1);
    sci(B::SCI_EMPTYUNDOBUFFER);
    sci(B::SCI_SETSAVEPOINT);
    doc.utf8Length = docLength();
    ++doc.version;
    doc.modified = false;
    for (TEditorEx* view : doc.views) view->documentShown();
    emit changed();
}

void TEditorEx::documentShown() {
    hitsValid_ = false;
    underlineRow_ = -1;  // the marker went with the old document
    sci(B::SCI_GOTOPOS, 0);
    refreshMarginWidth();
}

void TEditorLines::LoadFromFile(const QString& path) { editor_.loadFile(path); }

void TEditorLines::SaveToFile(const QString& path) const {
    filebytes::save(path, [this](const filebytes::ByteSink& sink) { editortextio::write(*editor_.view_, sink); });
}

int TEditorLines::Count() const { return int(editor_.sci(B::SCI_GETLINECOUNT)); }

QByteArray TEditorLines::Strings(int index) const {
    if (index < 0 || index >= Count()) return {};
    const qsizetype start = editor_.sci(B::SCI_POSITIONFROMLINE, index);
    return editor_.sjisOf(start, editor_.sci(B::SCI_GETLINEENDPOSITION, index));
}

QByteArray TEditorLines::Text() const { return editor_.sjisOf(0, editor_.docLength()); }

void TEditorLines::SetText(QByteArrayView text) {
    const QByteArray utf8 = editor_.utf8Of(text);
    editor_.sci(B::SCI_BEGINUNDOACTION);
    editor_.replaceRange(0, editor_.docLength(), utf8);
    editor_.sci(B::SCI_ENDUNDOACTION);
    editor_.sci(B::SCI_GOTOPOS, 0);
}

void TEditorEx::replaceRange(qsizetype start, qsizetype end, const QByteArray& utf8) {
    if (start == end && utf8.isEmpty()) return;
    sci(B::SCI_SETTARGETSTART, start);
    sci(B::SCI_SETTARGETEND, end);
    sciPtr(B::SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.constData());
}

// Undoing or redoing back to the text last saved makes it unmodified again.
bool TEditorEx::Modified() const { return doc_->modified || sci(B::SCI_GETMODIFY) != 0; }

void TEditorEx::SetModified(bool modified) {
    doc_->modified = modified;
    if (!modified) sci(B::SCI_SETSAVEPOINT);
}

// Keeps the line table in step with an edit. The edit has happened; the
// lines it touched are measured again.
void TEditorEx::onModified(int position, int type, int /*length*/, int linesAdded) {
    if (!(type & (B::SC_MOD_INSERTTEXT | B::SC_MOD_DELETETEXT))) return;
    TEditorDocState& doc = *doc_;
    const qsizetype length = docLength();
    if (doc.utf8Length != length) {
        const qsizetype line = sci(B::SCI_LINEFROMPOSITION, position);
        // An edit at a line start may have changed the line end before it.
        const bool touchesPrevious = line > 0 && position == sci(B::SCI_POSITIONFROMLINE, line);
        if (linesAdded > 0) {
            std::vector<qsizetype> added;
            added.reserve(std::size_t(linesAdded));
            for (qsizetype l = line + 1; l <= line + linesAdded; ++l) added.push_back(lineSjisLength(l));
            doc.index.insert(line + 1, added);
        } else if (linesAdded < 0) {
            doc.index.erase(line + 1, -linesAdded);
        }
        doc.index.setLength(line, lineSjisLength(line));
        if (touchesPrevious) doc.index.setLength(line - 1, lineSjisLength(line - 1));
        doc.utf8Length = length;
        ++doc.version;
    }
    if (linesAdded != 0) refreshMarginWidth();
    emit changed();
}

// ---- caret and view ----------------------------------------------------------------

int TEditorEx::Row() const { return int(sci(B::SCI_LINEFROMPOSITION, sci(B::SCI_GETCURRENTPOS))); }

int TEditorEx::Col() const {
    const long caret = sci(B::SCI_GETCURRENTPOS);
    const long virtualSpace = sci(B::SCI_GETSELECTIONNCARETVIRTUALSPACE, sci(B::SCI_GETMAINSELECTION));
    return int(columnOfPos(caret) + virtualSpace);
}

void TEditorEx::placeCaret(qsizetype line, qsizetype col, Snap snap) {
    const long lines = sci(B::SCI_GETLINECOUNT);
    line = std::clamp<qsizetype>(line, 0, lines - 1);
    col = std::max<qsizetype>(col, 0);
    const qsizetype contentEnd = sci(B::SCI_GETLINEENDPOSITION, line);
    const qsizetype next = lineStartPos(*this, lines, docLength(), line + 1);
    const qsizetype contentLength = doc_->index.length(line) - (next - contentEnd);
    qsizetype pos = contentEnd;
    long virtualSpace = 0;
    if (col <= contentLength) {
        pos = posOfOffset(doc_->index.lineStart(line) + col, snap);
    } else if (prop_.Caret.FreeCaret) {
        virtualSpace = long(col - contentLength);
    }
    sci(B::SCI_SETEMPTYSELECTION, pos);
    if (virtualSpace > 0) {
        sci(B::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0, virtualSpace);
        sci(B::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0, virtualSpace);
    }
    sci(B::SCI_CHOOSECARETX);
    sci(B::SCI_SCROLLCARET);
}

void TEditorEx::SetRow(int row) { placeCaret(row, Col(), Snap::Start); }

void TEditorEx::SetCol(int col) {
    const int current = Col();
    placeCaret(Row(), col, col > current ? Snap::End : Snap::Start);
}

int TEditorEx::TopRow() const { return int(sci(B::SCI_DOCLINEFROMVISIBLE, sci(B::SCI_GETFIRSTVISIBLELINE))); }

void TEditorEx::SetTopRow(int row) {
    row = std::clamp<int>(row, 0, int(sci(B::SCI_GETLINECOUNT)) - 1);
    sci(B::SCI_SETFIRSTVISIBLELINE, sci(B::SCI_VISIBLEFROMDOCLINE, row));
}

int TEditorEx::VisibleRows() const { return int(sci(B::SCI_LINESONSCREEN)); }

void TEditorEx::ScrollRows(int rows) { sci(B::SCI_LINESCROLL, 0, rows); }

QPoint TEditorEx::CaretPos() const {
    const long caret = sci(B::SCI_GETCURRENTPOS);
    const QPoint inView(int(sci(B::SCI_POINTXFROMPOSITION, 0, caret)), int(sci(B::SCI_POINTYFROMPOSITION, 0, caret)));
    return view_->viewport()->mapTo(this, inView);
}

int TEditorEx::RowToLines(int row) const { return row; }

// ---- selection -----------------------------------------------------------------------

qsizetype TEditorEx::GetSelStart() const { return offsetOfPos(sci(B::SCI_GETSELECTIONSTART)); }

qsizetype TEditorEx::GetSelLength() const {
    return offsetOfPos(sci(B::SCI_GETSELECTIONEND)) - GetSelStart();
}

void TEditorEx::selectRange(qsizetype anchor, qsizetype caret) {
    sci(B::SCI_SETSEL, anchor, long(caret));
    // Up and down keys go on from the new column.
    sci(B::SCI_CHOOSECARETX);
}

void TEditorEx::SetSelStart(qsizetype offset) {
    const qsizetype pos = posOfOffset(offset, Snap::Start);
    selectRange(pos, pos);
}

void TEditorEx::SetSelLength(qsizetype length) {
    const qsizetype start = sci(B::SCI_GETSELECTIONSTART);
    const qsizetype end = posOfOffset(offsetOfPos(start) + std::max<qsizetype>(length, 0), Snap::End);
    selectRange(start, end);
}

QByteArray TEditorEx::GetSelText() const {
    if (!sci(B::SCI_SELECTIONISRECTANGLE)) return sjisOf(sci(B::SCI_GETSELECTIONSTART), sci(B::SCI_GETSELECTIONEND));
    std::vector<std::pair<qsizetype, qsizetype>> pieces;
    const long count = sci(B::SCI_GETSELECTIONS);
    for (long i = 0; i < count; ++i) {
        pieces.emplace_back(sci(B::SCI_GETSELECTIONNSTART, i), sci(B::SCI_GETSELECTIONNEND, i));
    }
    std::sort(pieces.begin(), pieces.end());
    QByteArray text;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += sjisOf(pieces[i].first, pieces[i].second);
    }
    return text;
}

void TEditorEx::SetSelText(QByteArrayView text) {
    const QByteArray utf8 = utf8Of(text);
    sci(B::SCI_BEGINUNDOACTION);
    qsizetype start = sci(B::SCI_GETSELECTIONSTART);
    qsizetype end = sci(B::SCI_GETSELECTIONEND);
    if (sci(B::SCI_SELECTIONISRECTANGLE)) {
        std::vector<std::pair<qsizetype, qsizetype>> pieces;
        for (long i = 0; i < sci(B::SCI_GETSELECTIONS); ++i) {
            pieces.emplace_back(sci(B::SCI_GETSELECTIONNSTART, i), sci(B::SCI_GETSELECTIONNEND, i));
        }
        std::sort(pieces.begin(), pieces.end());
        for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) replaceRange(it->first, it->second, {});
        start = end = pieces.front().first;
    }
    replaceRange(start, end, utf8);
    sci(B::SCI_ENDUNDOACTION);
    sci(B::SCI_SETEMPTYSELECTION, start + utf8.size());
    sci(B::SCI_SCROLLCARET);
}

void TEditorEx::SelectAll() { sci(B::SCI_SELECTALL); }

void TEditorEx::SetSelectionMode(TSelectionMode mode) {
    const bool box = mode == TSelectionMode::smBox;
    selectionMode_ = mode;
    view_->setBoxMode(box);
    bindBoxKeys(box);
    const bool rectangle = sci(B::SCI_SELECTIONISRECTANGLE);
    if (box && !rectangle) {
        const long anchor = sci(B::SCI_GETANCHOR);
        const long caret = sci(B::SCI_GETCURRENTPOS);
        if (anchor != caret) {
            sci(B::SCI_SETRECTANGULARSELECTIONANCHOR, anchor);
            sci(B::SCI_SETRECTANGULARSELECTIONCARET, caret);
        }
    } else if (!box && rectangle) {
        selectRange(sci(B::SCI_GETRECTANGULARSELECTIONANCHOR), sci(B::SCI_GETRECTANGULARSELECTIONCARET));
    }
}

// In box mode the shifted movement keys stretch a rectangle.
void TEditorEx::bindBoxKeys(bool box) {
    struct Binding {
        int key;
        int stream;
        int rectangle;
    };
    static const Binding bindings[] = {
        {B::SCK_DOWN, B::SCI_LINEDOWNEXTEND, B::SCI_LINEDOWNRECTEXTEND},
        {B::SCK_UP, B::SCI_LINEUPEXTEND, B::SCI_LINEUPRECTEXTEND},
        {B::SCK_LEFT, B::SCI_CHARLEFTEXTEND, B::SCI_CHARLEFTRECTEXTEND},
        {B::SCK_RIGHT, B::SCI_CHARRIGHTEXTEND, B::SCI_CHARRIGHTRECTEXTEND},
        {B::SCK_HOME, B::SCI_VCHOMEEXTEND, B::SCI_VCHOMERECTEXTEND},
        {B::SCK_END, B::SCI_LINEENDEXTEND, B::SCI_LINEENDRECTEXTEND},
        {B::SCK_PRIOR, B::SCI_PAGEUPEXTEND, B::SCI_PAGEUPRECTEXTEND},
        {B::SCK_NEXT, B::SCI_PAGEDOWNEXTEND, B::SCI_PAGEDOWNRECTEXTEND},
    };
    for (const Binding& b : bindings) {
        sci(B::SCI_ASSIGNCMDKEY, static_cast<unsigned long>(b.key | (B::SCMOD_SHIFT << 16)),
            box ? b.rectangle : b.stream);
    }
}

// ---- events from the view --------------------------------------------------------------

bool TEditorEx::viewKeyPress(int key, Qt::KeyboardModifiers modifiers) {
    bool swallow = false;
    emit keyDown(key, modifiers, &swallow);
    return swallow;
}

void TEditorEx::viewWheel(int delta) {
    if (delta > 0) emit wheelUp();
    if (delta < 0) emit wheelDown();
}

void TEditorEx::viewMouse(QPoint viewportPos, Qt::MouseButton button, Qt::MouseButtons buttons,
                          Qt::KeyboardModifiers modifiers, int kind) {
    const QPoint pos = view_->viewport()->mapTo(this, viewportPos);
    if (kind == 0) {
        emit mouseMoved(pos, buttons, modifiers);
    } else {
        emit mouseDown(button, modifiers, pos, kind == 2);
    }
}
