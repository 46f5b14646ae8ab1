#include "screens/game_screen.h"

#include "app/app_run.h"
#include "app/settings.h"
#include "board/flying_bonus.h"
#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "board/undo_action.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/music.h"
#include "screens/progress_screen.h"
#include "toolkit/fader.h"
#include "toolkit/sprite.h"

namespace {

const char* const DEVELOPER_NAME = "4wix4";

// A player's hints, undos or retries; a damaged file's negative count is 0.
int StoredCounter(int player, const SettingKey& key) {
    const int count = AppSettings().GetPlayerInt(player, key);
    if (count < 0) {
        DebugLog("***Error: player " + std::to_string(player) + " " + key.name + " is " +
                 std::to_string(count) + ", using 0***");
        return 0;
    }
    return count;
}

}  // namespace

int myGame::timeBonusCounterMs = 0;

MyGamePtr myGame::Create(const std::string& resourceFile) {
    auto game = std::make_shared<myGame>();
    game->Initialise(resourceFile, APP_GAME);
    return game;
}

void myGame::Start() {
    _AppModule::Start();
    config = ReadGameConfig(*this);
    iCurrentScore = 0;
    AppConstantsManager& settings = AppSettings();
    const int player = UserID();
    if (Relaxed()) {
        iCurrentHints = iCurrentRetries = iCurrentUndos = 0;
    } else {
        iCurrentHints = StoredCounter(player, settings_keys::PLAYER_HINTS);
        iCurrentRetries = StoredCounter(player, settings_keys::PLAYER_RETRIES);
        iCurrentUndos = StoredCounter(player, settings_keys::PLAYER_UNDOS);
    }
    route = gameRoute::Create();
    hintRoute = gameRoute::Create();
    playGrid = gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, BOARD_CELL_WIDTH, BOARD_CELL_HEIGHT,
                                Point(BOARD_LEFT, BOARD_TOP));
    if (StartLevel() != 0) {
        SetGameState(GS_LEVEL_RUNNING);
    } else if (Relaxed()) {
        iCurrentLevel = ValidLevel(_RelaxedModeLevel);
        SetGameState(GS_LEVEL_RUNNING);
    } else {
        iCurrentLevel = ValidLevel(settings.GetPlayerInt(player, settings_keys::PLAYER_LEVEL));
        SetGameState(GS_SHOWING_PROGRESS_BEFORE);
    }
    LoadLevel();
    statusText = config.selectFirst;
    developerKeys = currentPlayerName == DEVELOPER_NAME || StartLevel() != 0 ? 1 : 0;
    StopMusic();
    SetMusicToCurrentLevel();
    squareShadowImage = GetSprite("squareshadow");
    roundShadowImage = GetSprite("roundshadow");
    flyingBonuses.clear();
    flightAges.clear();
    FocusLost();  // a focus loss from before the game must not open its options
    scaleFader::Clear();
    // Without a cursor sprite the system pointer is the player's mouse.
    if (!appGUI || !appGUI->mouseImg) {
        SetMouseVisible(true);
    }
}

void myGame::Update(int dt) {
    lastFrameMs = dt;
    if (fFadeOutToEnd >= 0.0f && fFadeOutToEnd <= 1.0f) {
        fFadeOutToEnd += static_cast<float>(dt) * 0.001f;
        if (fFadeOutToEnd >= 1.0f) {
            EndModule();
            return;
        }
    }
    if (appGUI && appGUI->IsWindowShowing("exittosystem")) {
        FocusLost();  // the question holds the game already; "No" must not open the options
        _UpdateExitToSystem();
        _AppModule::Update(dt);
        return;
    }
    if (fFadeAlpha > 0.0f) {
        fFadeAlpha -= static_cast<float>(dt) * 0.001f;
        if (fFadeAlpha < 0.0f) {
            fFadeAlpha = 0.0f;
            DestroyScreenGrabImage();
        }
    }
    switch (_gameState) {
        case GS_SHOWING_PROGRESS_BEFORE:
            ShowingProgressBefore_Update(dt);
            break;
        case GS_SHOWING_PROGRESS_AFTER:
            ShowingProgressAfter_Update(dt);
            break;
        case GS_LEVEL_RUNNING:
            LevelRunning_Update(dt);
            break;
        case GS_LEVEL_FINISHED:
            LevelFinished_Update(dt);
            break;
        case GS_ASK_GIVEUP:
            AskGiveUp_Update(dt);
            break;
        case GS_ASK_RETRY:
            AskForRetry_Update(dt);
            break;
        case GS_GAME_OVER:
            GameOver_Update(dt);
            break;
        case GS_SHOWING_OPTIONS:
            ShowingOptions_Update(dt);
            break;
        case GS_END_STORY:
            EndStory_Update(dt);
            break;
        default:
            break;
    }
    scaleFader::Update(dt);
    gameRoute::UpdateFadingRoutes(dt, config.lineUndrawTime, playGrid.get());
    _UpdateFlyingBonuses(dt);
    playGrid->Update(dt);
    if (AppTerminate()) {
        if (StartLevel() != 0) {
            EndModule();
            return;
        }
        appGUI->ShowWindow("exittosystem", 1);
    }
    // Away from the window during a level: the options stop the clock.
    if (FocusLost() && _gameState == GS_LEVEL_RUNNING && fFadeOutToEnd > 1.0f) {
        OpenOptions();
    }
    _AppModule::Update(dt);
}

