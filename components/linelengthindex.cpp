#include "components/linelengthindex.h"

#include <algorithm>

namespace {

// Chunks are split when they grow past this many lines; lookups walk at most
// one chunk. New chunks start half full, leaving room for insertions.
constexpr std::size_t kMaxChunk = 1024;
constexpr std::size_t kNewChunk = kMaxChunk / 2;

// Lengths from this on are kept in the chunk's list of long lines.
constexpr qsizetype kLong = 255;

}  // namespace

// ---- one chunk ----------------------------------------------------------------------

std::vector<LineLengthIndex::Chunk::LongLine>::iterator LineLengthIndex::Chunk::longAt(qsizetype i) {
    return std::lower_bound(long_.begin(), long_.end(), i, [](const LongLine& l, qsizetype at) { return l.index < at; });
}

std::vector<LineLengthIndex::Chunk::LongLine>::const_iterator LineLengthIndex::Chunk::longAt(qsizetype i) const {
    return std::lower_bound(long_.begin(), long_.end(), i, [](const LongLine& l, qsizetype at) { return l.index < at; });
}

qsizetype LineLengthIndex::Chunk::length(qsizetype i) const {
    const std::uint8_t b = bytes_[std::size_t(i)];
    return b < kLong ? b : longAt(i)->length;
}

qsizetype LineLengthIndex::Chunk::sumBefore(qsizetype count) const {
    qsizetype sum = 0;
    for (qsizetype i = 0; i < count; ++i) sum += bytes_[std::size_t(i)];
    for (auto it = long_.begin(); it != long_.end() && it->index < count; ++it) sum += it->length - kLong;
    return sum;
}

qsizetype LineLengthIndex::Chunk::lineAt(qsizetype offset) const {
    auto nextLong = long_.begin();
    qsizetype at = 0;
    for (qsizetype i = 0; i < size(); ++i) {
        qsizetype len = bytes_[std::size_t(i)];
        if (len == kLong) len = (nextLong++)->length;
        if (offset < at + len) return i;
        at += len;
    }
    return size() - 1;
}

std::vector<qsizetype> LineLengthIndex::Chunk::lengths() const {
    std::vector<qsizetype> all(bytes_.begin(), bytes_.end());
    for (const LongLine& l : long_) all[std::size_t(l.index)] = l.length;
    return all;
}

void LineLengthIndex::Chunk::set(qsizetype i, qsizetype length) {
    sum_ += length - this->length(i);
    std::uint8_t& b = bytes_[std::size_t(i)];
    const auto it = longAt(i);
    if (length < kLong) {
        if (b == kLong) long_.erase(it);
        b = std::uint8_t(length);
    } else if (b == kLong) {
        it->length = length;
    } else {
        long_.insert(it, {i, length});
        b = std::uint8_t(kLong);
    }
}

void LineLengthIndex::Chunk::insert(qsizetype at, std::span<const qsizetype> lengths) {
    const auto count = qsizetype(lengths.size());
    auto it = longAt(at);
    for (auto later = it; later != long_.end(); ++later) later->index += count;
    bytes_.insert(bytes_.begin() + at, lengths.size(), 0);
    for (qsizetype k = 0; k < count; ++k) {
        const qsizetype length = lengths[std::size_t(k)];
        sum_ += length;
        bytes_[std::size_t(at + k)] = std::uint8_t(std::min(length, kLong));
        if (length >= kLong) it = long_.insert(it, {at + k, length}) + 1;
    }
}

void LineLengthIndex::Chunk::erase(qsizetype at, qsizetype count) {
    sum_ -= sumBefore(at + count) - sumBefore(at);
    const auto first = longAt(at);
    const auto last = longAt(at + count);
    for (auto later = last; later != long_.end(); ++later) later->index -= count;
    long_.erase(first, last);
    bytes_.erase(bytes_.begin() + at, bytes_.begin() + at + count);
}

// ---- the index ----------------------------------------------------------------------

LineLengthIndex::LineLengthIndex() { reset({}); }

void LineLengthIndex::reset(std::span<const qsizetype> lengths) {
    chunks_.clear();
    lines_ = 0;
    dirtyFrom_ = 0;
    append(lengths);
}

// Fills the last chunk up to the size of a new one, then adds new chunks.
void LineLengthIndex::append(std::span<const qsizetype> lengths) {
    std::size_t done = 0;
    if (!chunks_.empty() && std::size_t(chunks_.back().size()) < kNewChunk) {
        done = std::min(lengths.size(), kNewChunk - std::size_t(chunks_.back().size()));
        chunks_.back().insert(chunks_.back().size(), lengths.first(done));
        touched(chunks_.size() - 1);
    }
    for (; done < lengths.size(); done += kNewChunk) {
        chunks_.emplace_back(lengths.subspan(done, std::min(kNewChunk, lengths.size() - done)));
        touched(chunks_.size() - 1);
    }
    lines_ += qsizetype(lengths.size());
}

