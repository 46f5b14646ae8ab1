#pragma once
// The game screen's decisions that need no window: scoring, the clock's
// seconds, the time bonus count-down, time up, stuck, and which state follows.
#include <string>

#include "board/level_data.h"

// Game states (0 and 1 are not used).
constexpr int GS_SHOWING_PROGRESS_BEFORE = 2;
constexpr int GS_SHOWING_PROGRESS_AFTER = 3;
constexpr int GS_LEVEL_RUNNING = 4;
constexpr int GS_LEVEL_FINISHED = 5;
constexpr int GS_ASK_GIVEUP = 6;
constexpr int GS_ASK_RETRY = 7;
constexpr int GS_GAME_OVER = 8;
constexpr int GS_SHOWING_OPTIONS = 9;
constexpr int GS_END_STORY = 11;

constexpr int POINTS_PER_PAIR = 10;
constexpr int POINTS_PER_SCORE_ITEM = 100;
constexpr int TIME_BONUS_PER_SECOND = 10;
constexpr int TIME_BONUS_STEP_MS = 30;
constexpr int HINT_PULSE_IDLE_MS = 30000;
constexpr int PULSE_INTERVAL_MS = 1000;
constexpr int COLLECTED_PICTURES = 16;
constexpr int MAX_TIME_LIMIT_S = 100000;  // a damaged level cannot overflow the clock
constexpr int FIRST_LEVEL = 1;

// The score as the status bar shows it: at least 7 digits, zero-filled.
std::string ScoreText(int score);

// What the clock does when the time left moves from beforeMs to afterMs.
struct ClockSecond {
    bool passed = false;      // a whole second of the last minute has gone
    bool beat = false;        // the heartbeat plays (last 30 s)
    float beatVolume = 0.0f;  // 1.0 - 0.03 s
    float pulseScale = 0.0f;  // 1.5 - 0.015 s
};
ClockSecond ClockSecondBetween(int beforeMs, int afterMs);

// The state that follows time up.
int StateAfterTimeUp(int retries);

// No move left with tiles on the board.
enum class StuckOutcome { NotStuck, GameOver, UseUndoOrRetry };
StuckOutcome StuckCheck(bool hintEmpty, int tiles, int undos, int retries);

// The board is won: no tile left (and so no hint).
bool LevelWon(bool hintEmpty, int tiles);

// One frame of the time bonus count-down; true when 10 points were moved.
bool TimeBonusStep(int& counterMs, int dt, int& timeRemainingMs, int& timeBonus);

// The score after the progress form is left: whatever is still counting lands at once.
int ScoreAfterLevel(int score, int timeBonus, int timeRemainingMs, int increment);

// The board's alpha one frame into the finished state (fades to -1.1).
float FinishedBoardAlpha(float alpha, int dt, bool boardEmpty);

// A level number read from the profile: outside 1..60 gives 1 with a debug line.
int ValidLevel(int level);

// The control a bonus item flies to ("" for picture pieces and unknown codes).
std::string BonusControl(int code);

// The map marker's pulse and the background's slow zoom, from the clock in ms.
float MapMarkerScale(int clockMs);
float BackgroundZoom(int clockMs);
