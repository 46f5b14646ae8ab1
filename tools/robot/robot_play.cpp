// What the robot plays: the intro, a new player, the story pictures, the story
// levels with a hint, an undo, a retry, the options and a give-up on the way,
// the end story, one relaxed game and the way out; then what a player would
// check.
#include <cstdio>

#include "app/app_module.h"
#include "app/line_helpers.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "board/level_shuffler.h"
#include "board/story_length.h"
#include "board/solver.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/music.h"
#include "screens/game_flow.h"
#include "screens/game_screen.h"
#include "screens/main_menu.h"
#include "tools/robot/robot.h"

namespace {

// Frames a level may take before the robot calls it unfinishable.
constexpr int LEVEL_FRAME_LIMIT = 30000;
constexpr int SCREEN_CHANGE_FRAMES = 900;  // 15 s of game time
// When neither the hint's pair nor the whole board is proven clearable, this
// many other pairs are looked at before the robot takes the hint's pair anyway.
constexpr int OTHER_PAIRS_TRIED = 12;
// Search positions for a way to clear the board from where it stands.
constexpr int SOLVER_NODE_LIMIT = 40000;
const char* const ROBOT_NAME = "Robot";

// The levels at which the robot first tries each extra; it uses each once,
// as soon as the counters allow from that level on.
struct Plan {
    int optionsLevel;
    int hintLevel;
    int undoLevel;
    int retryLevel;
    int giveUpLevel;  // gives up when this level starts, then continues from the menu
};
constexpr Plan FULL_PLAN{4, 6, 8, 10, 25};

// The short run tries the extras on the story's last level.
Plan ShortPlan() {
    const int last = ShippedStoryLength();
    return {2, last, last, last, 3};
}

int TilesLeft(const myGame& game) {
    return game.playGrid ? game.playGrid->tileCount(0) : 0;
}

// A way to clear the board as it stands: the solver's, or on a whole board
// the level file's own, mirrored as the game's shuffler flipped it (the
// shuffle's exchanges of tile values do not change which pairs join).
std::vector<CellPair> WayToClear(const myGame& game) {
    const gameGrid& grid = *game.playGrid;
    SolveResult now = SolveBoard(grid, SOLVER_NODE_LIMIT);
    if (now.outcome == SolveOutcome::Cleared) {
        return now.removals;
    }
    const auto level =
        levelData::Create("data/game/levels/" + std::to_string(game.iCurrentLevel) + ".dat");
    if (!level || BoardFromLevel(*level)->tileCount(0) != grid.tileCount(0)) {
        return {};
    }
    SolveResult fromFile = SolveLevel(*level, SOLVER_NODE_LIMIT);
    if (fromFile.outcome != SolveOutcome::Cleared) {
        return {};
    }
    const bool horizontal = game.shuffler && game.shuffler->bHorizontalFlip != 0;
    const bool vertical = game.shuffler && game.shuffler->bVerticalFlip != 0;
    auto mirror = [&](const Point& p) {
        return Point(horizontal ? LEVEL_COLUMNS - 1 - p.x : p.x,
                     vertical ? LEVEL_ROWS - 1 - p.y : p.y);
    };
    std::vector<CellPair> way;
    for (const CellPair& pair : fromFile.removals) {
        way.push_back({mirror(pair.a), mirror(pair.b)});
    }
    return way;
}

// Another pair the board can join now whose removal the solver does not prove
// stuck, instead of the hint's pair.
void TryAnotherPair(const gameGrid& grid, Point& a, Point& b) {
    int tried = 0;
    for (const CellPair& pair : JoinablePairs(grid)) {
        if (++tried > OTHER_PAIRS_TRIED) {
            return;
        }
        gameGrid other = grid;
        other.removePair(pair.a, pair.b);
        if (SolveBoard(other).outcome != SolveOutcome::Stuck) {
            a = pair.a;
            b = pair.b;
            return;
        }
    }
}

}  // namespace

