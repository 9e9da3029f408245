#pragma once
// The lines the compile printed, as the pane keeps them: at most a fixed
// number of the newest, each with the place it names when it is an error
// line, and the count of the oldest lines let go.
#include "output/errorlines.h"

#include <QStringList>

#include <deque>

struct OutputLine {
    QString text;
    std::optional<ErrorPlace> place;  // set on error lines
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
    // Printed lines, each parsed; the caller has made room (Overflow).
    void Append(const QStringList& lines);
    // A line of the program's own (the exit status), never an error line.
    void AppendNote(const QString& text);
    void Clear();

    // The first error row after `row`, or the last one before it; -1 when
    // there is none. Row -1 stands before the first line for NextError and
    // after the last one for PreviousError.
    int NextError(int row) const;
    int PreviousError(int row) const;

private:
    const TErrorLineParser& parser_;
    int capacity_;
    std::deque<OutputLine> lines_;
    qint64 dropped_ = 0;
};
