// The relaxed-mode chooser: what a player at level 12 may pick, everything
// after the story, random choices inside the unlocked ones, and the game it
// starts.
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "menu_test_support.h"
#include "platform/music.h"
#include "platform/numbers.h"
#include "platform/test_seams.h"
#include "screens/game_screen.h"

namespace {

bool Enabled(const std::string& control) {
    const ControlPtr found = _AppModule::appGUI->GetControl("relaxed", control);
    return found && found->disabled == 0;
}

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

}  // namespace

using RelaxedTest = MenuTest;

TEST_F(RelaxedTest, LevelTwelveOffersWhatItReachedAndStartsTheChosenGame) {
    MakePlayer("Ada", 12);
    StartMenu();
    ClickControl("menu", "freeplay");
    ASSERT_TRUE(Showing("relaxed"));
    EXPECT_EQ(menu->iPlayerLevel, 12);
    const ProgressScreenPtr reached = progressScreen::getProgress(12);
    ASSERT_TRUE(reached);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(Enabled(Numbered("relax_", i)), i <= 12) << i;
    }
    int lastSet = 0;
    int lastSong = 0;
    int lastBackground = 0;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Enabled(Numbered("set_", i)), reached->unlockedTilesets[i] == 1) << i;
        lastSet = reached->unlockedTilesets[i] == 1 ? i : lastSet;
    }
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Enabled(Numbered("song_", i)), reached->unlockedMusic[i] == 1) << i;
        lastSong = reached->unlockedMusic[i] == 1 ? i : lastSong;
    }
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(Enabled(Numbered("bg_", i)), reached->unlockedBackgrounds[i] == 1) << i;
        lastBackground = reached->unlockedBackgrounds[i] == 1 ? i : lastBackground;
    }
    // Level 12 is in the second place: something beyond the first set is open, not all.
    ASSERT_GE(lastSet, 2);
    EXPECT_FALSE(Enabled("set_6"));
    EXPECT_FALSE(Enabled("bg_25"));

    // A locked button ignores the mouse.
    ClickControl("relaxed", "set_6");
    EXPECT_EQ(menu->iRelaxedTileset, 1);

    ClickControl("relaxed", Numbered("set_", lastSet));
    ClickControl("relaxed", Numbered("song_", lastSong));
    EXPECT_EQ(QueuedSong(), Numbered("music", lastSong));  // heard after the fade
    ClickControl("relaxed", Numbered("bg_", lastBackground));
    EXPECT_TRUE(menu->relaxedBG);
    StepFrames(40);
    SaveFrame("menu_form_relaxed");

    ClickControl("relaxed", "relax_7");
    EXPECT_GT(menu->fadeToBlack, 0);
    StepFrames(63);
    ASSERT_EQ(_AppModule::currentModule, APP_GAME);
    auto game = std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
    ASSERT_TRUE(game);
    EXPECT_TRUE(game->Relaxed());
    EXPECT_EQ(game->_RelaxedModeLevel, 7);
    EXPECT_EQ(game->_RelaxedModeTileset, lastSet);
    EXPECT_EQ(game->_RelaxedModeMusic, lastSong);
    EXPECT_EQ(game->_RelaxedModebackground, lastBackground);
}

TEST_F(RelaxedTest, RandomChoicesStayInsideWhatIsUnlocked) {
    MakePlayer("Ada", 12);
    StartMenu();
    ClickControl("menu", "freeplay");
    const ProgressScreenPtr reached = progressScreen::getProgress(12);
    ASSERT_TRUE(reached);
    for (int round = 0; round < 40; ++round) {
        Hit({"relaxed_random"});
        SCOPED_TRACE(round);
        ASSERT_EQ(menu->fadeTarget, myMainMenu::FADE_TO_STARTGAME);
        EXPECT_GE(menu->iRelaxedLevel, 1);
        EXPECT_LE(menu->iRelaxedLevel, 12);
        EXPECT_EQ(reached->unlockedTilesets[menu->iRelaxedTileset], 1);
        EXPECT_EQ(reached->unlockedMusic[menu->iRelaxedMusic], 1);
        EXPECT_EQ(reached->unlockedBackgrounds[menu->iRelaxedBackground], 1);
        menu->fadeToBlack = 0;  // stay in the chooser for the next round
    }
}

