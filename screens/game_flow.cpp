#include "screens/game_flow.h"

#include "app/line_helpers.h"
#include "platform/debug_log.h"
#include "platform/numbers.h"

std::string ScoreText(int score) {
    return ZeroPadded(std::to_string(score), 7);
}

ClockSecond ClockSecondBetween(int beforeMs, int afterMs) {
    ClockSecond second;
    const int s = beforeMs / 1000;
    if (s < 1 || s > 60 || s == afterMs / 1000) {
        return second;
    }
    second.passed = true;
    second.beat = s <= 30;
    second.beatVolume = 1.0f - 0.03f * static_cast<float>(s);
    second.pulseScale = 1.5f - 0.015f * static_cast<float>(s);
    return second;
}

int StateAfterTimeUp(int retries) {
    return retries < 1 ? GS_GAME_OVER : GS_ASK_RETRY;
}

StuckOutcome StuckCheck(bool hintEmpty, int tiles, int undos, int retries) {
    if (!hintEmpty || tiles == 0) {
        return StuckOutcome::NotStuck;
    }
    return undos == 0 && retries == 0 ? StuckOutcome::GameOver : StuckOutcome::UseUndoOrRetry;
}

bool LevelWon(bool hintEmpty, int tiles) {
    return hintEmpty && tiles == 0;
}

bool TimeBonusStep(int& counterMs, int dt, int& timeRemainingMs, int& timeBonus) {
    counterMs += dt;
    if (counterMs <= TIME_BONUS_STEP_MS || timeRemainingMs < 1000) {
        return false;
    }
    timeBonus += TIME_BONUS_PER_SECOND;
    timeRemainingMs -= 1000;
    counterMs = 0;
    return true;
}

int ScoreAfterLevel(int score, int timeBonus, int timeRemainingMs, int increment) {
    return score + timeBonus + (timeRemainingMs / 1000) * TIME_BONUS_PER_SECOND + increment;
}

float FinishedBoardAlpha(float alpha, int dt, bool boardEmpty) {
    if (alpha <= -1.0f) {
        return alpha;
    }
    if (boardEmpty) {
        alpha = -1.0f;
    }
    alpha -= static_cast<float>(dt) * 0.0006f;
    return alpha < -1.1f ? -1.1f : alpha;
}

int ValidLevel(int level) {
    if (level < FIRST_LEVEL || level > MAX_LEVEL_NUMBER) {
        DebugLog("***Error: level " + std::to_string(level) + " is outside " +
                 std::to_string(FIRST_LEVEL) + ".." + std::to_string(MAX_LEVEL_NUMBER) +
                 ", starting level 1***");
        return FIRST_LEVEL;
    }
    return level;
}

std::string BonusControl(int code) {
    switch (code) {
        case 1:
            return "sb_score";
        case 2:
            return "sb_undos";
        case 3:
            return "sb_retries";
        case 4:
            return "sb_hints";
        case 5:
            return "sb_time";
        default:
            return "";
    }
}

float MapMarkerScale(int clockMs) {
    return 1.3f + static_cast<float>(Sin(clockMs / 5.0)) / 20.0f;
}

float BackgroundZoom(int clockMs) {
    return 1.05f + static_cast<float>(Sin(clockMs / 40.0)) / 30.0f;
}
