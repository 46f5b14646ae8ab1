#include <gtest/gtest.h>

#include <cstdint>

#include "platform/clock.h"
#include "platform/frame_pacer.h"
#include "platform/numbers.h"
#include "platform/test_seams.h"

TEST(NumbersTest, RandomValuesStayInRangeAndRepeatWithTheSeed) {
    SeedRnd(42);
    bool sawMin = false;
    bool sawMax = false;
    for (int i = 0; i < 2000; ++i) {
        const int value = Rand(3, 7);
        ASSERT_GE(value, 3);
        ASSERT_LE(value, 7);
        sawMin = sawMin || value == 3;
        sawMax = sawMax || value == 7;
        const float f = RndFloat();
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
    }
    EXPECT_TRUE(sawMin && sawMax);
    SeedRnd(9);
    const int first = Rand(0, 1000000);
    SeedRnd(9);
    EXPECT_EQ(Rand(0, 1000000), first);
    EXPECT_EQ(Rand(5, 5), 5);
}

TEST(NumbersTest, TrigonometryInDegrees) {
    EXPECT_NEAR(Sin(90), 1.0, 1e-12);
    EXPECT_NEAR(Cos(180), -1.0, 1e-12);
    EXPECT_NEAR(ATan2(1, 1), 45.0, 1e-12);
    EXPECT_NEAR(ATan2(-1, 0), -90.0, 1e-12);
}

TEST(ClockTest, FramePacerCarriesTheRemainder) {
    FramePacer pacer;
    pacer.Start(1000, 60);
    int now = 1000;
    for (int frame = 0; frame < 60; ++frame) {
        now = pacer.NextDeadline(now);
    }
    EXPECT_EQ(now, 2000) << "60 frames at 60 Hz take exactly one second";
    EXPECT_EQ(pacer.NextDeadline(now), 2016);
    EXPECT_EQ(pacer.NextDeadline(2500), 2500) << "a late frame restarts from now";
    EXPECT_EQ(pacer.NextDeadline(2500), 2517);
}

TEST(ClockTest, FramePacerAndManualClockCrossTheWrap) {
    FramePacer pacer;
    pacer.Start(INT32_MAX - 20, 60);
    int now = INT32_MAX - 20;
    for (int frame = 0; frame < 60; ++frame) {
        now = pacer.NextDeadline(now);
    }
    EXPECT_EQ(ClockDiff(now, INT32_MAX - 20), 1000) << "no frame restarts at the wrap";
    UseManualClock(true, INT32_MAX - 5);
    AdvanceClock(16);
    EXPECT_EQ(ClockDiff(MilliSecs(), INT32_MAX - 5), 16);
    UseManualClock(false);
}

TEST(ClockTest, ManualClockSteps) {
    UseManualClock(true, 500);
    EXPECT_EQ(MilliSecs(), 500);
    AdvanceClock(20);
    Delay(5);
    EXPECT_EQ(MilliSecs(), 525);
    WaitTimerTick();
    EXPECT_EQ(MilliSecs(), 1525);
    UseManualClock(false);
    EXPECT_FALSE(ManualClockActive());
}