bool Robot::Play() {
    if (runOptions.windowSeconds > 0) {
        PlayInWindow();
        return true;
    }
    const Plan plan = runOptions.full ? FULL_PLAN : ShortPlan();
    PassIntro();
    CreatePlayer(ROBOT_NAME);
    WatchStory();
    if (runOptions.full) {
        PlayStoryGame(plan.giveUpLevel, true);
        ClickControl("menu", "start");  // goes on at the level given up
        PlayStoryGame(0, false);
    } else {
        PlayStoryGame(plan.giveUpLevel, true);
        // The last level from a profile that has reached it.
        const std::string last = std::to_string(ShippedStoryLength());
        AppSettings().SetPlayer(playerNumber, settings_keys::PLAYER_LEVEL, last, 1);
        for (const auto* key : {&settings_keys::PLAYER_HINTS, &settings_keys::PLAYER_UNDOS,
                                &settings_keys::PLAYER_RETRIES}) {
            AppSettings().SetPlayer(playerNumber, *key, "3", 1);
        }
        AppSettings().WriteConstants();
        Log("profile set to level " + last + " with 3 hints, undos and retries");
        ClickControl("menu", "start");
        PlayStoryGame(0, false);
    }
    PlayRelaxedGame();
    Quit();
    Check();
    return true;
}

void Robot::PlayInWindow() {
    PassIntro();
    CreatePlayer(ROBOT_NAME);
    WatchStory();
    PlayStoryGame(1, true);  // back at the menu at once
    AppSettings().SetPlayer(playerNumber, settings_keys::PLAYER_LEVEL, std::to_string(densestLevel),
                            1);
    AppSettings().WriteConstants();
    ClickControl("menu", "start");
    WaitUntil([] { return _AppModule::currentModule == APP_GAME; }, SCREEN_CHANGE_FRAMES,
              "the game");
    myGame* game = Game();
    WaitUntil([game] { return game->GameState() == GS_SHOWING_PROGRESS_BEFORE; },
              SCREEN_CHANGE_FRAMES, "the map");
    Settle();
    ClickAt(400, 300);
    WaitUntil([game] { return game->GameState() == GS_LEVEL_RUNNING; }, 60,
              "the level after a click on the map");
    Settle();
    Log("window: level " + std::to_string(game->iCurrentLevel) + " with " +
        std::to_string(TilesLeft(*game)) + " tiles");
    MeasureWindow();
}

void Robot::PassIntro() {
    WaitUntil([] { return _AppModule::currentModule == APP_INTRO; }, 5, "the intro");
    const int started = MilliSecs();
    bool measured = false;
    while (_AppModule::currentModule == APP_INTRO) {
        if (!measured && MilliSecs() - started > 1600) {
            Shot("intro");
            Measure("intro");
            measured = true;
        }
        Step();
        if (MilliSecs() - started > 10000) {
            Fail("the intro runs longer than 10 s");
        }
    }
    WaitUntil([] { return _AppModule::currentModule == APP_MAINMENU; }, 5, "the main menu");
    Settle();
    Shot(lastState);
    Measure("menu");
    for (int n = 1; n <= 5; ++n) {
        const SoundPtr song = FindSong("music" + std::to_string(n));
        keptSongBytes += song ? song->MemoryBytes() : 0;
        keptSongDecodedBytes += song ? static_cast<size_t>(song->Frames()) * 4 : 0;
    }
    if (CountSongs() != 5) {
        Fail("the intro entered " + std::to_string(CountSongs()) + " songs, not 5");
    }
}

void Robot::CreatePlayer(const std::string& name) {
    ClickControl("menu", "start");
    WaitUntil([] { return _AppModule::appGUI->IsWindowShowing("newuser") != 0; },
              SCREEN_CHANGE_FRAMES, "the new-player form");
    Settle();
    TypeText(name);
    ClickControl("newuser", "newuser_ok");
    playerName = name;
    playerNumber = _AppModule::UserID();
    if (_AppModule::currentPlayerName != name) {
        Fail("the new player is \"" + _AppModule::currentPlayerName + "\", not \"" + name + "\"");
    }
    Log("player " + std::to_string(playerNumber) + " \"" + name + "\" created");
}

void Robot::WatchStory() {
    WaitUntil([] { return _AppModule::appGUI->IsWindowShowing("story") != 0; },
              SCREEN_CHANGE_FRAMES, "the story pictures");
    int pictures = 0;
    while (_AppModule::currentModule == APP_MAINMENU && Menu()->fadeToBlack == 0) {
        ++pictures;
        if (pictures > 5) {
            Fail("more than five story pictures");
        }
        Settle();
        ClickControl("story", "story_next");
        Step();
    }
    if (pictures != 5) {
        Fail("saw " + std::to_string(pictures) + " story pictures, not 5");
    }
    WaitUntil([] { return _AppModule::currentModule == APP_GAME; }, SCREEN_CHANGE_FRAMES,
              "the game after the story");
}

