// The game screen played through the shell: clicks on cells and status-bar
// controls, the manual clock, app.dat read back from the file, and one frame
// per state saved under test-frames/ with its pixels checked.
#include <map>

#include <gtest/gtest.h>

#include "app/app_run.h"
#include "app/line_helpers.h"
#include "app/locale_strings.h"
#include "board/cell_values.h"
#include "board/flying_bonus.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "board/undo_action.h"
#include "game_screen_test_support.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/input.h"
#include "platform/test_seams.h"
#include "screens/progress_screen.h"
#include "screens/start_game.h"
#include "toolkit/fader.h"

namespace {

// Pixels that differ between two frames in a rectangle.
int DifferingPixels(const TPixmap& a, const TPixmap& b, int x, int y, int width, int height) {
    int count = 0;
    for (int py = y; py < y + height; ++py) {
        for (int px = x; px < x + width; ++px) {
            count += ReadPixel(a, px, py) != ReadPixel(b, px, py) ? 1 : 0;
        }
    }
    return count;
}

int CountBonus(const levelData& level, int code) {
    int count = 0;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            count += level.bonus[x][y] == code ? 1 : 0;
        }
    }
    return count;
}

bool HighScoreHolds(int64_t score) {
    for (int p = 0; p < HIGHSCORE_POSITIONS; ++p) {
        if (_AppModule::getHighScoreValue(0, p) == score) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Level 7 from the map to the next level's map: every pair clicked at its
// cells, scored, the time bonus counted, the progress saved.
TEST_F(GameScreenTest, WholeLevelWonThroughTheUi) {
    const auto game = StartStory(7, 2, 1, 1);
    ASSERT_TRUE(game);
    _AppModule::AddDummyHighScores(0, "Luna", 500, 5, HIGHSCORE_POSITIONS);
    ASSERT_EQ(game->GameState(), GS_SHOWING_PROGRESS_BEFORE);
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("mapscreen", "next_level"),
              "Level 7. The Whispering Forest");

    // The map after the first fade from black; the current place pulses.
    StepFrames(70);
    SaveFrame("game_map");
    const PixmapPtr map1 = ReadBackBuffer();
    StepFrames(28);  // about half a pulse later
    const PixmapPtr map2 = ReadBackBuffer();
    EXPECT_GT(Brightness(0, 0, 800, 500), 20.0);
    const GamePosition marker = game->config.locationPositions[2];
    ASSERT_TRUE(marker.valid);
    EXPECT_GT(DifferingPixels(*map1, *map2, marker.x - 50, marker.y - 50, 100, 100), 20);

    // Into the level; half-way through the transition both pictures show.
    EnterLevel();
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    StepFrames(28);
    SaveFrame("game_transition");
    const PixmapPtr transition = ReadBackBuffer();
    StepFrames(40);
    SaveFrame("game_board");
    const PixmapPtr board = ReadBackBuffer();
    EXPECT_GT(DifferingPixels(*transition, *board, 0, 0, 800, 500), 5000);
    EXPECT_GT(DifferingPixels(*transition, *map2, 0, 0, 800, 500), 5000);
    EXPECT_GT(Brightness(10, 60, 100, 30), 15.0);  // background above the tiles

    const SolveResult solved = SolveBoard(*game->playGrid, 200000);
    ASSERT_EQ(solved.outcome, SolveOutcome::Cleared);
    const int scoreItems = CountBonus(*game->ld, 1);

    // A hint: one hint fewer, its two cells glow.
    ClickControl("statusbar", "sb_hint");
    EXPECT_EQ(game->ShowHint, 1);
    EXPECT_EQ(game->iCurrentHints, 1);
    StepFrames(10);
    SaveFrame("game_hint");
    const PointPtr hinted = game->hintRoute->First();
    EXPECT_GT(DifferingPixels(*board, *ReadBackBuffer(), game->playGrid->_cellStartX(hinted->x),
                              game->playGrid->_cellStartY(hinted->y), 32, 48),
              50);

    // Pair by pair; the first pair shows its selection, the route and the count-up.
    for (size_t i = 0; i < solved.removals.size(); ++i) {
        const CellPair& pair = solved.removals[i];
        if (i == 0) {
            const PixmapPtr before = ReadBackBuffer();
            ClickCell(*game, pair.a);
            ASSERT_TRUE(game->startPoint);
            EXPECT_EQ(game->statusText, game->config.selectNext);
            StepFrames(1);
            SaveFrame("game_selection");
            EXPECT_GT(
                DifferingPixels(*before, *ReadBackBuffer(), game->playGrid->_cellStartX(pair.a.x),
                                game->playGrid->_cellStartY(pair.a.y), 32, 48),
                50);
            ClickCell(*game, pair.b);
            ASSERT_NE(game->routeFlash, 0);
            EXPECT_NE(game->playGrid->cellData(pair.a), 0);  // still there, route drawing
            const int found = game->routeFlash;
            while (game->routeFlash != 0) {
                StepFrames(1);
            }
            EXPECT_GE(MilliSecs() - found, game->config.minMatchTime);
            EXPECT_EQ(game->playGrid->cellData(pair.a), 0);
            EXPECT_EQ(undoAction::Size(), 1);
            const int score = game->iCurrentScore;
            const int increment = game->iScoreIncrement;
            ASSERT_GE(increment, 5);
            StepFrames(3);
            EXPECT_EQ(game->iCurrentScore, score + 3);
            EXPECT_EQ(game->iScoreIncrement, increment - 3);
            continue;
        }
        ASSERT_TRUE(RemovePair(*game, pair)) << "pair " << i;
        ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING) << "pair " << i;
    }
    StepFrames(1);
    ASSERT_EQ(game->GameState(), GS_LEVEL_FINISHED);
    EXPECT_EQ(game->statusText, game->config.finished);
    StepFrames(40);
    SaveFrame("game_finished_fade");

    // The progress form: the time bonus counts down 10 points per second left.
    ASSERT_TRUE(StepUntilState(*game, GS_SHOWING_PROGRESS_AFTER));
    const int secondsLeft = game->timeRemainingMS / 1000;
    ASSERT_GT(secondsLeft, 0);
    for (int i = 0; i < 4000 && game->timeRemainingMS >= 1000; ++i) {
        StepFrames(1);
    }
    EXPECT_EQ(game->iTimeBonus, secondsLeft * 10);
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("progress", "time_bonus"),
              std::to_string(secondsLeft * 10));
    SaveFrame("game_progress");
    EXPECT_TRUE(_AppModule::appGUI->IsWindowShowing("progress"));
    // The pieces found so far fill their places in the form's 4 x 4 frame.
    const ProgressScreenPtr progress = progressScreen::getProgress(7);
    int found = -1;
    int missing = -1;
    for (int piece = 0; piece < 16; ++piece) {
        (progress->iPieces[piece] != 0 ? found : missing) = piece;
    }
    ASSERT_GE(found, 0);
    ASSERT_GE(missing, 0);
    const auto pieceBrightness = [](int piece) {
        return Brightness(336 + 32 * (piece % 4) + 4, 120 + 48 * (piece / 4) + 4, 24, 40);
    };
    EXPECT_GT(pieceBrightness(found), pieceBrightness(missing) + 10.0);

    // The exit question stands over the pieces: with every piece found it looks the same.
    InjectCloseRequest();
    StepFrames(40);
    ASSERT_TRUE(_AppModule::appGUI->IsWindowShowing("exittosystem"));
    const PixmapPtr asked = ReadBackBuffer();
    const std::vector<int> pieces(progress->iPieces, progress->iPieces + 16);
    std::fill(progress->iPieces, progress->iPieces + 16, 1);
    StepFrames(1);
    EXPECT_EQ(DifferingPixels(*asked, *ReadBackBuffer(), 336, 200, 128, 80), 0);
    std::copy(pieces.begin(), pieces.end(), progress->iPieces);
    ClickControl("exittosystem", "exittosys_no");

    const int expected =
        static_cast<int>(solved.removals.size()) * 10 + scoreItems * 100 + secondsLeft * 10;
    EnterLevel();
    ASSERT_EQ(game->GameState(), GS_SHOWING_PROGRESS_BEFORE);
    EXPECT_EQ(game->iCurrentLevel, 8);
    EXPECT_EQ(game->iCurrentScore, expected);
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("mapscreen", "next_level"),
              "Level 8. The Whispering Forest");

    // app.dat holds the new level, the counters and the scores.
    EXPECT_EQ(StoredPlayer(settings_keys::PLAYER_LEVEL), "8");
    EXPECT_EQ(StoredPlayer(settings_keys::PLAYER_HINTS), std::to_string(game->iCurrentHints));
    EXPECT_EQ(StoredPlayer(settings_keys::PLAYER_UNDOS), std::to_string(game->iCurrentUndos));
    EXPECT_EQ(StoredPlayer(settings_keys::PLAYER_RETRIES), std::to_string(game->iCurrentRetries));
    EXPECT_EQ(Stored("lastscore"), std::to_string(expected));
    EXPECT_EQ(Stored("highscore"), std::to_string(expected));
    EXPECT_TRUE(HighScoreHolds(expected));
}

