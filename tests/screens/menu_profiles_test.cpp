// Players in the main menu: seven through the login form, deleting with all
// of a player's keys, a reached level starting the game at once, and one
// button handled per frame.
#include <gtest/gtest.h>

#include "menu_test_support.h"
#include "screens/game_screen.h"
#include "toolkit/bmfont.h"

using ProfilesTest = MenuTest;

TEST_F(ProfilesTest, SevenPlayersThroughTheLoginFormThenNoNewButton) {
    MakePlayer("Ada", 1);
    StartMenu();
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("menu", "username"), "Welcome, Ada");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("menu", "login"),
              "Not Ada? Choose another player");
    const char* names[] = {"Bo", "Cy", "Di", "Ed", "Flo", "Gus"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        ClickControl("menu", "login");
        ASSERT_TRUE(Showing("login"));
        ASSERT_TRUE(ControlShowing("login", "login_new"));
        ClickControl("login", "login_new");
        ASSERT_TRUE(Showing("newuser"));
        EXPECT_TRUE(ControlShowing("newuser", "newuser_cancel"));
        EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("newuser", "newuser_name"), "");
        Type(name);
        ClickControl("newuser", "newuser_ok");
        // A new player from the login form goes back to the menu, not into the story.
        EXPECT_TRUE(Showing("menu"));
        EXPECT_FALSE(Showing("story"));
        EXPECT_EQ(_AppModule::currentPlayerName, name);
    }
    EXPECT_EQ(_AppModule::CountUsers(), 7);
    ClickControl("menu", "login");
    EXPECT_FALSE(ControlShowing("login", "login_new"));
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(ControlShowing("login", "select" + std::to_string(n)), n <= 7) << n;
    }
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("login", "name3"), "Cy");
    StepFrames(40);  // past the cross-fade
    SaveFrame("menu_form_login");
    ClickControl("login", "select3");
    EXPECT_EQ(_AppModule::UserID(), 3);
    EXPECT_EQ(_AppModule::currentPlayerName, "Cy");
    EXPECT_TRUE(Showing("menu"));
}

TEST_F(ProfilesTest, DeletingAsksFirstAndRemovesEveryKeyOfThatPlayer) {
    MakePlayer("Ada", 4);
    MakePlayer("Bo", 9);
    AppConstantsManager& store = AppSettings();
    for (const SettingKey* key : {&settings_keys::PLAYER_HINTS, &settings_keys::PLAYER_RETRIES,
                                  &settings_keys::PLAYER_UNDOS, &settings_keys::PLAYER_COMPLETE}) {
        store.SetPlayer(1, *key, "2", 1);
        store.SetPlayer(2, *key, "3", 1);
    }
    store.SetConstantValue("player2bestround", "7", 0);
    StartMenu();
    ASSERT_EQ(_AppModule::UserID(), 2);

    ClickControl("menu", "login");
    ClickControl("login", "delete2");
    ASSERT_TRUE(Showing("confirmdelete"));
    EXPECT_FALSE(Showing("login"));
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("confirmdelete", "name"), "Bo");
    StepFrames(40);  // past the cross-fade
    SaveFrame("menu_form_confirmdelete");
    ClickControl("confirmdelete", "confirmdelete_no");
    EXPECT_EQ(_AppModule::CountUsers(), 2);
    EXPECT_TRUE(Showing("login"));

    ClickControl("login", "delete2");
    ClickControl("confirmdelete", "confirmdelete_yes");
    EXPECT_TRUE(Showing("login"));
    EXPECT_FALSE(ControlShowing("login", "select2"));

    // Read back from the file: player 2 has left no key, player 1 keeps all of theirs.
    ResetAppSettings();
    for (const auto& [key, value] : AppSettings().Constants()) {
        EXPECT_NE(key.rfind("player2", 0), 0u) << key;
    }
    EXPECT_EQ(AppSettings().GetPlayerInt(1, settings_keys::PLAYER_LEVEL), 4);
    EXPECT_EQ(AppSettings().GetPlayer(1, settings_keys::PLAYER_UNDOS), "2");
    EXPECT_EQ(AppSettings().GetPlayer(1, settings_keys::PLAYER_NAME), "Ada");

    // The current player was deleted: nobody is selected, and the menu's "login"
    // asks for one of those left.
    EXPECT_EQ(_AppModule::UserID(), 0);
    EXPECT_EQ(_AppModule::currentPlayerName, "");
    ClickControl("login", "login_back");
    EXPECT_TRUE(Showing("menu"));
    EXPECT_TRUE(ControlShowing("menu", "login"));
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("menu", "login"), "Choose a player");
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("menu", "username"), "");
}

