// The desktop's frame loop and window: the game loops by itself, paces its own
// frames, opens a new window for a new screen mode and starts in full screen.
#include "platform/system.h"

void RunFrameLoop(int (*tick)(), void (*atEnd)()) {
    while (tick() != 0) {
    }
    atEnd();
}

bool SystemPacesFrames() {
    return false;
}

void PrepareWindowClose(SDL_Window*) {}

bool ModeChangeKeepsWindow() {
    return false;
}

bool FirstStartFullscreen() {
    return true;
}
