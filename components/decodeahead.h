#pragma once
// A Shift-JIS file read and decoded for the editor on a worker thread, ahead
// of the widget that takes the text: pieces of UTF-8 in order, a few of them
// at most waiting at a time, and the Shift-JIS line lengths of the whole
// text. The widget's own work on a piece takes longer than reading and
// decoding it, so a load costs little more than that work.
#include "components/linelengthindex.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

class TextSource;

class DecodeAhead {
public:
    // `source` must outlive this object.
    explicit DecodeAhead(const TextSource& source);
    // Stops the worker, also half-way.
    ~DecodeAhead();
    DecodeAhead(const DecodeAhead&) = delete;
    DecodeAhead& operator=(const DecodeAhead&) = delete;

    // The next piece of the text's UTF-8 as SjisTextDecoder makes it, empty
    // after the last; valid until the next call. Rethrows what made the
    // worker fail (a FileError when the file could not be read).
    QByteArrayView nextPiece();
    // The line lengths, once nextPiece() has come to the end.
    LineLengthIndex takeIndex() { return std::move(index_); }

private:
    static constexpr std::size_t kSlots = 4;

    void run();
    // Waits for a free slot; false when asked to stop.
    bool waitForRoom();
    void publish(QByteArray& slot);

    const TextSource& source_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::array<QByteArray, kSlots> slots_;
    std::size_t produced_ = 0;   // pieces published
    std::size_t handedOut_ = 0;  // pieces given to the caller, the last one in use
    std::size_t released_ = 0;   // pieces the caller is done with
    bool finished_ = false;
    bool stop_ = false;
    std::exception_ptr failure_;
    LineLengthIndex index_;  // the worker's until it finishes
    std::thread worker_;
};
