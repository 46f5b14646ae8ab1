// The millisecond clock, with the manual clock that tests step.
#include "platform/clock.h"

#include <SDL2/SDL.h>

#include "platform/test_seams.h"

namespace {

bool manualClock = false;
int manualMs = 0;

}  // namespace

int MilliSecs() {
    if (manualClock) {
        return manualMs;
    }
    return static_cast<int>(SDL_GetTicks());
}

void Delay(int ms) {
    if (ms <= 0) {
        return;
    }
    if (manualClock) {
        manualMs += ms;
        return;
    }
    SDL_Delay(static_cast<Uint32>(ms));
}

void WaitTimerTick() {
    // A 1 Hz timer started now ticks first one second later.
    Delay(1000);
}

void UseManualClock(bool on, int startMs) {
    manualClock = on;
    manualMs = startMs;
}

bool ManualClockActive() {
    return manualClock;
}

void AdvanceClock(int ms) {
    if (ms > 0) {
        manualMs += ms;
    }
}
