#include "components/linelengthindex.h"

#include <algorithm>

namespace {

// Chunks are split when they grow past this many lines; lookups walk at most
// one chunk.
constexpr std::size_t kMaxChunk = 1024;

}  // namespace

LineLengthIndex::LineLengthIndex() { reset({}); }

void LineLengthIndex::reset(std::span<const qsizetype> lengths) {
    chunks_.clear();
    for (std::size_t i = 0; i < lengths.size(); i += kMaxChunk / 2) {
        Chunk c;
        const std::size_t n = std::min(kMaxChunk / 2, lengths.size() - i);
        c.lengths.assign(lengths.begin() + i, lengths.begin() + i + n);
        for (qsizetype len : c.lengths) c.sum += len;
        chunks_.push_back(std::move(c));
    }
    lines_ = qsizetype(lengths.size());
    dirtyFrom_ = 0;
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
        lineBefore_[i + 1] = lineBefore_[i] + qsizetype(chunks_[i].lengths.size());
        bytesBefore_[i + 1] = bytesBefore_[i] + chunks_[i].sum;
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
    return chunks_[p.chunk].lengths[std::size_t(p.index)];
}

qsizetype LineLengthIndex::lineStart(qsizetype line) const {
    if (line <= 0) return 0;
    if (line >= lines_) return totalLength();
    const Place p = locate(line);
    const auto& lens = chunks_[p.chunk].lengths;
    qsizetype offset = bytesBefore_[p.chunk];
    for (qsizetype i = 0; i < p.index; ++i) offset += lens[std::size_t(i)];
    return offset;
}

qsizetype LineLengthIndex::lineOf(qsizetype offset) const {
    if (lines_ == 0) return 0;
    refreshPrefixes();
    if (offset >= bytesBefore_.back()) return lines_ - 1;
    if (offset < 0) return 0;
    // The chunk holding `offset`: the last one starting at or before it
    // whose sum is not empty.
    auto it = std::upper_bound(bytesBefore_.begin(), bytesBefore_.end() - 1, offset);
    std::size_t chunk = std::size_t(it - bytesBefore_.begin()) - 1;
    qsizetype at = bytesBefore_[chunk];
    const auto& lens = chunks_[chunk].lengths;
    for (std::size_t i = 0; i < lens.size(); ++i) {
        if (offset < at + lens[i]) return lineBefore_[chunk] + qsizetype(i);
        at += lens[i];
    }
    return lineBefore_[chunk] + qsizetype(lens.size()) - 1;
}

void LineLengthIndex::setLength(qsizetype line, qsizetype length) {
    if (line < 0 || line >= lines_) return;
    const Place p = locate(line);
    Chunk& c = chunks_[p.chunk];
    c.sum += length - c.lengths[std::size_t(p.index)];
    c.lengths[std::size_t(p.index)] = length;
    touched(p.chunk);
}

void LineLengthIndex::insert(qsizetype line, std::span<const qsizetype> lengths) {
    if (lengths.empty()) return;
    line = std::clamp<qsizetype>(line, 0, lines_);
    if (chunks_.empty()) chunks_.emplace_back();
    Place p;
    if (line == lines_) {
        p = {chunks_.size() - 1, qsizetype(chunks_.back().lengths.size())};
    } else {
        p = locate(line);
    }
    Chunk& c = chunks_[p.chunk];
    c.lengths.insert(c.lengths.begin() + p.index, lengths.begin(), lengths.end());
    for (qsizetype len : lengths) c.sum += len;
    lines_ += qsizetype(lengths.size());
    touched(p.chunk);
    splitIfLarge(p.chunk);
}

void LineLengthIndex::erase(qsizetype line, qsizetype count) {
    count = std::min(count, lines_ - line);
    while (count > 0 && line >= 0) {
        const Place p = locate(line);
        Chunk& c = chunks_[p.chunk];
        const qsizetype take = std::min(count, qsizetype(c.lengths.size()) - p.index);
        auto first = c.lengths.begin() + p.index;
        for (auto it = first; it != first + take; ++it) c.sum -= *it;
        c.lengths.erase(first, first + take);
        lines_ -= take;
        count -= take;
        touched(p.chunk);
        dropIfEmpty(p.chunk);
    }
}

void LineLengthIndex::splitIfLarge(std::size_t chunk) {
    if (chunks_[chunk].lengths.size() <= kMaxChunk) return;
    // Cut the chunk into half-full pieces in one pass, so that inserting a
    // million lines at once stays linear.
    std::vector<qsizetype> all = std::move(chunks_[chunk].lengths);
    std::vector<Chunk> pieces;
    for (std::size_t i = 0; i < all.size(); i += kMaxChunk / 2) {
        Chunk c;
        const std::size_t n = std::min(kMaxChunk / 2, all.size() - i);
        c.lengths.assign(all.begin() + i, all.begin() + i + n);
        for (qsizetype len : c.lengths) c.sum += len;
        pieces.push_back(std::move(c));
    }
    chunks_[chunk] = std::move(pieces.front());
    chunks_.insert(chunks_.begin() + chunk + 1, std::make_move_iterator(pieces.begin() + 1),
                   std::make_move_iterator(pieces.end()));
    touched(chunk);
}

void LineLengthIndex::dropIfEmpty(std::size_t chunk) {
    if (!chunks_[chunk].lengths.empty() || chunks_.size() == 1) return;
    chunks_.erase(chunks_.begin() + chunk);
    touched(chunk == 0 ? 0 : chunk - 1);
}
