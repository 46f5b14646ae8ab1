// Leaving the program from the menu, the command-line start cases, and one
// picture of every menu form.
#include <filesystem>
#include <gtest/gtest.h>

#include "app/app_run.h"
#include "app/assets.h"
#include "app/embedded_archive.h"
#include "menu_test_support.h"
#include "platform/input.h"
#include "screens/game_screen.h"
#include "screens/intro.h"
#include "screens/main_menu_sequence.h"

using QuitTest = MenuTest;

TEST_F(QuitTest, ClosingTheWindowAsksThenQuitFadesAndWritesEverything) {
    MakePlayer("Ada", 1);
    StartMenu();
    InjectCloseRequest();
    StepFrames(2);
    ASSERT_TRUE(Showing("exit"));
    EXPECT_TRUE(Showing("menu"));  // under the veil
    StepFrames(40);                // past the cross-fade
    SaveFrame("menu_form_exit");
    ClickControl("exit", "quit_no");
    EXPECT_FALSE(Showing("exit"));

    // Closing twice is taken as a yes.
    InjectCloseRequest();
    StepFrames(2);
    ASSERT_TRUE(Showing("exit"));
    InjectCloseRequest();
    StepFrames(2);
    EXPECT_EQ(menu->fadeTarget, myMainMenu::FADE_TO_EXIT);
    EXPECT_GT(menu->fadeToBlack, 0);
    menu->fadeToBlack = 0;
    ClickControl("exit", "quit_no");
    EXPECT_FALSE(Showing("exit"));

    std::filesystem::remove(AppConstantsManager::FilePath());
    ClickControl("menu", "exit");
    ASSERT_TRUE(Showing("exit"));
    ClickControl("exit", "quit_yes");
    EXPECT_EQ(menu->fadeTarget, myMainMenu::FADE_TO_EXIT);
    int ticks = 0;
    while (_AppModule::Tick() != 0 && ticks < 200) {
        AdvanceClock(FRAME_MS);
        ++ticks;
    }
    EXPECT_EQ(_AppModule::Tick(), 0);
    EXPECT_EQ(_AppModule::currentModule, -1);
    EXPECT_GE(ticks, 1000 / FRAME_MS - 2);
    AppSettings().WriteConstants();  // what RunApp does last

    ResetAppSettings();
    ASSERT_TRUE(std::filesystem::exists(AppConstantsManager::FilePath()));
    EXPECT_EQ(AppSettings().GetConstantValue("player1name", "", 0), "Ada");
    // Table 0 holds at least the twenty entries the menu fills in.
    EXPECT_EQ(AppSettings().GetConstantValue("score0-0", "", 0), "300,AAA");
    EXPECT_EQ(AppSettings().GetConstantValue("score0-19", "", 0), "110,AAA");
}

TEST_F(QuitTest, HighScoresShowTenRowsOfTableZero) {
    MakePlayer("Ada", 1);
    StartMenu();
    ASSERT_EQ(_AppModule::addHighScore(0, 255), 5);
    ClickControl("menu", "highscores");
    ASSERT_TRUE(Showing("highscores"));
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("highscores", "hs0"), "300.....AAA");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("highscores", "hs5"), "255.....Ada");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("highscores", "hs9"), "220.....AAA");
    StepFrames(40);
    SaveFrame("menu_form_highscores");
    ClickControl("highscores", "hs1_next");
    EXPECT_TRUE(Showing("menu"));
}

TEST_F(QuitTest, EveryMenuFormDrawsItsPicture) {
    StartMenu();
    SaveFrame("menu_form_menu");
    ClickControl("menu", "start");
    Type("Robin");
    StepFrames(40);
    SaveFrame("menu_form_newuser");
    ClickControl("newuser", "newuser_ok");
    StepFrames(40);
    SaveFrame("menu_form_story");
    // Every form file was read, with its controls.
    for (const char* form : {"menu", "login", "confirmdelete", "newuser", "exit", "options",
                             "highscores", "story", "relaxed"}) {
        const WindowPtr window = _AppModule::appGUI->GetWindow(form);
        ASSERT_TRUE(window) << form;
        EXPECT_FALSE(window->controls.empty()) << form;
    }
}

// Start-up as the program does it, with one first argument.
class CommandLineTest : public MenuTest {};

TEST_F(CommandLineTest, OnlyALeadingLevelFrom1To60StartsTheGameAloneFromPlainFiles) {
    struct Case {
        const char* argument;
        int level;
    };
    for (const Case& c : {Case{"", 0}, Case{"0", 0}, Case{"61", 0}, Case{"-3", 0}, Case{"abc", 0},
                          Case{" 7", 0}, Case{"7", 7}}) {
        SCOPED_TRACE(std::string("argument \"") + c.argument + "\"");
        TearDown();
        SetUp();
        const char* argv[] = {"tessalune", c.argument};
        SetStartLevel(ParseStartLevel(2, argv));
        if (StartLevel() != 0) {
            SetArchivePrefix("");
        }
        EXPECT_EQ(StartLevel(), c.level);
        CreateScreenModules(StartLevel());
        _AppModule::BeginApp();
        StepFrames(2);
        if (c.level == 0) {
            EXPECT_EQ(_AppModule::currentModule, APP_INTRO);
            EXPECT_TRUE(_AppModule::appModules[APP_MAINMENU]);
            EXPECT_FALSE(_AppModule::appModules[APP_GAME]);
            EXPECT_EQ(GetArchivePrefix(), SHIPPED_ARCHIVE_PREFIX);
            auto intro = std::dynamic_pointer_cast<myIntro>(_AppModule::appModules[APP_INTRO]);
            ASSERT_TRUE(intro);
            EXPECT_EQ(intro->runTime, 3600);  // its script came from the archive
        } else {
            EXPECT_EQ(_AppModule::currentModule, APP_GAME);
            EXPECT_FALSE(_AppModule::appModules[APP_INTRO]);
            EXPECT_FALSE(_AppModule::appModules[APP_MAINMENU]);
            EXPECT_EQ(GetArchivePrefix(), "");
            auto game = std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
            ASSERT_TRUE(game);
            EXPECT_EQ(game->iCurrentLevel, 7);
            // Plain files under the working directory: the staged data tree.
            EXPECT_TRUE(OpenAssetFile("data/main/main.txt"));
        }
    }
}
