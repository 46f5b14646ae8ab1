#pragma once
// What the input side needs from the window.
// Maps a window position (SDL window coordinates) into the game's space.
void WindowToGame(int windowX, int windowY, int& gameX, int& gameY);
