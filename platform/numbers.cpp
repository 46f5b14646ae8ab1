#include "platform/numbers.h"

#include <cmath>
#include <numbers>
#include <random>
#include <utility>

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(0x5eed);
    return generator;
}

constexpr double RADIANS_PER_DEGREE = std::numbers::pi / 180.0;

}  // namespace

int Rand(int minValue, int maxValue) {
    if (minValue > maxValue) {
        std::swap(minValue, maxValue);
    }
    return std::uniform_int_distribution<int>(minValue, maxValue)(Generator());
}

float RndFloat() {
    // 24 random bits give every float of [0, 1) a step of 2^-24, never 1.
    return static_cast<float>(Generator()() >> 8) * (1.0f / 16777216.0f);
}

void SeedRnd(int seed) {
    Generator().seed(static_cast<std::mt19937::result_type>(seed));
}

double Sin(double degrees) {
    return std::sin(degrees * RADIANS_PER_DEGREE);
}

double Cos(double degrees) {
    return std::cos(degrees * RADIANS_PER_DEGREE);
}

double ATan2(double y, double x) {
    return std::atan2(y, x) / RADIANS_PER_DEGREE;
}
