#include "music_theory.h"

#include <cstdlib>

namespace {
constexpr int MAJOR[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int MINOR[7] = {0, 2, 3, 5, 7, 8, 10};

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int Mod7(int a) {
    return ((a % 7) + 7) % 7;
}
}  // namespace

int StepKey(const Key& key, int step, int chordDegree) {
    const int octave = FloorDiv(step, 7);
    const int degree = Mod7(step);
    int semitone = key.minor ? MINOR[degree] : MAJOR[degree];
    if (key.minor && degree == 6 && Mod7(chordDegree) == 4) {
        semitone += 1;
    }
    return key.tonic + 12 * octave + semitone;
}

bool IsChordStep(int step, int chordDegree) {
    const int d = Mod7(step - chordDegree);
    return d == 0 || d == 2 || d == 4;
}

int NearestChordStep(int step, int chordDegree) {
    for (int distance = 0; distance < 4; ++distance) {
        if (IsChordStep(step - distance, chordDegree)) {
            return step - distance;
        }
        if (IsChordStep(step + distance, chordDegree)) {
            return step + distance;
        }
    }
    return step;
}