void Robot::PlayStoryGame(int giveUpLevel, bool giveUp) {
    WaitUntil([] { return _AppModule::currentModule == APP_GAME; }, SCREEN_CHANGE_FRAMES,
              "the game");
    while (_AppModule::currentModule == APP_GAME) {
        myGame* game = Game();
        switch (game->GameState()) {
            case GS_SHOWING_PROGRESS_BEFORE: {
                Settle();
                Shot(lastState);
                if (!measuredMap) {
                    Measure("map");
                    measuredMap = true;
                }
                const int level = game->iCurrentLevel;
                Log("map of level " + std::to_string(level));
                ClickAt(400, 300);
                WaitUntil([game] { return game->GameState() != GS_SHOWING_PROGRESS_BEFORE; }, 60,
                          "the level after a click on the map");
                break;
            }
            case GS_LEVEL_RUNNING:
                if (giveUp && game->iCurrentLevel == giveUpLevel) {
                    ClickControl("statusbar", "sb_giveup");
                    WaitUntil([] { return _AppModule::appGUI->IsWindowShowing("giveup") != 0; }, 60,
                              "the give-up question");
                    ClickControl("giveup", "giveup_yes");
                    WaitUntil([] { return _AppModule::currentModule == APP_MAINMENU; },
                              SCREEN_CHANGE_FRAMES, "the menu after giving up");
                    Log("gave up at level " + std::to_string(giveUpLevel));
                    Settle();
                    return;
                }
                PlayLevel();
                break;
            case GS_LEVEL_FINISHED:
                Step();
                break;
            case GS_SHOWING_PROGRESS_AFTER:
                Settle();
                StepFor(500);  // a part of the time bonus counted
                Shot(lastState);
                if (!measuredProgress) {
                    Measure("progress");
                    measuredProgress = true;
                }
                ClickAt(400, 300);
                WaitUntil([game] { return game->GameState() != GS_SHOWING_PROGRESS_AFTER; }, 60,
                          "the map after a click on the progress form");
                break;
            case GS_END_STORY:
                PassEndStory();
                break;
            default:
                Fail("the story game is stuck in a state the robot cannot leave");
        }
    }
    WaitUntil([] { return _AppModule::currentModule == APP_MAINMENU; }, SCREEN_CHANGE_FRAMES,
              "the menu after the game");
    Settle();
}

void Robot::PlayLevel() {
    myGame* game = Game();
    const int level = game->iCurrentLevel;
    ++levelsPlayed;
    Log("playing level " + std::to_string(level) + " with " + std::to_string(TilesLeft(*game)) +
        " tiles" + (game->Relaxed() ? " (relaxed)" : ""));
    Settle();
    Shot(lastState);
    if (Measuring() && (level == densestLevel || densestLevel == 0) && !game->Relaxed()) {
        Measure("level " + std::to_string(level) + " in play");
        densestLevel = -1;
    }
    const int64_t start = frameCount;
    pairsThisLevel = 0;
    clearingPlan.clear();
    while (_AppModule::currentModule == APP_GAME && game->GameState() == GS_LEVEL_RUNNING) {
        if (frameCount - start > LEVEL_FRAME_LIMIT) {
            Fail("level " + std::to_string(level) + " not finished after " +
                 std::to_string(LEVEL_FRAME_LIMIT) + " frames");
        }
        if (TilesLeft(*game) == 0) {
            Step();
            continue;
        }
        if (!game->Relaxed()) {
            UseExtras();
            if (game->GameState() != GS_LEVEL_RUNNING) {
                break;
            }
        }
        if (game->hintRoute->IsEmpty()) {
            if (game->iCurrentRetries > 0) {
                Log("no move left: retry");
                ClickControl("statusbar", "sb_retry");
                Step();
                clearingPlan.clear();
                continue;
            }
            Fail("no move left on level " + std::to_string(level) + " and no retry");
        }
        PlayPair();
    }
    if (game->GameState() == GS_GAME_OVER || game->GameState() == GS_ASK_RETRY) {
        Fail("level " + std::to_string(level) + " was lost");
    }
}