void myGame::SetGameState(int state) {
    FlushMouse();
    FlushKeys();
    if (DebugLogEnabled()) {
        DebugLog("Game state " + std::to_string(state));
    }
    switch (state) {
        case GS_LEVEL_RUNNING:
            fPlayGridAlpha = 1.0f;
            fScreenFade = 0.0f;
            appGUI->ShowWindow("statusbar", 1);
            break;
        case GS_LEVEL_FINISHED:
            PlaySoundByName("LevelCompleted");
            iTimeBonus = 0;
            statusText = config.finished;
            UpdateStatusText();
            break;
        case GS_GAME_OVER:
            fScreenFade = 0.01f;
            WriteProgress();
            UpdateStatusText();  // the reason and the kept score show under the dialog
            appGUI->ShowWindow("gameover", 1);
            PlaySoundByName("GameOver");
            break;
        case GS_ASK_RETRY:
            appGUI->ShowWindow("retry", 1);
            break;
        case GS_ASK_GIVEUP:
            appGUI->ShowWindow("giveup", 1);
            break;
        case GS_SHOWING_OPTIONS:
            appGUI->HideWindow("statusbar");
            break;
        case GS_SHOWING_PROGRESS_BEFORE:
            appGUI->ShowWindow("mapscreen", 1);
            break;
        case GS_SHOWING_PROGRESS_AFTER:
            _EnterProgressAfter();
            break;
        case GS_END_STORY:
            _EnterEndStory();
            break;
        default:
            break;
    }
    _gameState = state;
}

void myGame::_EnterProgressAfter() {
    if (Relaxed()) {
        RequestSong("");
        fFadeOutToEnd = 0.0f;
        return;
    }
    if (iTotalCollectedPictures == 0) {
        appGUI->HideControl("progress", "new_pictures");
    } else {
        appGUI->ShowControl("progress", "new_pictures", 1);
    }
    appGUI->SetControlCaptionText("progress", "time_bonus", "0");
    appGUI->SetControlCaptionText("progress", "picture_complete", "");
    const ProgressScreenPtr progress = progressScreen::getProgress(iCurrentLevel);
    if (progress && progress->iPicComplete != 0) {
        appGUI->SetControlCaptionText(
            "progress", "picture_complete",
            GameConfig::At(config.pictureComplete, progress->iPicComplete));
    }
    appGUI->ShowWindow("progress", 1);
}

void myGame::_EnterEndStory() {
    playGrid->UnloadGraphics();
    tileSet.clear();
    BeginFade();
    UnloadSprites();
    squareShadowImage.reset();
    roundShadowImage.reset();
    appGUI->HideWindow("mapscreen");
    appGUI->HideWindow("statusbar");
    appGUI->ShowWindow("story", 1);
    if (KeepsProgress()) {
        AppConstantsManager& settings = AppSettings();
        settings.SetPlayer(UserID(), settings_keys::PLAYER_LEVEL, "1", 1);
        settings.SetPlayer(UserID(), settings_keys::PLAYER_COMPLETE, "1", 0);
    }
    iStoryImageNumber = 1;
    LoadStoryImage();
}

void myGame::ShowingProgressBefore_Update(int dt) {
    if (iFirstFadeFromBlack > 0) {
        iFirstFadeFromBlack = iFirstFadeFromBlack > dt ? iFirstFadeFromBlack - dt : 0;
    }
    if (_ContinueHit()) {
        BeginFade();
        appGUI->HideWindow("mapscreen");
        PlaySoundByName("LevelAppears");
        SetGameState(GS_LEVEL_RUNNING);
    }
}

void myGame::ShowingProgressAfter_Update(int dt) {
    IncrementScore();
    if (Relaxed()) {
        return;  // the module is fading out
    }
    if (TimeBonusStep(timeBonusCounterMs, dt, timeRemainingMS, iTimeBonus)) {
        UpdateStatusText();
        appGUI->SetControlCaptionText("progress", "time_bonus", std::to_string(iTimeBonus));
    }
    if (_ContinueHit()) {
        BeginFade();
        iCurrentScore =
            ScoreAfterLevel(iCurrentScore, iTimeBonus, timeRemainingMS, iScoreIncrement);
        iScoreIncrement = 0;
        appGUI->HideWindow("progress");
        appGUI->HideWindow("statusbar");
        SetGameState(GS_SHOWING_PROGRESS_BEFORE);
        NextLevel();
    }
}

