#include "platform/tickcount.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(TickCount, CountsMillisecondsForward) {
    const quint32 before = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const quint32 elapsed = GetTickCount() - before;
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 10000u);
}

}  // namespace
