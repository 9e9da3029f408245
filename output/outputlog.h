#pragma once
// The lines the compile printed, as the pane keeps them: at most a fixed
// number of the newest, each with the place it names when it is an error
// line, and the count of the oldest lines let go.
#include "output/errorlines.h"

#include <QByteArray>

#include <deque>
#include <vector>

// Kept as the Shift-JIS bytes printed, decoded when shown. A line that may
// be an error line is parsed when it is first asked about, so a flood of
// output costs a quick look at each line and no more.
struct OutputLine {
    QByteArray bytes;
    bool mayBeError = false;
    mutable bool parsed = false;
    mutable std::optional<ErrorPlace> place;

    QString Text() const;
};

class TOutputLog {
public:
    static constexpr int kDefaultCapacity = 100000;

    explicit TOutputLog(const TErrorLineParser& parser, int capacity = kDefaultCapacity);

    int Count() const { return int(lines_.size()); }
    const OutputLine& Line(int row) const { return lines_[std::size_t(row)]; }
    // Lines let go since the last Clear().
    qint64 Dropped() const { return dropped_; }
    int Capacity() const { return capacity_; }

    // Rows to let go from the front before `incoming` more lines fit.
    int Overflow(int incoming) const;
    void DropFront(int count);
    // Lines let go before they reached the log.
    void CountDropped(qint64 count) { dropped_ += count; }
    // A printed line, looked at.
    OutputLine Parsed(QByteArray bytes) const;
    // The place line `row` names; nothing when it is no error line.
    const std::optional<ErrorPlace>& Place(int row) const;
    // Parsed lines; the caller has made room (Overflow).
    void Append(std::vector<OutputLine> lines);
    // A line of the program's own (the exit status), never an error line.
    void AppendNote(const QString& text);
    void Clear();

    // The first error row after `row`, or the last one before it; -1 when
    // there is none. Row -1 stands before the first line for NextError and
    // after the last one for PreviousError.
    int NextError(int row) const;
    int PreviousError(int row) const;
    bool IsError(int row) const { return Place(row).has_value(); }

private:
    const TErrorLineParser& parser_;
    int capacity_;
    std::deque<OutputLine> lines_;
    qint64 dropped_ = 0;
};
