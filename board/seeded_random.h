#pragma once
// The one seeded random source of the game's tools and tests: the same seed
// gives the same numbers on every machine and every standard library, because
// it uses std::mt19937 (whose output the standard fixes) and no std
// distribution (whose results it does not). The solver's random play-throughs,
// the level generator and the composer all draw from it.
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

class SeededRandom {
public:
    explicit SeededRandom(uint32_t seed) : engine(seed) {}

    // The next raw 32-bit number.
    uint32_t Next() { return static_cast<uint32_t>(engine()); }
    // 0 .. n - 1; n must be positive.
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    // [0, 1)
    double Unit() { return static_cast<double>(Next()) / 4294967296.0; }

    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

    template <class T>
    void Shuffle(std::vector<T>& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
            std::swap(items[i], items[Below(i + 1)]);
        }
    }

private:
    std::mt19937 engine;
};