// First click, deselect, no match, no route, the silent third click, and
// clicks dropped while a match is pending.
TEST_F(GameScreenTest, SelectionCases) {
    InjectFocusLoss();  // while the menu ran: not the game's business
    const auto game = StartStory(12);
    EnterLevel();
    StepFrames(2);
    gameGrid& grid = *game->playGrid;
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);

    // Cells of interest from the board itself.
    std::vector<Point> tiles;
    for (int x = 0; x < grid.iWidth; ++x) {
        for (int y = 0; y < grid.iHeight; ++y) {
            if (game->IsTileCell(Point(x, y))) {
                tiles.push_back(Point(x, y));
            }
        }
    }
    ASSERT_GT(tiles.size(), 4u);
    const Point* noMatchB = nullptr;
    const Point* blockedA = nullptr;
    const Point* blockedB = nullptr;
    for (const Point& p : tiles) {
        if (!noMatchB && grid.CellDataMatch(&tiles[0], &p) == 0) {
            noMatchB = &p;
        }
        for (const Point& q : tiles) {
            if (!blockedA && !p.Equals(q) && grid.CellDataMatch(&p, &q) != 0 &&
                !grid.CanJoin(p, q)) {
                blockedA = &p;
                blockedB = &q;
            }
        }
    }
    ASSERT_TRUE(noMatchB);
    ASSERT_TRUE(blockedA) << "level 12 has a matching pair without a route at the start";

    ClickCell(*game, tiles[0]);
    ASSERT_TRUE(game->startPoint);
    EXPECT_TRUE(game->startPoint->Equals(tiles[0]));
    EXPECT_EQ(game->statusText, game->config.selectNext);
    ClickCell(*game, tiles[0]);
    EXPECT_FALSE(game->startPoint);
    EXPECT_EQ(game->statusText, game->config.selectFirst);

    ClickCell(*game, tiles[0]);
    ClickCell(*game, *noMatchB);
    EXPECT_FALSE(game->startPoint);
    EXPECT_FALSE(game->endPoint);
    EXPECT_EQ(game->statusText, game->config.noMatch);

    ClickCell(*game, *blockedA);
    ClickCell(*game, *blockedB);
    EXPECT_FALSE(game->startPoint);
    EXPECT_EQ(game->routeFlash, 0);
    EXPECT_EQ(game->statusText, game->config.noRoute);

    // Both cells held without a pending match: a click starts afresh.
    game->startPoint = Point::Create(tiles[0].x, tiles[0].y);
    game->endPoint = Point::Create(noMatchB->x, noMatchB->y);
    ClickCell(*game, tiles[1]);
    ASSERT_TRUE(game->startPoint);
    EXPECT_TRUE(game->startPoint->Equals(tiles[1]));
    EXPECT_FALSE(game->endPoint);
    EXPECT_TRUE(game->route->IsEmpty());
    ClickCell(*game, tiles[1]);  // deselect

    // A found pair takes no clicks until it is gone.
    const std::vector<CellPair> pairs = JoinablePairs(grid);
    ASSERT_FALSE(pairs.empty());
    ClickCell(*game, pairs[0].a);
    ClickCell(*game, pairs[0].b);
    ASSERT_NE(game->routeFlash, 0);
    const Point other =
        tiles[0].Equals(pairs[0].a) || tiles[0].Equals(pairs[0].b) ? tiles[2] : tiles[0];
    ClickCell(*game, other);
    EXPECT_TRUE(game->startPoint->Equals(pairs[0].a));
    for (int i = 0; i < 100 && game->routeFlash != 0; ++i) {
        StepFrames(1);
    }
    StepFrames(2);
    EXPECT_EQ(grid.cellData(pairs[0].a), 0);
    EXPECT_FALSE(game->startPoint);  // the dropped click selected nothing
}