// Deleting the current player leaves the others in reach after a restart:
// one is chosen through the login form and plays on at its own level.
TEST_F(ProfilesTest, AfterTheCurrentPlayerIsDeletedAnotherPlaysOnAfterARestart) {
    MakePlayer("Ada", 12);
    MakePlayer("Bo", 3);
    MakePlayer("Cy", 7);
    StartMenu();
    ClickControl("menu", "login");
    ClickControl("login", "delete3");
    ClickControl("confirmdelete", "confirmdelete_yes");
    ASSERT_EQ(_AppModule::UserID(), 0);

    ResetAppSettings();  // a restart reads the file again
    StartMenu();
    ASSERT_TRUE(ControlShowing("menu", "login"));
    ClickControl("menu", "login");
    ClickControl("login", "select1");
    EXPECT_EQ(_AppModule::currentPlayerName, "Ada");
    ClickControl("menu", "start");
    StepFrames(70);
    ASSERT_EQ(_AppModule::currentModule, APP_GAME);
    const auto game = std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->iCurrentLevel, 12);
}

TEST_F(ProfilesTest, PlayerAtLevelFiveStartsTheGameAfterTheFade) {
    MakePlayer("Ada", 5);
    StartMenu();
    ClickControl("menu", "start");
    EXPECT_FALSE(Showing("story"));
    EXPECT_FALSE(menu->storyImage);
    EXPECT_EQ(menu->fadeToBlack, myMainMenu::FADE_MS);
    StepFrames(62, FRAME_MS);  // 992 ms into the fade
    EXPECT_EQ(_AppModule::currentModule, APP_MAINMENU);
    StepFrames(1, FRAME_MS);
    ASSERT_EQ(_AppModule::currentModule, APP_GAME);
    auto game = std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
    ASSERT_TRUE(game);
    EXPECT_FALSE(game->Relaxed());
    // The menu keeps its slot and gave up its resources.
    ASSERT_TRUE(_AppModule::appModules[APP_MAINMENU]);
    EXPECT_EQ(_AppModule::appModules[APP_MAINMENU]->_gotResources, 0);
}

TEST_F(ProfilesTest, TwoButtonsInOneFrameOnlyTheFirstActs) {
    MakePlayer("Ada", 1);
    StartMenu();
    // "options" comes before "highscores" in the menu's order, "freeplay" before both.
    Hit({"highscores", "options"});
    EXPECT_TRUE(Showing("options"));
    EXPECT_FALSE(Showing("highscores"));
    Hit({"options_accept"});
    Hit({"highscores", "freeplay", "options"});
    EXPECT_TRUE(Showing("relaxed"));
    EXPECT_FALSE(Showing("highscores"));
    EXPECT_FALSE(Showing("options"));
    // The story's "next" goes before everything.
    Hit({"relaxed_back", "story_next"});
    EXPECT_EQ(menu->currentStoryScreen, 1);
    EXPECT_TRUE(Showing("relaxed"));
}

// The widest name the name form takes fits every place a name is shown.
TEST_F(ProfilesTest, TheWidestNameFitsWhereverANameIsShown) {
    MakePlayer("Ada", 1);
    StartMenu();
    ClickControl("menu", "login");
    ClickControl("login", "login_new");
    Type("WWWWWWWWWWWWWW");
    ClickControl("newuser", "newuser_ok");
    const std::string name = _AppModule::currentPlayerName;
    ASSERT_FALSE(name.empty());
    EXPECT_LT(name.size(), 14u);
    _AppModule::addHighScore(0, 9999999);
    menu->UpdateHighScoreText();
    ClickControl("menu", "login");
    menu->ConfirmDeletePlayerProfile(2);
    const auto fits = [](const std::string& form, const std::string& control) {
        const ControlPtr shown = _AppModule::appGUI->GetControl(form, control);
        ASSERT_TRUE(shown && shown->font) << form << " " << control;
        const float width = shown->font->TextWidth(shown->captionText, -1);
        EXPECT_LE(width, static_cast<float>(shown->position.xe - shown->position.xs))
            << form << " " << control << ": " << shown->captionText;
    };
    fits("menu", "username");
    fits("menu", "login");
    fits("login", "name2");
    fits("confirmdelete", "name");
    fits("highscores", "hs0");
    StepFrames(40);
    SaveFrame("menu_form_confirmdelete_widest");
}
