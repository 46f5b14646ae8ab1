#pragma once
// Keys, scale degrees and chords as MIDI keys.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "board/seeded_random.h"

struct Key {
    int tonic = 60;  // MIDI key of the tonic
    bool minor = false;
};

// MIDI key of scale step `step` (0 = tonic, 7 = tonic an octave up, negative
// below) in the key, over the chord on `chordDegree` (in minor the leading
// note is raised over the dominant).
int StepKey(const Key& key, int step, int chordDegree);
// True when the step is a tone of the triad on chordDegree.
bool IsChordStep(int step, int chordDegree);
// The chord step (root, third or fifth of chordDegree) nearest to step.
int NearestChordStep(int step, int chordDegree);
