// The game screen's decisions and its constants, without a window.
#include <gtest/gtest.h>

#include "app/app_module.h"
#include "platform/debug_log.h"
#include "screens/game_config.h"
#include "screens/game_flow.h"
#include "screens/options_form.h"

TEST(GameFlow, ScoreClockAndTimeBonus) {
    EXPECT_EQ(ScoreText(1234), "0001234");
    EXPECT_EQ(ScoreText(12345678), "12345678");

    // The last minute pulses; the last 30 s beat, louder as time runs out.
    EXPECT_FALSE(ClockSecondBetween(61500, 60900).passed);
    const ClockSecond minute = ClockSecondBetween(60100, 59900);
    EXPECT_TRUE(minute.passed);
    EXPECT_FALSE(minute.beat);
    const ClockSecond thirty = ClockSecondBetween(30010, 29990);
    EXPECT_TRUE(thirty.beat);
    EXPECT_NEAR(thirty.beatVolume, 0.1f, 1e-5);
    const ClockSecond last = ClockSecondBetween(1005, 990);
    EXPECT_TRUE(last.beat);
    EXPECT_NEAR(last.beatVolume, 0.97f, 1e-5);
    EXPECT_NEAR(last.pulseScale, 1.485f, 1e-5);
    EXPECT_FALSE(ClockSecondBetween(30500, 30400).passed);  // within one second

    // Ten seconds left give 100 points, waited for or not.
    int counter = 0;
    int time = 10400;
    int bonus = 0;
    for (int frame = 0; frame < 200; ++frame) {
        TimeBonusStep(counter, 16, time, bonus);
    }
    EXPECT_EQ(bonus, 100);
    EXPECT_EQ(time, 400);
    EXPECT_EQ(ScoreAfterLevel(500, 0, 10400, 7), 607);
    EXPECT_EQ(ScoreAfterLevel(500, 40, 6400, 0), 600);
}

TEST(GameFlow, StatesThatFollow) {
    EXPECT_EQ(StateAfterTimeUp(0), GS_GAME_OVER);
    EXPECT_EQ(StateAfterTimeUp(2), GS_ASK_RETRY);
    EXPECT_EQ(StuckCheck(false, 10, 0, 0), StuckOutcome::NotStuck);
    EXPECT_EQ(StuckCheck(true, 0, 0, 0), StuckOutcome::NotStuck);
    EXPECT_EQ(StuckCheck(true, 4, 0, 0), StuckOutcome::GameOver);
    EXPECT_EQ(StuckCheck(true, 4, 1, 0), StuckOutcome::UseUndoOrRetry);
    EXPECT_TRUE(LevelWon(true, 0));
    EXPECT_FALSE(LevelWon(true, 2));

    // The finished board fades for about 1.7 s, then stays hidden as long.
    float alpha = 1.0f;
    int ms = 0;
    while (alpha >= -1.0f && ms < 10000) {
        alpha = FinishedBoardAlpha(alpha, 16, false);
        ms += 16;
    }
    EXPECT_NEAR(ms, 3350, 40);
    EXPECT_LT(FinishedBoardAlpha(1.0f, 16, true), -1.0f);  // nothing left to fade
    EXPECT_FLOAT_EQ(FinishedBoardAlpha(-1.05f, 1000, false), -1.05f);

    DebugLogCapture log;
    EXPECT_EQ(ValidLevel(60), 60);
    EXPECT_EQ(ValidLevel(0), 1);
    EXPECT_EQ(ValidLevel(61), 1);
    EXPECT_TRUE(log.Contains("level 61"));
    EXPECT_FLOAT_EQ(SliderVolume(0.09f), 0.0f);
    EXPECT_FLOAT_EQ(SliderVolume(0.5f), 0.5f);
    EXPECT_EQ(BonusControl(5), "sb_time");
    EXPECT_EQ(BonusControl(6), "");
    EXPECT_NEAR(MapMarkerScale(0), 1.3f, 1e-5);
    EXPECT_NEAR(MapMarkerScale(450), 1.35f, 1e-5);
}

// The constants are read once; bad values fall back to safe ones.
TEST(GameConfig, ReadOnceWithSafeFallbacks) {
    EXPECT_TRUE(ParseGamePosition("80,405").valid);
    EXPECT_EQ(ParseGamePosition(" 80 , 405").y, 405);
    EXPECT_FALSE(ParseGamePosition("80").valid);
    EXPECT_FALSE(ParseGamePosition("80;405").valid);
    EXPECT_FALSE(ParseGamePosition("x,y").valid);
    EXPECT_FALSE(ParseGamePosition("80,405,3").valid);

    _AppModule module;
    module.Constants = {{"minmatchtime", "200"},  {"linedrawtime", "0"},
                        {"lineundrawtime", "-3"}, {"maxtilesets", "2"},
                        {"tileset2", "b.png"},    {"set2-3d", "1"},
                        {"maxlocations", "3"},    {"pos2", "10,20"},
                        {"pos3", "left"},         {"numberbackgrounds", "100000"}};
    DebugLogCapture log;
    const GameConfig config = ReadGameConfig(module);
    EXPECT_EQ(config.minMatchTime, 200);
    EXPECT_GT(config.lineDrawTime, 0.0f);  // the route divides by it
    EXPECT_GT(config.lineUndrawTime, 0.0f);
    EXPECT_EQ(GameConfig::At(config.tileSets, 2), "b.png");
    EXPECT_EQ(GameConfig::At(config.tileSet3D, 2), 1);
    EXPECT_EQ(GameConfig::At(config.tileSets, 3), "");
    EXPECT_EQ(GameConfig::At(config.tileSets, -1), "");
    EXPECT_TRUE(config.locationPositions[2].valid);
    EXPECT_FALSE(config.locationPositions[3].valid);
    EXPECT_EQ(config.NumberBackgrounds(), 100);
    EXPECT_TRUE(log.Contains("Pos3"));
    EXPECT_TRUE(log.Contains("LineDrawTime"));
}