void myGame::LevelRunning_Update(int dt) {
    if (!Relaxed()) {
        _UpdateClock(dt);
    }
    route->Update(dt, config.lineDrawTime);
    UpdateStatusText();
    if (KeyHit(KEY_ESCAPE) != 0) {
        SetGameState(GS_ASK_GIVEUP);
        return;
    }
    if (developerKeys != 0) {
        _DeveloperKeys();
        if (_gameState != GS_LEVEL_RUNNING) {
            return;
        }
    }
    if (LevelWon(hintRoute->IsEmpty() != 0, playGrid->tileCount(0))) {
        SetGameState(GS_LEVEL_FINISHED);
        return;
    }
    _UpdateTileCursor();
    if (keyCursorShown) {
        highLight = keyCursor && IsTileCell(*keyCursor) ? keyCursor->Copy() : nullptr;
    } else {
        _HighlightUnderMouse();
    }
    _UpdateMatchOutline();
    _ReadStatusKeys();
    if (routeFlash == 0) {
        if (ProcessGUIButtons() != 0 || _gameState != GS_LEVEL_RUNNING) {
            return;
        }
        if (StartLevel() != 0 && KeyHit(KEY_SPACE) != 0) {
            ShowHint = 1;
        }
        if (MouseHit(1) != 0) {
            keyCursorShown = false;  // a click picks the tile under the mouse
            _HighlightUnderMouse();
            MouseSelect();
        }
        if (KeyHit(KEY_ENTER) != 0) {
            _KeyboardSelect();
        }
    } else {
        MouseHit(1);  // clicks and Enter while a match is pending are dropped
        KeyHit(KEY_ENTER);
        if (ClockDiff(MilliSecs(), routeFlash) > config.minMatchTime &&
            route->IsFullyDrawn() != 0) {
            RemoveSelectedTiles();
        }
    }
    if (StartLevel() == 0 && timeRemainingMS < 1000) {
        _UpdateTimeUp();
        return;
    }
    _UpdateStuck(dt);
}

void myGame::_UpdateClock(int dt) {
    const int before = timeRemainingMS;
    timeRemainingMS -= dt;
    IncrementScore();
    const ClockSecond second = ClockSecondBetween(before, timeRemainingMS);
    if (second.passed) {
        if (second.beat) {
            PlaySound(GetSound("Beat"), second.beatVolume);
        }
        const __Rect clock = appGUI->GetControlCaptionRegion("statusbar", "sb_clock");
        scaleFader::Create(playGrid->bonusImage(4), static_cast<float>(clock.xs - 8),
                           static_cast<float>(clock.ys - 16), 1.0f, second.pulseScale, 1.0f, 1.0f);
    }
    timeSinceLastGo += dt;
    timeSinceLastHintPulse += dt;
    if (timeSinceLastGo > HINT_PULSE_IDLE_MS && iCurrentHints > 0 &&
        timeSinceLastHintPulse > PULSE_INTERVAL_MS) {
        _Pulse("Hint", "sb_hint");
        timeSinceLastHintPulse = 0;
    }
}

void myGame::_UpdateTimeUp() {
    timeRemainingMS = 0;
    statusText = config.timeUp;
    PlaySoundByName("GameOver");
    UpdateStatusText();
    SetGameState(StateAfterTimeUp(iCurrentRetries));
}

void myGame::_UpdateStuck(int dt) {
    timeSinceLastRetryPulse += dt;
    switch (StuckCheck(hintRoute->IsEmpty() != 0, playGrid->tileCount(0), iCurrentUndos,
                       iCurrentRetries)) {
        case StuckOutcome::GameOver:
            statusText = config.noMoreMoves;
            SetGameState(GS_GAME_OVER);
            break;
        case StuckOutcome::UseUndoOrRetry:
            statusText = config.useUndoOrRetry;
            if (timeSinceLastRetryPulse > PULSE_INTERVAL_MS) {
                if (iCurrentUndos > 0) {
                    _Pulse("Undo", "sb_undo");
                }
                if (iCurrentRetries > 0) {
                    _Pulse("Retry", "sb_retry");
                }
                timeSinceLastRetryPulse = 0;
            }
            break;
        case StuckOutcome::NotStuck:
            break;
    }
}

void myGame::_DeveloperKeys() {
    if (KeyHit('R') != 0) {
        RestartLevel();
    }
    if (KeyHit('U') != 0) {
        ++iCurrentUndos;
    }
    if (KeyHit('H') != 0) {
        ++iCurrentHints;
    }
    if (KeyHit('T') != 0) {
        timeRemainingMS += 5000;
    }
    if (KeyHit('S') != 0) {
        iCurrentScore += 1000;
    }
    if (KeyHit('Q') != 0) {
        ++iCurrentRetries;
    }
    if (KeyHit('N') != 0) {
        SetGameState(GS_LEVEL_FINISHED);
    }
}

void myGame::LevelFinished_Update(int dt) {
    fPlayGridAlpha = FinishedBoardAlpha(fPlayGridAlpha, dt, playGrid->tileCount(1) == 0);
    IncrementScore();
    UpdateStatusText();
    if (scaleFader::LiveCount() == 0 && ParticleCount() == 0 && flyingBonuses.empty() &&
        fPlayGridAlpha < -1.0f) {
        SetGameState(GS_SHOWING_PROGRESS_AFTER);
    }
}

bool myGame::IsTileCell(const Point& cell) const {
    return IsTileValue(playGrid->cellData(cell));
}
