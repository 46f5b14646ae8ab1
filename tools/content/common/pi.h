#pragma once
// The one value of pi of the content tools.
#include <numbers>

inline constexpr double PI = std::numbers::pi;