// Undo, retry and hint with their counters at 0 and above; give up both ways.
TEST_F(GameScreenTest, StatusBarButtons) {
    const auto game = StartStory(9);
    EnterLevel();
    StepFrames(2);
    gameGrid& grid = *game->playGrid;
    const int tiles = grid.tileCount(0);

    // At 0 nothing happens, and the idle timer is not reset by the hint button.
    std::vector<CellPair> pairs = JoinablePairs(grid);
    ASSERT_TRUE(RemovePair(*game, pairs[0]));
    game->timeSinceLastGo = 5000;
    ClickControl("statusbar", "sb_hint");
    ClickControl("statusbar", "sb_undo");
    ClickControl("statusbar", "sb_retry");
    EXPECT_EQ(game->ShowHint, 0);
    EXPECT_GT(game->timeSinceLastGo, 5000);
    EXPECT_EQ(grid.tileCount(0), tiles - 2);
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);

    // Hints: the first shows a pair, the second moves on to another.
    game->iCurrentHints = 2;
    ClickControl("statusbar", "sb_hint");
    EXPECT_EQ(game->ShowHint, 1);
    EXPECT_EQ(game->iCurrentHints, 1);
    EXPECT_LT(game->timeSinceLastGo, 200);
    const PointPtr firstHint = game->hintRoute->First()->Copy();
    const PointPtr lastHint = game->hintRoute->Last()->Copy();
    ClickControl("statusbar", "sb_hint");
    EXPECT_EQ(game->iCurrentHints, 0);
    EXPECT_EQ(game->ShowHint, 1);
    ASSERT_GT(JoinablePairs(grid).size(), 1u);
    EXPECT_FALSE(game->hintRoute->First()->Equals(*firstHint) != 0 &&
                 game->hintRoute->Last()->Equals(*lastHint) != 0);

    // Undo gives the tiles back but not the bonus under them.
    pairs = JoinablePairs(grid);
    const CellPair bonusPair = pairs[0];
    game->ld->bonus[bonusPair.a.x][bonusPair.a.y] = 2;  // an undo item
    const int valueA = grid.cellData(bonusPair.a);
    ASSERT_TRUE(RemovePair(*game, bonusPair));
    for (int i = 0; i < 600 && !game->flyingBonuses.empty(); ++i) {
        StepFrames(1);  // the item lands
    }
    EXPECT_EQ(game->iCurrentUndos, 1);
    ClickControl("statusbar", "sb_undo");
    EXPECT_EQ(game->iCurrentUndos, 0);
    EXPECT_EQ(grid.cellData(bonusPair.a), valueA);
    EXPECT_EQ(game->ld->bonus[bonusPair.a.x][bonusPair.a.y], 0);
    EXPECT_EQ(grid.tileCount(0), tiles - 2);

    // Retry with moves and time left asks first; no goes on, yes restarts.
    game->iCurrentRetries = 2;
    ClickControl("statusbar", "sb_retry");
    ASSERT_EQ(game->GameState(), GS_ASK_RETRY);
    ClickControl("retry", "retry_no");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentRetries, 2);
    ClickControl("statusbar", "sb_retry");
    ClickControl("retry", "retry_yes");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentRetries, 1);
    EXPECT_EQ(grid.tileCount(0), tiles);

    // With no move left it restarts at once and costs one retry.
    game->hintRoute->Clear();
    StepFrames(2);
    EXPECT_EQ(game->statusText, game->config.useUndoOrRetry);
    ClickControl("statusbar", "sb_retry");
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentRetries, 0);
    EXPECT_FALSE(game->hintRoute->IsEmpty());

    // Options: the clock stands still until accept.
    ClickControl("statusbar", "sb_options");
    ASSERT_EQ(game->GameState(), GS_SHOWING_OPTIONS);
    EXPECT_FALSE(_AppModule::appGUI->IsWindowShowing("statusbar"));
    const int time = game->timeRemainingMS;
    StepFrames(120);
    EXPECT_EQ(game->timeRemainingMS, time);
    ClickControl("options", "options_accept");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_TRUE(_AppModule::appGUI->IsWindowShowing("statusbar"));

    // Leaving the window opens the options too.
    InjectFocusLoss();
    StepFrames(1);
    ASSERT_EQ(game->GameState(), GS_SHOWING_OPTIONS);
    EXPECT_TRUE(_AppModule::appGUI->IsWindowShowing("options"));
    ClickControl("options", "options_accept");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);

    // Give up: no goes back, yes saves and fades the game out.
    ClickControl("statusbar", "sb_giveup");
    ASSERT_EQ(game->GameState(), GS_ASK_GIVEUP);
    ClickControl("giveup", "giveup_no");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    KeyHit(KEY_ESCAPE);
    InjectKey(KEY_ESCAPE, true);
    StepFrames(1);
    InjectKey(KEY_ESCAPE, false);
    ASSERT_EQ(game->GameState(), GS_ASK_GIVEUP);
    game->iCurrentScore = 4321;
    ClickControl("giveup", "giveup_yes");
    EXPECT_EQ(Stored("lastscore"), "4321");
    StepFrames(70);
    EXPECT_EQ(_AppModule::currentModule, -1);  // no menu in this test: the loop ends
    EXPECT_FALSE(_AppModule::appModules[APP_GAME]);
}

