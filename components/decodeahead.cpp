#include "components/decodeahead.h"

#include "components/sjistextdecoder.h"
#include "components/textsource.h"

#include <vector>

namespace {

// Leaves the reading loop when the worker is asked to stop.
struct Stopped {};

}  // namespace

DecodeAhead::DecodeAhead(const TextSource& source) : source_(source), worker_([this] { run(); }) {}

DecodeAhead::~DecodeAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void DecodeAhead::run() {
    try {
        SjisTextDecoder decoder;
        std::vector<qsizetype> lines;
        // Only this thread writes a slot that is not yet published.
        const auto nextSlot = [this]() -> QByteArray& {
            if (!waitForRoom()) throw Stopped{};
            QByteArray& slot = slots_[produced_ % kSlots];
            slot.resize(0);
            return slot;
        };
        const auto done = [&](QByteArray& slot) {
            index_.insert(index_.lineCount(), lines);
            lines.clear();
            publish(slot);
        };
        source_.read({}, [&](QByteArrayView piece) {
            QByteArray& slot = nextSlot();
            decoder.add(piece, slot, lines);
            done(slot);
        });
        QByteArray& slot = nextSlot();
        decoder.finish(slot, lines);
        done(slot);
    } catch (const Stopped&) {
        // The caller gave up on the text.
    } catch (...) {
        const std::lock_guard lock(mutex_);
        failure_ = std::current_exception();
    }
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_all();
}

bool DecodeAhead::waitForRoom() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stop_ || produced_ - released_ < kSlots; });
    return !stop_;
}

void DecodeAhead::publish(QByteArray& slot) {
    if (slot.isEmpty()) return;  // an empty piece would read as the end
    {
        const std::lock_guard lock(mutex_);
        ++produced_;
    }
    changed_.notify_all();
}

QByteArrayView DecodeAhead::nextPiece() {
    std::unique_lock lock(mutex_);
    if (handedOut_ > released_) {
        ++released_;  // the caller is done with the piece it had
        changed_.notify_all();
    }
    changed_.wait(lock, [this] { return produced_ > handedOut_ || finished_; });
    if (produced_ > handedOut_) return slots_[handedOut_++ % kSlots];
    if (failure_) std::rethrow_exception(failure_);
    return {};
}
