#pragma once
// One reset for every program-wide object, so that no test sees another's
// leftovers.

// Returns to their start: the module slots and the current module, the tick
// time and loading progress, the form manager, the render state, the settings
// store (next use reads the file again), scrambling (off), the locale table,
// the high-score tables, the current player name, the start level, the time bonus count-down, the
// undo stack, the fading routes, the faders, the bitmap and animation banks, the music service, the
// archive prefix (none), the injected input and the random generator's seed.
void ResetProgramState();
