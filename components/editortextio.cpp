#include "components/editortextio.h"

#include "components/decodeahead.h"
#include "components/scintillaloader.h"
#include "components/sjistextdecoder.h"
#include "components/textsource.h"
#include "platform/cp932.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>
#include <utility>

using B = QsciScintillaBase;

namespace editortextio {

namespace {

[[noreturn]] void outOfMemory(const QString& path) {
    throw FileError::fromErrno(FileError::Operation::Read, path, ENOMEM);
}

// A loader made with the widget, dropped with what it holds unless its
// document is taken.
class Loader {
public:
    Loader(const QsciScintillaBase& widget, qsizetype size, const QString& path) : path_(path) {
        loader_ = reinterpret_cast<ScintillaLoader*>(
            widget.SendScintilla(B::SCI_CREATELOADER, static_cast<unsigned long>(size), 0L));
        if (loader_ == nullptr) {
            widget.SendScintilla(B::SCI_SETSTATUS, static_cast<unsigned long>(B::SC_STATUS_OK));
            outOfMemory(path_);
        }
    }
    ~Loader() {
        if (loader_ != nullptr) loader_->Release();
    }
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    void add(QByteArrayView piece) {
        if (loader_->AddData(piece.data(), piece.size()) != B::SC_STATUS_OK) outOfMemory(path_);
    }
    void* takeDocument() { return std::exchange(loader_, nullptr)->ConvertToDocument(); }

private:
    const QString& path_;
    ScintillaLoader* loader_;
};

qsizetype measuredSize(const TextSource& source, filebytes::ByteRange range) {
    SjisTextMeasure measure;
    source.read(range, [&measure](QByteArrayView piece) { measure.add(piece); });
    return measure.utf8Size();
}

// Texts from this size on are measured in two halves at once.
constexpr qsizetype kTwoHalvesFrom = qsizetype(8) << 20;

// A place near the middle of the text right after an LF, where it can be
// measured in two halves: no character and no CR LF reaches across a line
// end. 0 when there is none nearby.
qsizetype halfway(const TextSource& source) {
    if (source.size() < kTwoHalvesFrom) return 0;
    const qsizetype middle = source.size() / 2;
    qsizetype cut = 0;
    qsizetype at = middle;
    source.read({middle, middle + (1 << 16)}, [&](QByteArrayView bytes) {
        const void* lf = cut == 0 ? std::memchr(bytes.data(), '\n', std::size_t(bytes.size())) : nullptr;
        if (lf != nullptr) cut = at + (static_cast<const char*>(lf) - bytes.data()) + 1;
        at += bytes.size();
    });
    return cut;
}

// The size of the UTF-8 text, from a first pass over the file.
qsizetype measuredSize(const TextSource& source) {
    const qsizetype cut = halfway(source);
    if (cut == 0) return measuredSize(source, {});
    auto secondHalf = std::async(std::launch::async, [&] { return measuredSize(source, {cut, -1}); });
    const qsizetype firstHalf = measuredSize(source, {0, cut});
    return firstHalf + secondHalf.get();
}

}  // namespace

LoadedText::~LoadedText() { widget_.SendScintilla(B::SCI_RELEASEDOCUMENT, 0UL, document_); }

LoadedText load(const QsciScintillaBase& widget, const QString& path, qsizetype pieceBytes) {
    const TextSource source(path, pieceBytes);
    // The worker reads and decodes the first pieces while the text is
    // measured and its document allocated.
    DecodeAhead decoded(source);
    // Room for the whole text at once, so the buffer is never moved. A
    // document grows a buffer that an insertion would fill exactly, so the
    // room is a byte more than the text. Should the file change between the
    // passes, the second one decides the text; the room is only a guess.
    Loader loader(widget, measuredSize(source) + 1, path);
    for (QByteArrayView piece = decoded.nextPiece(); !piece.isEmpty(); piece = decoded.nextPiece()) loader.add(piece);
    LineLengthIndex index = decoded.takeIndex();
    return LoadedText(widget, loader.takeDocument(), std::move(index));
}

void write(const QsciScintillaBase& widget, const filebytes::ByteSink& sink, qsizetype pieceBytes) {
    const qsizetype length = widget.SendScintilla(B::SCI_GETLENGTH);
    qsizetype start = 0;
    while (start < length) {
        qsizetype end = length;
        if (start + pieceBytes < length) {
            // A piece ends at a line start, so it never splits a character
            // from the variation selector that may follow it.
            const long line = widget.SendScintilla(B::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start + pieceBytes));
            const long next = widget.SendScintilla(B::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
            if (next > start) end = std::min<qsizetype>(length, next);
        }
        const auto* text = reinterpret_cast<const char*>(
            widget.SendScintilla(B::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), long(end - start)));
        sink(cp932::encodeUtf8(QByteArrayView(text, end - start)));
        start = end;
    }
}

}  // namespace editortextio