// A board with no move and nothing left to help: game over, and the status
// line under the dialog says why.
// Volumes between two knob pixels stay exactly what they were however often
// the game's options are opened and accepted.
TEST_F(GameScreenTest, OptionsLeaveTheVolumesWhereTheyWere) {
    const std::shared_ptr<myGame> game = StartStory(1);
    EnterLevel();
    _AppModule::SetMusicVolume(0.53f);
    _AppModule::SetSoundVolume(0.61f);
    for (int round = 0; round < 20; ++round) {
        ClickControl("statusbar", "sb_options");
        ASSERT_EQ(game->GameState(), GS_SHOWING_OPTIONS);
        ClickControl("options", "options_accept");
        ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    }
    EXPECT_FLOAT_EQ(_AppModule::GetMusicVolume(), 0.53f);
    EXPECT_FLOAT_EQ(_AppModule::GetSoundVolume(), 0.61f);
    EXPECT_FLOAT_EQ(ToFloat(AppSettings().Get(settings_keys::MUSIC_VOLUME)), 0.53f);
}

TEST_F(GameScreenTest, StuckWithNothingLeftSaysSo) {
    const auto game = StartStory(9);
    EnterLevel();
    StepFrames(2);
    game->hintRoute->Clear();
    StepFrames(1);
    ASSERT_EQ(game->GameState(), GS_GAME_OVER);
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("statusbar", "sb_status"),
              LocaleText(game->config.noMoreMoves));
}

