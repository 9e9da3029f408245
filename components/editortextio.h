#pragma once
// The whole text between a Shift-JIS file and the widget's UTF-8 document,
// a piece at a time, so that a file of hundreds of megabytes passes through
// no whole-text copy on its way.
//
// Loading fills a new document through Scintilla's loader, which keeps no
// undo history and tells no view while it fills: a first pass over the file
// measures the text, so the document is allocated once at its full size; a
// second pass decodes it on a worker thread, piece by piece, while this
// thread hands the pieces to the loader. Until the new document is shown,
// the views keep the old one, so a load that fails leaves everything as it
// was.
#include "components/linelengthindex.h"
#include "platform/filebytes.h"

#include <QString>

class QsciScintillaBase;

namespace editortextio {

// Shift-JIS bytes per piece: few enough to stay in the processor's cache,
// enough that the work per piece does not add up.
constexpr qsizetype kPieceBytes = qsizetype(1) << 20;

// A Scintilla document filled from a file, with one reference held for the
// caller until the views that show it have taken theirs.
class LoadedText {
public:
    LoadedText(const QsciScintillaBase& widget, void* document, LineLengthIndex index)
        : widget_(widget), document_(document), index_(std::move(index)) {}
    ~LoadedText();
    LoadedText(const LoadedText&) = delete;
    LoadedText& operator=(const LoadedText&) = delete;

    void* document() const { return document_; }
    // The Shift-JIS length of each line of the document's text.
    LineLengthIndex& index() { return index_; }

private:
    const QsciScintillaBase& widget_;
    void* document_;
    LineLengthIndex index_;
};

// The file's text as SjisTextDecoder makes it, in a new document made with
// the widget. Throws FileError naming the file, also when memory runs out.
LoadedText load(const QsciScintillaBase& widget, const QString& path, qsizetype pieceBytes = kPieceBytes);

// Hands the document's text to `sink` as Shift-JIS, in pieces of about
// `pieceBytes` UTF-8 bytes that each end at a line start.
void write(const QsciScintillaBase& widget, const filebytes::ByteSink& sink, qsizetype pieceBytes = kPieceBytes);

}  // namespace editortextio
