#include "output/outputlog.h"

#include <algorithm>

TOutputLog::TOutputLog(const TErrorLineParser& parser, int capacity) : parser_(parser), capacity_(capacity) {}

int TOutputLog::Overflow(int incoming) const { return std::clamp(Count() + incoming - capacity_, 0, Count()); }

void TOutputLog::DropFront(int count) {
    count = std::clamp(count, 0, Count());
    lines_.erase(lines_.begin(), lines_.begin() + count);
    dropped_ += count;
}

void TOutputLog::Append(const QStringList& lines) {
    // Lines beyond what the log can hold are never looked at.
    const qsizetype skipped = std::max<qsizetype>(0, lines.size() - capacity_);
    dropped_ += skipped;
    for (qsizetype i = skipped; i < lines.size(); ++i) lines_.push_back({lines[i], parser_.Parse(lines[i])});
}

void TOutputLog::AppendNote(const QString& text) {
    DropFront(Overflow(1));
    lines_.push_back({text, std::nullopt});
}

void TOutputLog::Clear() {
    lines_.clear();
    dropped_ = 0;
}

int TOutputLog::NextError(int row) const {
    for (int r = std::max(row + 1, 0); r < Count(); ++r)
        if (lines_[std::size_t(r)].place) return r;
    return -1;
}

int TOutputLog::PreviousError(int row) const {
    for (int r = (row < 0 || row > Count() ? Count() : row) - 1; r >= 0; --r)
        if (lines_[std::size_t(r)].place) return r;
    return -1;
}