// At 60 frames a second an item steers once a frame, whatever length the
// pacer gives it, so it keeps the path of one update per frame.
TEST_F(GameScreenTest, BonusFlightSteersOncePerFrame) {
    const auto game = StartStory(9);
    EnterLevel();
    StepFrames(2);
    game->makeFlyingBonus(2, 400.0f, 300.0f, "sb_undos");
    const flyingBonus& flying = *game->flyingBonuses.front();
    const FlyingBonusPtr alone =
        flyingBonus::CreateFB(flying.control, flying.image, 400.0f, 300.0f, 60.0f,
                              flying.vTarget._x, flying.vTarget._y, 15.0f);
    for (int frame = 0; frame < 30 && !game->flyingBonuses.empty(); ++frame) {
        const int ms = frame % 3 == 0 ? 16 : 17;
        StepFrames(1, ms);
        alone->Update(ms);
        ASSERT_FALSE(game->flyingBonuses.empty());
        EXPECT_FLOAT_EQ(flying.vPos._x, alone->vPos._x) << frame;
        EXPECT_FLOAT_EQ(flying.vPos._y, alone->vPos._y) << frame;
    }
}

// The clock: heartbeat and pulse in the last minute, time up to the retry
// dialog and to game over.
TEST_F(GameScreenTest, TimeRunsOut) {
    const auto game = StartStory(9, 0, 0, 1);
    EnterLevel();
    StepFrames(70);
    SaveFrame("game_running");
    const double running = Brightness(0, 0, 800, 570);
    scaleFader::Clear();

    game->timeRemainingMS = 75000;
    StepFrames(60);  // a second, but not of the last minute
    EXPECT_EQ(scaleFader::LiveCount(), 0);
    game->timeRemainingMS = 30020;
    StepFrames(3);  // into second 29: one pulse
    EXPECT_EQ(scaleFader::LiveCount(), 1);

    game->timeRemainingMS = 1010;
    StepFrames(2);
    EXPECT_EQ(game->GameState(), GS_ASK_RETRY);
    EXPECT_EQ(game->timeRemainingMS, 0);
    EXPECT_EQ(game->statusText, game->config.timeUp);
    ClickControl("retry", "retry_yes");
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentRetries, 0);
    EXPECT_GE(game->timeRemainingMS, (game->ld->timelimit - 1) * 1000);

    // Points still counting up when the time runs out are kept with the score.
    game->iCurrentScore = 777;
    game->iScoreIncrement = 100;
    game->timeRemainingMS = 500;
    StepFrames(1);
    ASSERT_EQ(game->GameState(), GS_GAME_OVER);
    EXPECT_EQ(Stored("lastscore"), "877");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("statusbar", "sb_score"), "0000877");
    StepFrames(30);
    SaveFrame("game_over");
    const double gameOver = Brightness(0, 0, 800, 570);
    EXPECT_LT(gameOver, running * 0.75);
    ClickControl("gameover", "gameover_ok");
    StepFrames(30);
    SaveFrame("game_end_fade");
    EXPECT_GT(game->fFadeOutToEnd, 0.3f);
    EXPECT_LT(Brightness(0, 0, 800, 570), gameOver * 0.8);
    StepFrames(40);
    EXPECT_EQ(_AppModule::currentModule, -1);
}

