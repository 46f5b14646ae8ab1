// Keyboard play on the game screen: the tile cursor, Enter as a click on its
// tile, the status bar's keys, the match outline and the keys that leave the
// map and progress screens.
#include "board/game_grid.h"
#include "board/tile_cursor.h"
#include "platform/debug_log.h"
#include "platform/input.h"
#include "screens/game_screen.h"

namespace {

constexpr int RIGHT_BUTTON = 2;
constexpr int KEY_MATCHES = 'M';

struct StatusKey {
    int key;
    int bit;
};
constexpr StatusKey STATUS_KEYS[] = {{'H', 1}, {'U', 2}, {'R', 4}, {'O', 8}};

}  // namespace

void myGame::_ShowTileCursor() {
    keyCursorShown = true;
    if (!keyCursor || !IsTileCell(*keyCursor)) {
        const std::optional<Point> first = FirstTile(*playGrid);
        keyCursor = first ? first->Copy() : nullptr;
    }
}

// Arrows move the cursor (the first key only shows it); moving the mouse hides it.
void myGame::_UpdateTileCursor() {
    if (cursorMouse.Moved()) {
        keyCursorShown = false;
    }
    constexpr std::pair<int, CursorDirection> ARROWS[] = {
        {KEY_LEFT, CursorDirection::Left},
        {KEY_RIGHT, CursorDirection::Right},
        {KEY_UP, CursorDirection::Up},
        {KEY_DOWN, CursorDirection::Down},
    };
    for (const auto& [key, direction] : ARROWS) {
        // Presses that came within one frame each count.
        for (int presses = KeyHit(key); presses > 0; --presses) {
            if (!keyCursorShown || !keyCursor) {
                _ShowTileCursor();
            } else {
                keyCursor = MoveTileCursor(*playGrid, *keyCursor, direction).Copy();
            }
            _LogTileCursor("at");
        }
    }
    if (KeyHit(KEY_MATCHES) != 0 && !keyCursorShown) {
        _ShowTileCursor();
    }
}

// Where the cursor went or what it picked, for the debug log.
void myGame::_LogTileCursor(const std::string& what) const {
    if (DebugLogEnabled() && keyCursor) {
        DebugLog("Tile cursor " + what + " " + std::to_string(keyCursor->x) + "," +
                 std::to_string(keyCursor->y));
    }
}

void myGame::_HighlightUnderMouse() {
    const PointPtr cell = playGrid->MouseOver();
    highLight = cell && IsTileCell(*cell) ? cell : nullptr;
}

// Enter is a click on the cursor's tile; with the cursor hidden it only shows it.
void myGame::_KeyboardSelect() {
    if (!keyCursorShown) {
        _ShowTileCursor();
        return;
    }
    highLight = keyCursor && IsTileCell(*keyCursor) ? keyCursor->Copy() : nullptr;
    _LogTileCursor("picks");
    MouseSelect();
}

// The right button held on a tile, or M held with the cursor on one.
void myGame::_UpdateMatchOutline() {
    matchOutline.reset();
    if (MouseDown(RIGHT_BUTTON)) {
        const PointPtr cell = playGrid->MouseOver();
        if (cell && IsTileCell(*cell)) {
            matchOutline = cell;
        }
    } else if (KeyDown(KEY_MATCHES) && keyCursorShown && keyCursor && IsTileCell(*keyCursor)) {
        matchOutline = keyCursor->Copy();
    }
}

void myGame::_ReadStatusKeys() {
    statusKeys = 0;
    for (const StatusKey& status : STATUS_KEYS) {
        if (KeyHit(status.key) != 0) {
            statusKeys |= status.bit;
        }
    }
}

bool myGame::_StatusPressed(const std::string& button, int key) const {
    if (guiButtonHit(button)) {
        return true;
    }
    for (const StatusKey& status : STATUS_KEYS) {
        if (status.key == key && (statusKeys & status.bit) != 0) {
            return true;
        }
    }
    return false;
}

bool myGame::_ContinueHit() {
    const int clicks = MouseHit(1);
    const int enter = KeyHit(KEY_ENTER);
    const int space = KeyHit(KEY_SPACE);
    return clicks + enter + space != 0;
}
