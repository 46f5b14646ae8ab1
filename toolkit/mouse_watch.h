#pragma once
// Tells whether the mouse moved since the last look: keyboard marks (the tile
// cursor, the focus ring) hide when it does.
#include "platform/input.h"

class MouseWatch {
public:
    // True when the mouse is elsewhere than at the last call (and at the first).
    bool Moved() {
        const int mx = MouseX();
        const int my = MouseY();
        const bool moved = !seen || mx != x || my != y;
        seen = true;
        x = mx;
        y = my;
        return moved;
    }

private:
    bool seen = false;
    int x = 0;
    int y = 0;
};
