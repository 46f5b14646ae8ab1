#pragma once
// The rectangle of forms and controls: left, top, right, bottom.

struct __Rect {
    int xs = 0;
    int ys = 0;
    int xe = 0;
    int ye = 0;

    int Width() const { return xe - xs; }
    int Height() const { return ye - ys; }
    // Moves the rectangle, keeping its size.
    void Offset(int dx, int dy) {
        xs += dx;
        xe += dx;
        ys += dy;
        ye += dy;
    }
    bool operator==(const __Rect&) const = default;
};
