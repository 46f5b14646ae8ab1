#include <SDL2/SDL.h>

#include "platform/input_state.h"

int KeyCodeOfSdlKey(int sdlKey) {
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z) {
        return sdlKey - SDLK_a + 'A';
    }
    if ((sdlKey >= SDLK_0 && sdlKey <= SDLK_9) || sdlKey == SDLK_BACKSPACE || sdlKey == SDLK_TAB ||
        sdlKey == SDLK_RETURN || sdlKey == SDLK_ESCAPE || sdlKey == SDLK_SPACE) {
        return sdlKey;
    }
    if (sdlKey >= SDLK_F1 && sdlKey <= SDLK_F12) {
        return 112 + (sdlKey - SDLK_F1);
    }
    switch (sdlKey) {
        case SDLK_KP_ENTER:
            return 13;
        case SDLK_PAGEUP:
            return 33;
        case SDLK_PAGEDOWN:
            return 34;
        case SDLK_END:
            return 35;
        case SDLK_HOME:
            return 36;
        case SDLK_LEFT:
            return 37;
        case SDLK_UP:
            return 38;
        case SDLK_RIGHT:
            return 39;
        case SDLK_DOWN:
            return 40;
        case SDLK_INSERT:
            return 45;
        case SDLK_DELETE:
            return 46;
        case SDLK_LSHIFT:
            return 160;
        case SDLK_RSHIFT:
            return 161;
        case SDLK_LCTRL:
            return 162;
        case SDLK_RCTRL:
            return 163;
        case SDLK_LALT:
            return 164;
        case SDLK_RALT:
            return 165;
        default:
            return 0;
    }
}
