// The millisecond clock, with the manual clock that tests step.
#include "platform/clock.h"

#include <SDL2/SDL.h>

#include <cstdint>
#include <ctime>

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

int ClockSeed() {
    if (manualClock) {
        return manualMs;
    }
    return static_cast<int>(SDL_GetPerformanceCounter() ^
                            static_cast<uint64_t>(std::time(nullptr)));
}

int ClockDiff(int later, int earlier) {
    return static_cast<int>(static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier));
}

int ClockAdd(int t, int ms) {
    return static_cast<int>(static_cast<uint32_t>(t) + static_cast<uint32_t>(ms));
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
        manualMs = ClockAdd(manualMs, ms);
    }
}
