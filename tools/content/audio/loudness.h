#pragma once
// Loudness every sound and song is levelled to: RMS of the audible part, and
// a peak ceiling a little below -1 dBFS that leaves room for the encoder.
constexpr float TARGET_RMS = 0.1f;  // -20 dBFS
constexpr float PEAK_LIMIT = 0.8f;  // -1.9 dBFS
