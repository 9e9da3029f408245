#pragma once
// The system tick count: milliseconds of a monotonic clock, wrapping around
// as an unsigned 32-bit number (after about 49.7 days). Compare two ticks by
// their unsigned difference, never by their order.
#include <QtGlobal>

quint32 GetTickCount();