void LineLengthIndex::touched(std::size_t chunk) const { dirtyFrom_ = std::min(dirtyFrom_, chunk); }

void LineLengthIndex::refreshPrefixes() const {
    if (dirtyFrom_ >= chunks_.size() && lineBefore_.size() == chunks_.size() + 1) return;
    lineBefore_.resize(chunks_.size() + 1);
    bytesBefore_.resize(chunks_.size() + 1);
    std::size_t i = std::min(dirtyFrom_, chunks_.size());
    if (i == 0) {
        lineBefore_[0] = 0;
        bytesBefore_[0] = 0;
    }
    for (; i < chunks_.size(); ++i) {
        lineBefore_[i + 1] = lineBefore_[i] + chunks_[i].size();
        bytesBefore_[i + 1] = bytesBefore_[i] + chunks_[i].sum();
    }
    dirtyFrom_ = chunks_.size();
}

qsizetype LineLengthIndex::totalLength() const {
    refreshPrefixes();
    return bytesBefore_.back();
}

LineLengthIndex::Place LineLengthIndex::locate(qsizetype line) const {
    refreshPrefixes();
    // The last chunk whose first line is at or before `line`.
    auto it = std::upper_bound(lineBefore_.begin(), lineBefore_.end() - 1, line);
    const std::size_t chunk = std::size_t(it - lineBefore_.begin()) - 1;
    return {chunk, line - lineBefore_[chunk]};
}

qsizetype LineLengthIndex::length(qsizetype line) const {
    if (line < 0 || line >= lines_) return 0;
    const Place p = locate(line);
    return chunks_[p.chunk].length(p.index);
}

qsizetype LineLengthIndex::lineStart(qsizetype line) const {
    if (line <= 0) return 0;
    if (line >= lines_) return totalLength();
    const Place p = locate(line);
    return bytesBefore_[p.chunk] + chunks_[p.chunk].sumBefore(p.index);
}

qsizetype LineLengthIndex::lineOf(qsizetype offset) const {
    if (lines_ == 0) return 0;
    refreshPrefixes();
    if (offset >= bytesBefore_.back()) return lines_ - 1;
    if (offset < 0) return 0;
    // The chunk holding `offset`: the last one starting at or before it
    // whose sum is not empty.
    auto it = std::upper_bound(bytesBefore_.begin(), bytesBefore_.end() - 1, offset);
    const std::size_t chunk = std::size_t(it - bytesBefore_.begin()) - 1;
    return lineBefore_[chunk] + chunks_[chunk].lineAt(offset - bytesBefore_[chunk]);
}

void LineLengthIndex::setLength(qsizetype line, qsizetype length) {
    if (line < 0 || line >= lines_) return;
    const Place p = locate(line);
    chunks_[p.chunk].set(p.index, length);
    touched(p.chunk);
}

void LineLengthIndex::insert(qsizetype line, std::span<const qsizetype> lengths) {
    if (lengths.empty()) return;
    line = std::clamp<qsizetype>(line, 0, lines_);
    if (line == lines_) {
        append(lengths);
        return;
    }
    const Place p = locate(line);
    chunks_[p.chunk].insert(p.index, lengths);
    lines_ += qsizetype(lengths.size());
    touched(p.chunk);
    splitIfLarge(p.chunk);
}

void LineLengthIndex::erase(qsizetype line, qsizetype count) {
    count = std::min(count, lines_ - line);
    while (count > 0 && line >= 0) {
        const Place p = locate(line);
        Chunk& c = chunks_[p.chunk];
        const qsizetype take = std::min(count, c.size() - p.index);
        c.erase(p.index, take);
        lines_ -= take;
        count -= take;
        touched(p.chunk);
        dropIfEmpty(p.chunk);
    }
}

void LineLengthIndex::splitIfLarge(std::size_t chunk) {
    if (std::size_t(chunks_[chunk].size()) <= kMaxChunk) return;
    // Cut the chunk into half-full pieces in one pass, so that inserting a
    // million lines at once stays linear.
    const std::vector<qsizetype> all = chunks_[chunk].lengths();
    std::vector<Chunk> pieces;
    for (std::size_t i = 0; i < all.size(); i += kNewChunk) {
        pieces.emplace_back(std::span(all).subspan(i, std::min(kNewChunk, all.size() - i)));
    }
    chunks_[chunk] = std::move(pieces.front());
    chunks_.insert(chunks_.begin() + std::ptrdiff_t(chunk) + 1, std::make_move_iterator(pieces.begin() + 1),
                   std::make_move_iterator(pieces.end()));
    touched(chunk);
}

void LineLengthIndex::dropIfEmpty(std::size_t chunk) {
    if (chunks_[chunk].size() != 0 || chunks_.size() == 1) return;
    chunks_.erase(chunks_.begin() + std::ptrdiff_t(chunk));
    touched(chunk == 0 ? 0 : chunk - 1);
}
