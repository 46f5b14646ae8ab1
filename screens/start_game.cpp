#include "screens/start_game.h"

// Stand-in until the game screen module lands.
void StartGame(int, int, int, int, int) {}
