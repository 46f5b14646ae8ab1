#include "screens/start_game.h"

#include "app/app_run.h"
#include "screens/game_screen.h"

void StartGame(int relaxed, int level, int music, int tileset, int background) {
    const MyGamePtr game = myGame::Create("data/game/game.txt");
    if (StartLevel() != 0) {
        game->iCurrentLevel = StartLevel();
    }
    if (relaxed != 0) {
        game->_RelaxedModeLevel = level;
        game->_RelaxedModeMusic = music;
        game->_RelaxedModeTileset = tileset;
        game->_RelaxedModebackground = background;
    }
}
