#include "output/outputlog.h"

#include "platform/cp932.h"

#include <algorithm>
#include <iterator>

QString OutputLine::Text() const { return cp932::decode(bytes); }

TOutputLog::TOutputLog(const TErrorLineParser& parser, int capacity) : parser_(parser), capacity_(capacity) {}

int TOutputLog::Overflow(int incoming) const { return std::clamp(Count() + incoming - capacity_, 0, Count()); }

void TOutputLog::DropFront(int count) {
    count = std::clamp(count, 0, Count());
    lines_.erase(lines_.begin(), lines_.begin() + count);
    dropped_ += count;
}

OutputLine TOutputLog::Parsed(QByteArray bytes) const {
    OutputLine line;
    line.mayBeError = parser_.MayBeError(bytes);
    line.parsed = !line.mayBeError;
    line.bytes = std::move(bytes);
    return line;
}

const std::optional<ErrorPlace>& TOutputLog::Place(int row) const {
    const OutputLine& line = lines_[std::size_t(row)];
    if (!line.parsed) {
        line.place = parser_.Parse(QByteArrayView(line.bytes));
        line.parsed = true;
    }
    return line.place;
}

void TOutputLog::Append(std::vector<OutputLine> lines) {
    const std::size_t skipped = lines.size() > std::size_t(capacity_) ? lines.size() - std::size_t(capacity_) : 0;
    dropped_ += qint64(skipped);
    std::move(lines.begin() + qsizetype(skipped), lines.end(), std::back_inserter(lines_));
}

void TOutputLog::AppendNote(const QString& text) {
    DropFront(Overflow(1));
    OutputLine note;
    note.bytes = cp932::encode(text);
    note.parsed = true;
    lines_.push_back(std::move(note));
}

void TOutputLog::Clear() {
    lines_.clear();
    dropped_ = 0;
}

int TOutputLog::NextError(int row) const {
    for (int r = std::max(row + 1, 0); r < Count(); ++r)
        if (IsError(r)) return r;
    return -1;
}

int TOutputLog::PreviousError(int row) const {
    for (int r = (row < 0 || row > Count() ? Count() : row) - 1; r >= 0; --r)
        if (IsError(r)) return r;
    return -1;
}
