#pragma once
// The millisecond clock, the time base of every animation and timer.
int MilliSecs();
void Delay(int ms);
// Waits for the first tick of a 1 Hz timer.
void WaitTimerTick();
