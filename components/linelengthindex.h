#pragma once
// Shift-JIS length of every line of a document (line end included), kept in
// chunks so that edits touch one chunk and offset look-ups never walk the
// whole document: finding a line's start or the line of an offset costs a
// binary search over the chunks and a short walk inside one.
//
// A document of millions of lines keeps a byte per line: lengths below 255
// are stored as they are, the few longer lines of a chunk in a list beside.
#include <QtGlobal>

#include <cstdint>
#include <span>
#include <vector>

class LineLengthIndex {
public:
    LineLengthIndex();

    // Replaces the whole index; `lengths` has one entry per line.
    void reset(std::span<const qsizetype> lengths);

    qsizetype lineCount() const { return lines_; }
    qsizetype totalLength() const;
    qsizetype length(qsizetype line) const;

    // Offset of the first byte of `line`; lineCount() gives totalLength().
    qsizetype lineStart(qsizetype line) const;
    // Line that holds `offset`; offsets at or past the end give the last line.
    qsizetype lineOf(qsizetype offset) const;

    void setLength(qsizetype line, qsizetype length);
    // Inserts lines before `line` (lineCount() appends).
    void insert(qsizetype line, std::span<const qsizetype> lengths);
    void erase(qsizetype line, qsizetype count);

private:
    // The lengths of consecutive lines.
    class Chunk {
    public:
        Chunk() = default;
        explicit Chunk(std::span<const qsizetype> lengths) { insert(0, lengths); }

        qsizetype size() const { return qsizetype(bytes_.size()); }
        qsizetype sum() const { return sum_; }
        qsizetype length(qsizetype i) const;
        // Sum of the first `count` lengths.
        qsizetype sumBefore(qsizetype count) const;
        // The line holding `offset`, counted from the chunk's start; the
        // last line for offsets past the end.
        qsizetype lineAt(qsizetype offset) const;
        std::vector<qsizetype> lengths() const;

        void set(qsizetype i, qsizetype length);
        void insert(qsizetype at, std::span<const qsizetype> lengths);
        void erase(qsizetype at, qsizetype count);

    private:
        struct LongLine {
            qsizetype index;
            qsizetype length;
        };
        std::vector<LongLine>::iterator longAt(qsizetype i);
        std::vector<LongLine>::const_iterator longAt(qsizetype i) const;

        std::vector<std::uint8_t> bytes_;  // a length, or kLong for a long line
        std::vector<LongLine> long_;       // by index
        qsizetype sum_ = 0;
    };
    struct Place {
        std::size_t chunk;
        qsizetype index;
    };

    Place locate(qsizetype line) const;
    void append(std::span<const qsizetype> lengths);
    void refreshPrefixes() const;
    void touched(std::size_t chunk) const;
    void splitIfLarge(std::size_t chunk);
    void dropIfEmpty(std::size_t chunk);

    std::vector<Chunk> chunks_;
    qsizetype lines_ = 0;
    // Lines and bytes before each chunk, valid for chunks below dirtyFrom_.
    mutable std::vector<qsizetype> lineBefore_;
    mutable std::vector<qsizetype> bytesBefore_;
    mutable std::size_t dirtyFrom_ = 0;
};
