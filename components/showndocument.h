#pragma once
// The Scintilla document a view shows, when that is not the one QScintilla
// made for it: a text a loader filled, or the text of another view.
//
// QScintilla keeps its own record of each view's document and acts on that
// record when the view goes (or is given a document through QScintilla). So
// while the view shows another document, its own is kept alive beside it,
// and it is shown again before QScintilla can act: when this object goes,
// which must be before the view does.
#include <QByteArray>

class QsciScintillaBase;

class ShownDocument {
public:
    explicit ShownDocument(QsciScintillaBase& view) : view_(view) {}
    ~ShownDocument();
    ShownDocument(const ShownDocument&) = delete;
    ShownDocument& operator=(const ShownDocument&) = delete;

    void* get() const;
    // Shows `document`, which gains a reference for as long as it is shown.
    void show(void* document);
    // Shows a document just made, which takes from the one shown before
    // what belongs to a document rather than to a view: code page, line end
    // mode, tab and indent settings, word characters, lexer, read-only. (The
    // text's own marks, styles and undo history stay behind.)
    void showNew(void* document);

private:
    QsciScintillaBase& view_;
    void* own_ = nullptr;  // held while another document is shown
};
