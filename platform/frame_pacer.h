#pragma once
// The deadline rule of Flip: each frame moves the deadline on by 1000 / hertz
// milliseconds, carrying the remainder, and a late frame restarts from now.
#include "platform/clock.h"

class FramePacer {
public:
    void Start(int nowMs, int hertz) {
        deadline = nowMs;
        remainder = 0;
        rate = hertz > 0 ? hertz : 0;
    }
    // The time to wait for, or nowMs when the frame is due already.
    int NextDeadline(int nowMs) {
        if (rate == 0) {
            return nowMs;
        }
        remainder += 1000;
        deadline = ClockAdd(deadline, remainder / rate);
        remainder %= rate;
        if (ClockDiff(nowMs, deadline) >= 0) {
            deadline = nowMs;
        }
        return deadline;
    }

private:
    int deadline = 0;
    int remainder = 0;
    int rate = 0;
};
