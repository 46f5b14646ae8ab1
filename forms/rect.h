#pragma once
// The rectangle of forms and controls: left, top, right, bottom.
#include <algorithm>
#include <climits>
#include <cstdint>

// a + b held to the int range, so that extreme values from a file cannot overflow.
inline int SaturatedAdd(int a, int b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    return static_cast<int>(std::clamp<int64_t>(sum, INT_MIN, INT_MAX));
}

struct __Rect {
    int xs = 0;
    int ys = 0;
    int xe = 0;
    int ye = 0;

    int Width() const { return SaturatedAdd(xe, xs == INT_MIN ? INT_MAX : -xs); }
    int Height() const { return SaturatedAdd(ye, ys == INT_MIN ? INT_MAX : -ys); }
    // Moves the rectangle, keeping its size.
    void Offset(int dx, int dy) {
        xs = SaturatedAdd(xs, dx);
        xe = SaturatedAdd(xe, dx);
        ys = SaturatedAdd(ys, dy);
        ye = SaturatedAdd(ye, dy);
    }
    bool operator==(const __Rect&) const = default;
};
