#pragma once
// TEditorEx: the editor every document is shown in, a syntax-colouring
// editor (QScintilla underneath) with search, bookmarks and split views.
//
// Shift-JIS everywhere. Offsets, lengths and columns count the bytes of the
// text in Shift-JIS with CR LF line ends, and texts go in and out as
// Shift-JIS bytes. The widget itself holds UTF-8; a per-line table of
// Shift-JIS lengths, kept up to date on every edit, makes each conversion
// cost a look-up and a walk over one line, never a pass over the document.
//
// Positions inside characters:
// - An offset (SetSelStart, the start of a selection) that falls inside a
//   double-byte character or between CR and LF moves to that character's
//   start.
// - The end of a selection (SetSelLength) that falls inside a character moves
//   to the character's end, so that a length of 1 at a double-byte character
//   or at a line end selects the whole character (or CR LF).
// - SetCol moves to a character's start, except when it moves the caret
//   right: then a column inside a character goes to the character's end, so
//   that stepping one column at a time passes over double-byte characters.
//
// Rows are text lines: a line that word wrap shows on several screen rows is
// one row, and RowToLines maps a row to itself.
//
// Line ends: text that comes in (load, SetText, SetSelText, replacements)
// has every CR LF, lone CR and lone LF turned into CR LF, so the document
// holds CR LF only. A file with CR LF line ends is saved byte for byte as it
// was read, NUL bytes and undecodable bytes included; a last line without a
// line end stays without one.
#include "components/editorexprop.h"
#include "components/exsearchoptions.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <bitset>
#include <functional>
#include <memory>

class QFont;
class QMenu;
class QsciScintilla;
class TEditorEx;
class TEditorView;
class TEditorLexer;
class TEditorRulerBar;
class TextSearcher;
class ShownDocument;
struct TEditorDocState;

// The text as a list of lines.
class TEditorLines {
public:
    explicit TEditorLines(TEditorEx& editor) : editor_(editor) {}

    // Replaces the text with the file's, clears undo, bookmarks and the
    // modified flag and puts the caret at the top. Throws FileError.
    void LoadFromFile(const QString& path);
    // Writes the text atomically. Throws FileError naming file and reason.
    void SaveToFile(const QString& path) const;

    // Lines of the text; a text ending in a line end has an empty last line.
    int Count() const;
    // Line `index` without its line end; empty outside the text.
    QByteArray Strings(int index) const;
    QByteArray operator[](int index) const { return Strings(index); }

    QByteArray Text() const;
    // Replaces the whole text as one undoable edit.
    void SetText(QByteArrayView text);
    void Clear() { SetText({}); }

private:
    TEditorEx& editor_;
};

enum class TSelectionMode { smNormal, smBox };

// Bookmarks and other marks on a row: bit n is mark n (0..15).
using TRowMarks = std::bitset<16>;

class TEditorEx : public QWidget {
    Q_OBJECT

public:
    explicit TEditorEx(QWidget* parent = nullptr);
    ~TEditorEx() override;

    // ---- text ----
    TEditorLines& Lines() { return lines_; }
    const TEditorLines& Lines() const { return lines_; }
    // Set by every edit, in any view of the text; only the program clears it.
    bool Modified() const;
    void SetModified(bool modified);
    // Length of the whole text in Shift-JIS bytes.
    qsizetype TextLength() const;

    // ---- caret and view (0-based; columns in Shift-JIS bytes) ----
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void SetCol(int col);
    int TopRow() const;
    void SetTopRow(int row);
    // Rows fully visible in the window.
    int VisibleRows() const;
    // Scrolls by whole rows (negative: up) without moving the caret.
    void ScrollRows(int rows);
    // Caret's top-left corner in this widget's coordinates.
    QPoint CaretPos() const;