void Robot::PlayPair() {
    myGame* game = Game();
    const gameGrid& grid = *game->playGrid;
    Point a = *game->hintRoute->First();
    Point b = *game->hintRoute->Last();
    // Once the board's solver has found a way to clear the board after a hint's
    // pair, the robot keeps to that way.
    if (!clearingPlan.empty()) {
        const CellPair next = clearingPlan.front();
        clearingPlan.erase(clearingPlan.begin());
        if (IsTileValue(grid.cellData(next.a)) && grid.CellDataMatch(&next.a, &next.b) != 0 &&
            grid.CanJoin(next.a, next.b)) {
            a = next.a;
            b = next.b;
        } else {
            clearingPlan.clear();
        }
    } else {
        // The hint's pair, unless taking it leaves a board that cannot be
        // cleared; then another pair the board can join now.
        gameGrid after = grid;
        after.removePair(a, b);
        SolveResult ahead = SolveBoard(after);
        if (ahead.outcome == SolveOutcome::Cleared) {
            clearingPlan = std::move(ahead.removals);
            Log("a way to clear the board after the hint's pair: " +
                std::to_string(clearingPlan.size()) + " more pairs");
        } else if (after.tileCount(0) > 0) {
            // The hint's pair may leave the board stuck: follow a way that
            // clears the board from here, when the solver finds one.
            std::vector<CellPair> way = WayToClear(*game);
            if (!way.empty()) {
                Log("the hint's pair is not proven safe; a way to clear the board instead");
                a = way.front().a;
                b = way.front().b;
                clearingPlan.assign(way.begin() + 1, way.end());
            } else {
                TryAnotherPair(grid, a, b);
            }
        }
    }
    const int before = TilesLeft(*game);
    ClickCell(a.x, a.y);
    if (!game->startPoint || game->startPoint->x != a.x || game->startPoint->y != a.y) {
        if (game->GameState() != GS_LEVEL_RUNNING) {
            return;
        }
        Fail("the click on tile (" + std::to_string(a.x) + "," + std::to_string(a.y) +
             ") selected nothing");
    }
    ClickCell(b.x, b.y);
    if (game->routeFlash == 0 && TilesLeft(*game) == before) {
        if (game->GameState() != GS_LEVEL_RUNNING) {
            return;
        }
        Fail("the pair (" + std::to_string(a.x) + "," + std::to_string(a.y) + ")-(" +
             std::to_string(b.x) + "," + std::to_string(b.y) + ") was not matched");
    }
    WaitUntil(
        [game, before] {
            return TilesLeft(*game) < before || game->GameState() != GS_LEVEL_RUNNING;
        },
        300, "the matched pair to go");
    ++pairsThisLevel;
}

void Robot::AnswerForm(const std::string& form, const std::string& button) {
    WaitUntil([&form] { return _AppModule::appGUI->IsWindowShowing(form) != 0; }, 60,
              "the form \"" + form + "\"");
    Settle();
    Shot(lastState);
    ClickControl(form, button);
    WaitUntil([this] { return Game() != nullptr && Game()->GameState() == GS_LEVEL_RUNNING; }, 60,
              "the level after \"" + form + "\"");
}

void Robot::UseExtras() {
    const Plan plan = runOptions.full ? FULL_PLAN : ShortPlan();
    myGame* game = Game();
    const int level = game->iCurrentLevel;
    if (!usedOptions && level >= plan.optionsLevel && pairsThisLevel >= 1) {
        ClickControl("statusbar", "sb_options");
        AnswerForm("options", "options_accept");
        usedOptions = true;
    }
    if (!usedHint && level >= plan.hintLevel && game->iCurrentHints > 0 &&
        !game->hintRoute->IsEmpty()) {
        const int hints = game->iCurrentHints;
        ClickControl("statusbar", "sb_hint");
        Step();
        if (game->ShowHint != 1 || game->iCurrentHints != hints - 1) {
            Fail("the hint button showed no hint");
        }
        Shot("game/hint shown");
        usedHint = true;
        Log("used a hint");
    }
    if (!usedUndo && level >= plan.undoLevel && game->iCurrentUndos > 0 && pairsThisLevel >= 2) {
        const int undos = game->iCurrentUndos;
        const int tiles = TilesLeft(*game);
        ClickControl("statusbar", "sb_undo");
        Step();
        clearingPlan.clear();
        if (game->iCurrentUndos != undos - 1 || TilesLeft(*game) != tiles + 2) {
            Fail("the undo button did not put the last pair back");
        }
        usedUndo = true;
        Log("used an undo");
    }
    if (!usedRetry && level >= plan.retryLevel && game->iCurrentRetries > 0 &&
        pairsThisLevel >= 3 && !game->hintRoute->IsEmpty()) {
        const int retries = game->iCurrentRetries;
        const int tiles = TilesLeft(*game);
        ClickControl("statusbar", "sb_retry");
        AnswerForm("retry", "retry_yes");
        clearingPlan.clear();
        if (game->iCurrentRetries != retries - 1 || TilesLeft(*game) <= tiles) {
            Fail("the retry did not start the level again");
        }
        usedRetry = true;
        pairsThisLevel = 0;
        Log("used a retry");
    }
}

