#pragma once
// A random source that gives the same numbers on every machine, so the
// generator reproduces the shipped levels exactly.
#include <cstdint>
#include <random>
#include <vector>

class SeededRandom {
public:
    explicit SeededRandom(uint32_t seed) : engine_(seed) {}

    // 0 .. n - 1; n must be positive.
    int Below(int n) { return static_cast<int>(engine_() % static_cast<uint32_t>(n)); }
    // [0, 1)
    double Unit() { return static_cast<double>(engine_()) / 4294967296.0; }

    template <class T>
    void Shuffle(std::vector<T>& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
            std::swap(items[i], items[Below(i + 1)]);
        }
    }

private:
    std::mt19937 engine_;
};