    // ---- selection ----
    qsizetype GetSelStart() const;
    void SetSelStart(qsizetype offset);
    qsizetype GetSelLength() const;
    void SetSelLength(qsizetype length);
    QByteArray GetSelText() const;
    // Replaces the selection (a box selection: every piece of it) or inserts
    // at the caret; the caret ends after the new text.
    void SetSelText(QByteArrayView text);
    void SelectAll();
    void SetSelectionMode(TSelectionMode mode);
    TSelectionMode SelectionMode() const { return selectionMode_; }
    // A word: a run of letters, digits and underscores of one kind (ASCII,
    // full-width, kanji, hiragana, katakana, half-width kana) around the
    // character at the caret; empty when that character is not part of one.
    QByteArray WordFromCaret() const;
    void SelectWordFromCaret();
    // Selects the colouring token (string, number, URL, word, blanks ...)
    // around the character at the caret.
    void SelectTokenFromCaret();
    int RowToLines(int row) const;

    // ---- editing ----
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // On every selected line (the caret's line when nothing is selected; a
    // selection ending at the start of a line leaves that line out), each
    // one undo step: insert or remove one half-width space or one tab at the
    // line start.
    void SelIndent();
    void SelUnIndent();
    void SelTabIndent();
    void SelTabUnIndent();

    // ---- bookmarks 0..9, one row each ----
    TRowMarks GetListRowMarks(int row) const;
    void SetRowBookmark(int row, int n);
    void ClearRowBookmark(int row, int n);
    // False, and nothing moves, when bookmark n is not set.
    bool GotoRowBookmark(int n);

    // ---- tokens under the mouse (points in this widget's coordinates) ----
    // A TokenKind value: 21 over a URL, 22 over a mail address; 0 off text.
    int TokenFromPos(QPoint point) const;
    QByteArray TokenStringBracketFromPos(QPoint point) const;

    // ---- search ----
    void SetFindString(QByteArrayView text);
    QByteArray FindString() const { return findString_; }
    void SetExSearchOptions(TExSearchOptions options);
    TExSearchOptions ExSearchOptions() const { return searchOptions_; }
    // Forward from the selection start (Find) or end (FindNext), backward
    // from the selection start (FindPrev); no wrap-around. A hit is selected
    // and scrolled into view. A broken regular expression finds nothing.
    bool Find();
    bool FindNext();
    bool FindPrev();
    // Replaces every match in the text as one undo step and returns their
    // number. Regular expressions expand \0..\9 and $0..$9 in `text`. The
    // component never asks: `confirm` is accepted for the callers' sake.
    // The new text is put together in one pass and goes in as one edit; a
    // search that fails or is stopped changes nothing. The selection keeps
    // its place in the text around it.
    int ReplaceAll(QByteArrayView text, bool confirm);
    // What ReplaceAll would put in place of the hit the selection holds:
    // `text` with a regular expression's group references expanded; `text`
    // itself for other searches or when the selection is not a hit.
    QByteArray SelectionReplacement(QByteArrayView text) const;
    // Why the last search or replace-all found nothing, when it was not for
    // want of a match.
    TSearchFailure SearchFailure() const;
    // Why the find string does not compile as a regular expression; empty
    // when it does (or is not one).
    QString SearchPatternError() const;
    // Asked now and then while a search or replace-all runs; true ends it,
    // finding and changing nothing. An empty function removes it.
    void SetSearchStopCheck(std::function<bool()> stop);

    // ---- split views ----
    // Makes this editor a second view on main's text: one document, one undo
    // history, one modified flag, bookmarks shared.
    void ShareText(TEditorEx* main);

    // ---- appearance ----
    void ApplyProp(const TEditorExProp& prop);
    const TEditorExProp& Prop() const { return prop_; }
    // The context menu shown on a right click instead of the built-in one.
    void SetPopupMenu(QMenu* menu);
    // While set, the pointer over the text is a pointing hand (the program
    // sets it over links from its mouse-move handler); otherwise the cursor
    // set of the property set applies by area.
    void SetLinkCursor(bool hand) { linkCursor_ = hand; }
    // While on, the pointer over a URL or mail address is a pointing hand
    // and a double-click opens it through the shell ("mailto:" + the
    // address for mail). Off by default.
    void SetOpenLinks(bool open) { openLinks_ = open; }
    bool OpenLinks() const { return openLinks_; }
    // The ruler above the text, for tests and drawing-related queries.
    const TEditorRulerBar& Ruler() const { return *ruler_; }

