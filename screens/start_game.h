#pragma once
// Creates the game screen module: a story game (relaxed = 0) or one relaxed
// game of the given level with the chosen song, tile set and background.
void StartGame(int relaxed, int level, int music, int tileset, int background);
