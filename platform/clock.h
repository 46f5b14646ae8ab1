#pragma once
// The millisecond clock, the time base of every animation and timer.
int MilliSecs();
// Clock arithmetic right across the wrap (the int clock wraps after 24.8
// days): later - earlier, negative when later is the earlier one, and the
// time ms after t.
int ClockDiff(int later, int earlier);
int ClockAdd(int t, int ms);
void Delay(int ms);
// A seed that differs from one launch to the next (the manual clock's time
// while tests step it).
int ClockSeed();
// Waits for the first tick of a 1 Hz timer.
void WaitTimerTick();