// Each item flies to its control and counts when it lands, also after the
// board was cleared; flowers add time; pieces are recorded, the 17th ignored.
TEST_F(GameScreenTest, BonusesLandOnTheirControls) {
    const auto game = StartStory(9);
    EnterLevel();
    StepFrames(2);
    gameGrid& grid = *game->playGrid;
    game->ld->flowersbonus = 3;
    game->ld->timebonus = 7;

    struct Case {
        int code;
        int undos, retries, hints, points, seconds;
    };
    const auto check = [&](const Case c) {
        // A pair that is not of a flower family.
        CellPair pair{};
        for (const CellPair& p : JoinablePairs(grid)) {
            if (!IsGroupValue(game->ld->grid[p.a.x][p.a.y])) {
                pair = p;
                break;
            }
        }
        game->ld->bonus[pair.b.x][pair.b.y] = c.code;
        const int undos = game->iCurrentUndos;
        const int retries = game->iCurrentRetries;
        const int hints = game->iCurrentHints;
        const int points = game->iCurrentScore + game->iScoreIncrement;
        EXPECT_TRUE(RemovePair(*game, pair));
        const int seconds = game->timeRemainingMS / 1000;
        EXPECT_EQ(game->flyingBonuses.size(), 1u) << c.code;
        if (game->flyingBonuses.size() != 1) {
            return;
        }
        EXPECT_EQ(game->flyingBonuses.front()->control, BonusControl(c.code));
        if (c.code == 1) {
            StepFrames(8);
            SaveFrame("game_flying_bonus");
            // The board is cleared before the score item lands: its points still count.
            game->SetGameState(GS_LEVEL_FINISHED);
        }
        // The hint flies at 20 frames a second: it must land all the same.
        for (int i = 0; i < 400 && !game->flyingBonuses.empty(); ++i) {
            StepFrames(1, c.code == 4 ? 50 : 16);
        }
        EXPECT_TRUE(game->flyingBonuses.empty()) << c.code;
        EXPECT_EQ(game->iCurrentUndos - undos, c.undos) << c.code;
        EXPECT_EQ(game->iCurrentRetries - retries, c.retries) << c.code;
        EXPECT_EQ(game->iCurrentHints - hints, c.hints) << c.code;
        EXPECT_EQ(game->iCurrentScore + game->iScoreIncrement - points, 10 + c.points) << c.code;
        if (c.code == 5) {
            EXPECT_GE(game->timeRemainingMS / 1000 - seconds, 6) << c.code;
        }
    };
    for (const Case c : {Case{2, 1, 0, 0, 0, 0}, Case{3, 0, 1, 0, 0, 0}, Case{4, 0, 0, 1, 0, 0},
                         Case{5, 0, 0, 0, 0, 7}}) {
        check(c);
    }

    // A flower pair adds the level's flower time.
    for (const CellPair& p : JoinablePairs(grid)) {
        if (IsGroupValue(game->ld->grid[p.a.x][p.a.y])) {
            const int time = game->timeRemainingMS;
            ASSERT_TRUE(RemovePair(*game, p));
            EXPECT_GT(game->timeRemainingMS, time + 2000);
            break;
        }
    }

    // Picture pieces: recorded in order; past 16 they are ignored.
    CellPair pair = JoinablePairs(grid)[0];
    game->ld->bonus[pair.a.x][pair.a.y] = 6 + 5;
    game->ld->bonus[pair.b.x][pair.b.y] = 6 + 9;
    const int before = game->iTotalCollectedPictures;
    ASSERT_TRUE(RemovePair(*game, pair));
    EXPECT_EQ(game->iTotalCollectedPictures, before + 2);
    EXPECT_EQ(game->collectedPictures[before], 5);
    EXPECT_EQ(game->collectedPictures[before + 1], 9);
    game->iTotalCollectedPictures = COLLECTED_PICTURES - 1;
    pair = JoinablePairs(grid)[0];
    game->ld->bonus[pair.a.x][pair.a.y] = 6 + 1;
    game->ld->bonus[pair.b.x][pair.b.y] = 6 + 2;
    ASSERT_TRUE(RemovePair(*game, pair));
    EXPECT_EQ(game->iTotalCollectedPictures, COLLECTED_PICTURES);
    EXPECT_EQ(game->collectedPictures[COLLECTED_PICTURES - 1], 1);

    // A score item still counts when the board is cleared before it lands.
    check(Case{1, 0, 0, 0, 100, 0});
}

