#pragma once
// Keys, scale degrees and chords as MIDI keys.
#include <cstddef>
#include <cstdint>
#include <vector>

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

// Deterministic pseudo-random numbers for composing.
class Dice {
public:
    explicit Dice(uint32_t seed) : state(seed * 2654435761u + 1) {}
    uint32_t Next();
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

private:
    uint32_t state;
};
