#include "app/wheelscroller.h"

#include "platform/tickcount.h"

namespace {

constexpr quint32 kBurstMilliseconds = 5;

}  // namespace

WheelScroller::WheelScroller(TickSource ticks) : ticks_(ticks ? std::move(ticks) : TickSource(&GetTickCount)) {}

void WheelScroller::Step(Direction direction, const ScrollRow& scrollRow) {
    if (LineCount == 0) return;
    const quint32 now = ticks_();
    // The distance, not the order, of two ticks: the count wraps around
    // after 49.7 days and the wheel must not stop working then.
    if (quint32(now - LastTick) <= kBurstMilliseconds) return;
    const int row = direction == Direction::Down ? 1 : -1;
    for (qint32 i = 0; i < LineCount; ++i) scrollRow(row);
    LastTick = now;
}
