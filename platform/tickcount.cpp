#include "platform/tickcount.h"

#include <chrono>

quint32 GetTickCount() {
    // steady_clock is CLOCK_MONOTONIC here: it never steps back when the
    // wall clock is set, and it counts from boot like the Windows tick count.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return quint32(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
