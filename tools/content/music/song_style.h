#pragma once
// What makes one song differ from another: key, tempo, chords, form,
// instruments and the patterns of accompaniment and drums.
#include <cstdint>
#include <vector>

#include "music_theory.h"

enum class HarmonyPattern { Arpeggio, Strum, Bossa, Waltz, Sustain };
enum class BassPattern { RootFifth, Bossa, Long, Waltz, March };
enum class DrumPattern { Pop, Soft, Bossa, Waltz, Orchestral };

struct SongStyle {
    const char* file;
    int bpm;
    int beatsPerBar;  // 3 or 4
    Key key;
    std::vector<int> chordsA;  // chord degree per bar, 8 bars
    std::vector<int> chordsB;
    const char* form;  // section letters, e.g. "ABA"
    int leadProgram, secondLeadProgram, harmonyProgram, padProgram, bassProgram;
    int timpaniProgram;          // -1 for none
    int leadVolume, bassVolume;  // channel volumes (0-127) that balance the mix
    HarmonyPattern harmony;
    BassPattern bass;
    DrumPattern drums;
    int lowestStep, highestStep;  // melody range in scale steps from the tonic
    uint32_t seed;
};

const std::vector<SongStyle>& SongStyles();
