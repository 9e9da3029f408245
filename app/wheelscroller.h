#pragma once
// Extra rows scrolled for every step of the mouse wheel, on top of what the
// editor itself scrolls. A wheel often reports a burst of steps at once; a
// step that comes within 5 ms of the last one that scrolled adds nothing.
#include <QtGlobal>

#include <functional>

class WheelScroller {
public:
    enum class Direction { Up, Down };
    using TickSource = std::function<quint32()>;
    // Scrolls the target view by one row: +1 down, -1 up.
    using ScrollRow = std::function<void(int)>;

    // `ticks` gives the system tick count; tests pass a clock of their own.
    explicit WheelScroller(TickSource ticks = {});

    // The tick of the last step that scrolled.
    quint32 LastTick = 0;
    // Rows per step; -1 until the settings are read, 0 or less scrolls nothing.
    qint32 LineCount = -1;

    // One wheel step: scrolls LineCount rows in `direction`, one row at a
    // time, unless the count is 0 or the step belongs to the last burst.
    void Step(Direction direction, const ScrollRow& scrollRow);

private:
    TickSource ticks_;
};