TEST_F(RelaxedTest, AfterTheStoryEverythingIsOpen) {
    MakePlayer("Ada", 50);
    AppSettings().SetPlayer(1, settings_keys::PLAYER_COMPLETE, "1", 0);
    StartMenu();
    ClickControl("menu", "freeplay");
    EXPECT_EQ(menu->iPlayerLevel, -1);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_TRUE(Enabled(Numbered("relax_", i))) << i;
    }
    for (int i = 1; i <= 6; ++i) {
        EXPECT_TRUE(Enabled(Numbered("set_", i))) << i;
    }
    for (int i = 1; i <= CountSongs(); ++i) {
        EXPECT_TRUE(Enabled(Numbered("song_", i))) << i;
    }
    for (int i = 1; i <= 25; ++i) {
        EXPECT_TRUE(Enabled(Numbered("bg_", i))) << i;
    }
    bool beyondTheFirstPlace = false;
    for (int round = 0; round < 40; ++round) {
        Hit({"relaxed_random"});
        EXPECT_LE(menu->iRelaxedLevel, 50);
        EXPECT_LE(menu->iRelaxedTileset, 6);
        EXPECT_LE(menu->iRelaxedBackground, 25);
        beyondTheFirstPlace = beyondTheFirstPlace || menu->iRelaxedLevel > 12;
        menu->fadeToBlack = 0;
    }
    EXPECT_TRUE(beyondTheFirstPlace);
    ClickControl("relaxed", "relaxed_back");
    EXPECT_TRUE(Showing("menu"));
    EXPECT_FALSE(Showing("relaxed"));
}

// The chosen background fills the screen behind the chooser, so the player
// sees the scenery they pick.
TEST_F(RelaxedTest, TheChosenBackgroundStandsBehindTheChooser) {
    MakePlayer("Ada", 50);
    AppSettings().SetPlayer(1, settings_keys::PLAYER_COMPLETE, "1", 0);
    StartMenu();
    ClickControl("menu", "freeplay");
    ClickControl("relaxed", "bg_3");
    StepFrames(40);
    const PixmapPtr third = ReadBackBuffer();
    ClickControl("relaxed", "bg_17");
    StepFrames(40);
    SaveFrame("menu_form_relaxed_bg17");
    const PixmapPtr seventeenth = ReadBackBuffer();
    int differing = 0;
    for (int y = 0; y < SCREEN_HEIGHT; y += 2) {
        for (int x = 0; x < SCREEN_WIDTH; x += 2) {
            differing += ReadPixel(*third, x, y) != ReadPixel(*seventeenth, x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(differing, SCREEN_WIDTH * SCREEN_HEIGHT / 4 / 3);
}

// Without a player the chooser offers level 1 and writes no key for nobody.
TEST_F(RelaxedTest, WithoutAPlayerNothingIsStored) {
    StartMenu();
    ClickControl("menu", "freeplay");
    ASSERT_TRUE(Showing("relaxed"));
    EXPECT_EQ(menu->iPlayerLevel, 1);
    for (const auto& [key, value] : AppSettings().Constants()) {
        EXPECT_NE(key.rfind("player", 0), 0u) << key;
    }
}

// "Surprise me" differs from one launch to the next: the menu seeds its
// choices from the clock, not from whatever the program started with.
TEST_F(RelaxedTest, SurpriseChoicesDifferBetweenLaunches) {
    MakePlayer("Ada", 50);
    AppSettings().SetPlayer(1, settings_keys::PLAYER_COMPLETE, "1", 0);
    std::set<std::vector<int>> choices;
    for (int launch = 0; launch < 4; ++launch) {
        SeedRnd(1);  // every launch starts from the same generator state
        AdvanceClock(1237);
        StartMenu();
        Hit({"freeplay"});
        Hit({"relaxed_random"});
        choices.insert({menu->iRelaxedLevel, menu->iRelaxedTileset, menu->iRelaxedMusic,
                        menu->iRelaxedBackground});
    }
    EXPECT_GT(choices.size(), 1u);
}
