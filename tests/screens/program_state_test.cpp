// Every program-wide value the game keeps is back at its start after
// ResetProgramState(), so that no test sees another's leftovers.
#include <gtest/gtest.h>

#include "app/app_module.h"
#include "app/app_run.h"
#include "board/game_route.h"
#include "board/undo_action.h"
#include "platform/input.h"
#include "platform/numbers.h"
#include "platform/test_seams.h"
#include "screens/game_screen.h"
#include "support/program_state.h"
#include "toolkit/fader.h"

TEST(ProgramState, NothingSurvivesAReset) {
    ResetProgramState();
    const int firstRandom = Rand(0, 1 << 30);

    _AppModule::currentModule = APP_GAME;
    _AppModule::lastTickMS = 1234;
    _AppModule::loadingProgress = 50;
    _AppModule::currentPlayerName = "Ada";
    _AppModule::addHighScore(0, 99);
    SetStartLevel(7);
    myGame::timeBonusCounterMs = 40;
    undoAction::pushUndoAction(3, 3, Point(1, 1), Point(2, 2));
    gameRoute route;
    route.AddPoint(Point(1, 1));
    gameRoute::AddFadingRoute(route);
    scaleFader::Create(nullptr, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    InjectKey(KEY_ESCAPE, true);
    Rand(0, 10);
    ResetProgramState();

    EXPECT_EQ(_AppModule::currentModule, -1);
    EXPECT_EQ(_AppModule::lastTickMS, 0);
    EXPECT_EQ(_AppModule::loadingProgress, 0);
    EXPECT_EQ(_AppModule::currentPlayerName, "");
    EXPECT_FALSE(_AppModule::highScores[0][0]);
    EXPECT_EQ(StartLevel(), 0);
    EXPECT_EQ(myGame::timeBonusCounterMs, 0);
    EXPECT_EQ(undoAction::Size(), 0);
    EXPECT_EQ(gameRoute::FadingRouteCount(), 0);
    EXPECT_EQ(scaleFader::LiveCount(), 0);
    EXPECT_EQ(KeyHit(KEY_ESCAPE), 0);
    EXPECT_EQ(Rand(0, 1 << 30), firstRandom);
}