    // The underlying widget, for tests and for drawing-related queries.
    QsciScintilla* Scintilla() const;

signals:
    void changed();
    void caretMoved();
    // Before the editor handles a key; set *swallow to keep it from the editor.
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool* swallow);
    void wheelUp();
    void wheelDown();
    // Positions in this widget's coordinates.
    void mouseMoved(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos, bool doubleClick);

private:
    friend class TEditorLines;
    friend class TEditorView;

    // Scintilla calls, with the widget's int-based signature.
    long sci(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
    long sciPtr(unsigned int msg, unsigned long wParam, const void* lParam) const;

    // UTF-8 document positions <-> Shift-JIS offsets.
    qsizetype offsetOfPos(qsizetype pos) const;
    enum class Snap { Start, End };
    qsizetype posOfOffset(qsizetype offset, Snap snap) const;
    qsizetype columnOfPos(qsizetype pos) const;
    // The UTF-8 bytes of [start, end) of the document without moving text
    // more than needed.
    QByteArrayView range(qsizetype start, qsizetype end) const;
    qsizetype docLength() const;
    QByteArray utf8Of(QByteArrayView sjis) const;
    QByteArray sjisOf(qsizetype start, qsizetype end) const;
    qsizetype lineSjisLength(qsizetype line) const;

    void loadFile(const QString& path);
    // After this view has been given another document to show.
    void documentShown();
    void replaceRange(qsizetype start, qsizetype end, const QByteArray& utf8);
    // `freeSpace`: a column past the line's end stands in the free space
    // there instead of at the line's end.
    void placeCaret(qsizetype line, qsizetype col, Snap snap, bool freeSpace);
    qsizetype lineColumns(qsizetype line) const;
    void selectRange(qsizetype anchor, qsizetype caret);
    void changeIndent(bool add, char ch);
    void wordBounds(qsizetype pos, qsizetype& start, qsizetype& end) const;

    // Event hooks from the view; return true to swallow.
    bool viewKeyPress(int key, Qt::KeyboardModifiers modifiers);
    void afterKey(int key);
    bool caretKey(int key, Qt::KeyboardModifiers modifiers);
    void followScroll();
    bool linkAt(QPoint viewportPos, QByteArray* target) const;
    void openLinkAt(QPoint viewportPos);
    void caretChanged();
    void viewWheel(int delta);
    void viewMouse(QPoint viewportPos, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers modifiers, int kind);

    void onModified(int position, int type, int length, int linesAdded);
    void onUpdateUi(int updated);
    void refreshHits();
    void refreshLineNumbers();
    void refreshMarginWidth();
    void defineBookmarkMarkers(const QFont& font);
    void refreshCaretUnderline();
    QByteArray lineNumberText(long line, bool byRow) const;
    void refreshWrapWidth();
    void bindBoxKeys(bool box);
    const TextSearcher* searcher() const;
    bool selectMatch(qsizetype start, qsizetype length);
    int tokenAt(qsizetype pos, qsizetype* tokenStart, qsizetype* tokenEnd) const;
    qsizetype posFromPoint(QPoint point) const;
    Qt::CursorShape cursorAt(QPoint viewportPos) const;

    TEditorView* view_;
    std::unique_ptr<ShownDocument> shown_;
    TEditorLexer* lexer_;
    TEditorRulerBar* ruler_;
    std::shared_ptr<TEditorDocState> doc_;
    TEditorLines lines_{*this};
    TEditorExProp prop_;
    TSelectionMode selectionMode_ = TSelectionMode::smNormal;
    QByteArray findString_;
    TExSearchOptions searchOptions_;
    mutable std::unique_ptr<TextSearcher> searcher_;
    std::function<bool()> searchStop_;
    // Visible stretch that carries hit marks, and what they were made for.
    qsizetype hitStart_ = 0;
    qsizetype hitEnd_ = 0;
    quint64 hitVersion_ = 0;
    bool hitsValid_ = false;
    int underlineRow_ = -1;
    bool linkCursor_ = false;
    bool openLinks_ = false;
    long firstVisible_ = 0;
    bool followingScroll_ = false;
    // Where the last caret-moved event was raised: position and free space.
    qsizetype reportedPos_ = -1;
    long reportedSpace_ = -1;
    int marginDigits_ = 0;
};