void Robot::PassEndStory() {
    myGame* game = Game();
    int pictures = 0;
    while (_AppModule::currentModule == APP_GAME && game->GameState() == GS_END_STORY &&
           game->fFadeOutToEnd > 1.0f) {
        if (++pictures > 10) {
            Fail("the end story does not end");
        }
        Settle();
        ClickControl("story", "story_next");
        Step();
    }
    Log("end story: " + std::to_string(pictures) + " pictures");
    WaitUntil([] { return _AppModule::currentModule == APP_MAINMENU; }, SCREEN_CHANGE_FRAMES,
              "the menu after the end story");
    endStorySeen = true;
}

void Robot::PlayRelaxedGame() {
    Settle();
    // What a player reads on the menu after the story.
    const std::string lastScore = AppSettings().Get(settings_keys::LAST_SCORE);
    const std::string shown = _AppModule::appGUI->GetControlCaptionText("menu", "lastscore");
    if (std::stoll("0" + lastScore) > 0 && shown != ZeroPadded(lastScore, 6)) {
        Fail("the menu shows the last score \"" + shown + "\", not " + lastScore);
    }
    Log("menu shows last score " + shown);
    ClickControl("menu", "freeplay");
    WaitUntil([] { return _AppModule::appGUI->IsWindowShowing("relaxed") != 0; }, 60,
              "the relaxed chooser");
    Settle();
    Shot(lastState);
    Measure("relaxed chooser");
    ClickControl("relaxed", "relaxed_random");
    WaitUntil([] { return _AppModule::currentModule == APP_GAME; }, SCREEN_CHANGE_FRAMES,
              "the relaxed game");
    myGame* game = Game();
    if (!game->Relaxed()) {
        Fail("the random choice started a story game");
    }
    WaitUntil([game] { return game->GameState() == GS_LEVEL_RUNNING; }, 60, "the relaxed level");
    PlayLevel();
    WaitUntil([] { return _AppModule::currentModule == APP_MAINMENU; }, SCREEN_CHANGE_FRAMES,
              "the menu after the relaxed game");
    Settle();
}

void Robot::Quit() {
    ClickControl("menu", "exit");
    WaitUntil([] { return _AppModule::appGUI->IsWindowShowing("exit") != 0; }, 60,
              "the exit question");
    ClickControl("exit", "quit_yes");
    WaitUntil([] { return _AppModule::currentModule < 0; }, SCREEN_CHANGE_FRAMES,
              "the program to end");
    Log("the program ended");
}

void Robot::Check() {
    // app.dat as the next start would read it.
    AppConstantsManager saved;
    saved.ReadConstants();
    const int level = saved.GetPlayerInt(playerNumber, settings_keys::PLAYER_LEVEL);
    const int complete = saved.GetPlayerInt(playerNumber, settings_keys::PLAYER_COMPLETE);
    if (level != 1 || complete != 1) {
        Fail("app.dat holds the player at level " + std::to_string(level) + " with complete " +
             std::to_string(complete));
    }
    // The robot's last saved score in its place in the high-score table.
    const int64_t score = std::stoll("0" + saved.Get(settings_keys::LAST_SCORE));
    int place = -1;
    for (int p = 0; p < HIGHSCORE_POSITIONS; ++p) {
        const int64_t value = _AppModule::getHighScoreValue(0, p);
        if (p > 0 && value > _AppModule::getHighScoreValue(0, p - 1)) {
            Fail("the high-score table is out of order at place " + std::to_string(p + 1));
        }
        if (place < 0 && value == score && _AppModule::getHighScoreName(0, p) == playerName) {
            place = p;
        }
    }
    if (score > 0 &&
        (place < 0 || (place > 0 && _AppModule::getHighScoreValue(0, place - 1) < score))) {
        Fail("the score " + std::to_string(score) + " is not in its place in the high scores");
    }
    Log("high score " + std::to_string(score) + " at place " + std::to_string(place + 1));
    for (const std::string& line : debugLog.Lines()) {
        if (line.rfind("***", 0) == 0) {
            Fail("debug line: " + line);
        }
    }
    if (!endStorySeen || !usedHint || !usedUndo || !usedRetry || !usedOptions) {
        Fail(std::string("not everything was played:") + (endStorySeen ? "" : " end story") +
             (usedHint ? "" : " hint") + (usedUndo ? "" : " undo") + (usedRetry ? "" : " retry") +
             (usedOptions ? "" : " options"));
    }
    Log("checks passed");
}