// Relaxed mode: running at once, no clock, and score, time and pieces ignored.
TEST_F(GameScreenTest, RelaxedModeIgnoresScoreTimeAndPieces) {
    const auto game = StartRelaxed(14);
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentLevel, 14);
    EXPECT_EQ(game->tileSet, "data/game/images/tileset6.png");
    StepFrames(60);
    const int time = game->timeRemainingMS;
    EXPECT_EQ(time, game->ld->timelimit * 1000);
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("statusbar", "sb_score"), "");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("statusbar", "sb_time"), "");

    const std::vector<CellPair> pairs = JoinablePairs(*game->playGrid);
    game->ld->bonus[pairs[0].a.x][pairs[0].a.y] = 1;
    game->ld->bonus[pairs[0].b.x][pairs[0].b.y] = 6;
    ASSERT_TRUE(RemovePair(*game, pairs[0]));
    EXPECT_TRUE(game->flyingBonuses.empty());
    EXPECT_EQ(game->iTotalCollectedPictures, 0);
    const CellPair next = JoinablePairs(*game->playGrid)[0];
    game->ld->bonus[next.a.x][next.a.y] = 5;
    game->ld->bonus[next.b.x][next.b.y] = 4;
    ASSERT_TRUE(RemovePair(*game, next));
    ASSERT_EQ(game->flyingBonuses.size(), 1u);  // the hint flies, the time item does not
    StepFrames(300);
    EXPECT_EQ(game->iCurrentHints, 1);
    EXPECT_EQ(game->timeRemainingMS, time);
    EXPECT_EQ(game->iCurrentScore, 0);
    EXPECT_EQ(game->iScoreIncrement, 20);  // counted only in story mode
}

// Winning the last level: four end-story pictures, then the player starts
// again at level 1 with the game complete.
TEST_F(GameScreenTest, LastLevelShowsTheEndStory) {
    const auto game = StartStory(50);
    EnterLevel();
    StepFrames(2);
    game->SetGameState(GS_LEVEL_FINISHED);
    ASSERT_TRUE(StepUntilState(*game, GS_SHOWING_PROGRESS_AFTER));
    StepFrames(30);
    EnterLevel();
    ASSERT_EQ(game->GameState(), GS_END_STORY);
    EXPECT_EQ(StoredPlayer(settings_keys::PLAYER_LEVEL), "1");
    EXPECT_EQ(StoredPlayer(settings_keys::PLAYER_COMPLETE), "1");
    EXPECT_TRUE(_AppModule::appGUI->IsWindowShowing("story"));
    EXPECT_FALSE(_AppModule::appGUI->IsWindowShowing("statusbar"));
    for (int picture = 1; picture <= 4; ++picture) {
        ASSERT_TRUE(game->storyImage) << picture;
        StepFrames(70);
        if (picture == 1) {
            SaveFrame("game_end_story");
            EXPECT_GT(Brightness(0, 0, 800, 500), 15.0);
        }
        ClickControl("story", "story_next");
    }
    EXPECT_FALSE(game->storyImage);
    EXPECT_FALSE(_AppModule::appGUI->IsWindowShowing("story"));
    StepFrames(70);
    EXPECT_EQ(_AppModule::currentModule, -1);
}

