#pragma once
// Drives the game screen headless: a story or relaxed game started the way
// the menu starts it, clicks on cells and status-bar controls, and waits.
#include <memory>
#include <string>

#include "app/app_module.h"
#include "app/settings.h"
#include "board/game_grid.h"
#include "board/solver.h"
#include "forms/gui.h"
#include "screens/game_screen.h"
#include "support/screen_test.h"

class GameScreenTest : public ScreenTest {
protected:
    static constexpr int PLAYER = 1;

    // Player 1 at level with the given counters, then the game started.
    static std::shared_ptr<myGame> StartStory(int level, int hints = 0, int undos = 0,
                                              int retries = 0);
    static std::shared_ptr<myGame> StartRelaxed(int level);
    // A command-line start of level: plain board, developer keys on.
    static std::shared_ptr<myGame> StartCommandLine(int level);
    static std::shared_ptr<myGame> Game();

    // Clicks the centre of a board cell (the module sees it in the same tick).
    static void ClickCell(const myGame& game, const Point& cell);
    // Leaves the map screen for the level.
    static void EnterLevel();
    // Clicks both tiles of a pair and steps until it is removed; false when it never was.
    static bool RemovePair(myGame& game, const CellPair& pair);
    // Steps until the state is reached (at most maxFrames); true when it was.
    static bool StepUntilState(const myGame& game, int state, int maxFrames = 2000);

    // What app.dat holds for one of the player's keys.
    static std::string StoredPlayer(const SettingKey& key);
};