// A damaged profile level starts level 1; the window's close button asks
// first in a story game and ends a command-line game at once.
TEST_F(GameScreenTest, DamagedLevelAndWindowClose) {
    {
        DebugLogCapture log;
        const auto game = StartStory(99, -3, -1, -2);
        EXPECT_EQ(game->iCurrentLevel, 1);
        EXPECT_TRUE(log.Contains("level 99"));
        // Negative counters from a damaged file count as none.
        EXPECT_EQ(game->iCurrentHints, 0);
        EXPECT_EQ(game->iCurrentUndos, 0);
        EXPECT_EQ(game->iCurrentRetries, 0);
        EXPECT_TRUE(log.Contains("hints is -3"));
    }
    // A menu module stands in the menu's slot: "no" keeps it, "yes" removes it.
    auto menu = std::make_shared<_AppModule>();
    menu->Initialise("", APP_MAINMENU);
    const auto game = Game();
    EnterLevel();
    InjectCloseRequest();
    StepFrames(2);
    EXPECT_TRUE(_AppModule::appGUI->IsWindowShowing("exittosystem"));
    // Leaving the window while asked is no reason to open the options afterwards.
    InjectFocusLoss();
    StepFrames(1);
    ClickControl("exittosystem", "exittosys_no");
    StepFrames(2);
    EXPECT_FALSE(_AppModule::appGUI->IsWindowShowing("exittosystem"));
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_TRUE(_AppModule::appModules[APP_MAINMENU]);
    InjectCloseRequest();
    StepFrames(2);
    ClickControl("exittosystem", "exittosys_yes");
    EXPECT_FALSE(_AppModule::appModules[APP_MAINMENU]);
    StepFrames(70);
    EXPECT_EQ(_AppModule::currentModule, -1);
}

TEST_F(GameScreenTest, CommandLineLevelEndsOnWindowClose) {
    const auto game = StartCommandLine(7);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->iCurrentLevel, 7);
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->developerKeys, 1);
    game->timeRemainingMS = 0;  // no time-up check with a start level
    StepFrames(3);
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    InjectCloseRequest();
    StepFrames(1);
    EXPECT_EQ(_AppModule::currentModule, -1);
}

// A command-line game is a test start: winning levels, the last one and its
// end story included, leaves every stored key of the players and the scores
// as it was, whatever the developer keys added.
TEST_F(GameScreenTest, CommandLineGameWritesNoProgress) {
    AppConstantsManager& store = AppSettings();
    const int player = _AppModule::AddNewUser("Ada");
    store.SetPlayer(player, settings_keys::PLAYER_LEVEL, "30", 1);
    store.SetPlayer(player, settings_keys::PLAYER_HINTS, "4", 1);
    store.SetPlayer(player, settings_keys::PLAYER_UNDOS, "2", 1);
    store.SetPlayer(player, settings_keys::PLAYER_RETRIES, "1", 1);
    store.Set(settings_keys::HIGH_SCORE, "900", 1);
    store.Set(settings_keys::LAST_SCORE, "800", 1);
    _AppModule::AddDummyHighScores(0, "Luna", 500, 5, HIGHSCORE_POSITIONS);
    _AppModule::WriteHighScores();
    // What app.dat holds of the players and the scores.
    const auto progressKeys = [] {
        ResetAppSettings();
        std::map<std::string, std::string> kept;
        for (const auto& [key, value] : AppSettings().Constants()) {
            if (key.rfind("player", 0) == 0 || key.rfind("score", 0) == 0 ||
                key == settings_keys::HIGH_SCORE.name || key == settings_keys::LAST_SCORE.name) {
                kept[key] = value;
            }
        }
        return kept;
    };
    const std::map<std::string, std::string> before = progressKeys();
    ASSERT_EQ(before.at("player1level"), "30");
    ASSERT_EQ(before.at("score0-0"), "500,Luna");

    SetStartLevel(49);
    StartGame(0, 1, 1, 1, 1);
    _AppModule::BeginApp();
    const auto game = Game();
    ASSERT_TRUE(game);
    for (const int level : {49, 50}) {
        ASSERT_EQ(game->iCurrentLevel, level);
        game->iCurrentScore += 5000;
        game->iScoreIncrement = 250;
        ++game->iCurrentHints;
        game->SetGameState(GS_LEVEL_FINISHED);
        ASSERT_TRUE(StepUntilState(*game, GS_SHOWING_PROGRESS_AFTER));
        StepFrames(30);
        EnterLevel();
        if (level == 49) {
            EnterLevel();  // past the map
        }
    }
    ASSERT_EQ(game->GameState(), GS_END_STORY);
    while (game->storyImage) {
        ClickControl("story", "story_next");
    }
    StepFrames(70);
    EXPECT_EQ(_AppModule::currentModule, -1);
    EXPECT_EQ(progressKeys(), before);
}
