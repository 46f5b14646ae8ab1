// The intro's fades and the whole screen sequence from an empty user folder:
// intro, a new player, the story pictures, a game, back to the menu.
#include <cmath>
#include <gtest/gtest.h>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "menu_test_support.h"
#include "platform/pixmap.h"
#include "screens/game_flow.h"
#include "screens/game_screen.h"
#include "screens/intro.h"
#include "screens/main_menu_sequence.h"

namespace {

double MeanLevel(const PixmapPtr& pixmap) {
    return pixmap ? MeanBrightness(*pixmap, 0, 0, pixmap->width, pixmap->height) : 0.0;
}

}  // namespace

TEST(IntroFadeTest, EqualTimesSwitchAtOnceInsteadOfDividingByZero) {
    EXPECT_FLOAT_EQ(IntroFadeOut(0, 500, 0), 1.0f);
    EXPECT_FLOAT_EQ(IntroFadeOut(0, 500, 250), 0.5f);
    EXPECT_FLOAT_EQ(IntroFadeIn(500, 1500, 500), 0.0f);
    EXPECT_FLOAT_EQ(IntroFadeIn(500, 1500, 1000), 0.5f);
    EXPECT_FLOAT_EQ(IntroFadeIn(700, 700, 700), 1.0f);
    EXPECT_FLOAT_EQ(IntroFadeOut(3000, 3000, 3000), 0.0f);

    myIntro intro;
    intro.fade = 500;
    intro.fade1[0] = 500;  // no fade-in: the second picture is there at once
    intro.fade1[1] = 3000;
    intro.fade1[2] = 3600;
    intro.time = 500;
    EXPECT_EQ(intro.PictureShown(), 2);
    EXPECT_FLOAT_EQ(intro.AlphaShown(), 1.0f);
    EXPECT_FALSE(std::isnan(intro.AlphaShown()));
}

class ScreenSequenceTest : public MenuTest {};

TEST_F(ScreenSequenceTest, IntroMenuNewPlayerStoryGameAndBack) {
    CreateScreenModules(0);
    ASSERT_TRUE(_AppModule::appModules[APP_INTRO]);
    ASSERT_TRUE(_AppModule::appModules[APP_MAINMENU]);
    ASSERT_FALSE(_AppModule::appModules[APP_GAME]);
    _AppModule::BeginApp();
    ASSERT_EQ(_AppModule::currentModule, APP_INTRO);
    auto intro = std::dynamic_pointer_cast<myIntro>(_AppModule::appModules[APP_INTRO]);
    ASSERT_TRUE(intro);
    EXPECT_EQ(intro->runTime, 3600);

    // Each splash, drawn at its alpha over black, against the picture itself.
    const double splash1 = MeanLevel(LoadAssetPixmap("data/locale/english/splash1.jpg"));
    const double splash2 = MeanLevel(LoadAssetPixmap("data/intro/images/splash2.jpg"));
    ASSERT_GT(splash1, 10.0);
    ASSERT_GT(splash2, 10.0);
    struct Moment {
        int ms;
        int picture;
        float alpha;
    };
    int now = 0;
    for (const Moment& m :
         {Moment{0, 1, 1.0f}, Moment{250, 1, 0.5f}, Moment{500, 2, 0.0f}, Moment{1000, 2, 0.5f},
          Moment{1500, 2, 1.0f}, Moment{3000, 2, 1.0f}, Moment{3300, 2, 0.5f}}) {
        // Frames of 10 ms (one tick never passes more than 50 ms).
        if (m.ms == 0) {
            StepFrames(1, 0);
        }
        for (; now < m.ms; now += 10) {
            StepFrames(1, 10);
        }
        SCOPED_TRACE(m.ms);
        ASSERT_EQ(intro->time, m.ms);
        EXPECT_EQ(intro->PictureShown(), m.picture);
        EXPECT_NEAR(intro->AlphaShown(), m.alpha, 1e-4);
        const double expected = (m.picture == 1 ? splash1 : splash2) * m.alpha;
        EXPECT_NEAR(Brightness(), expected, 3.0);
        if (m.ms == 0 || m.ms == 1500) {
            SaveFrame("intro_" + std::to_string(m.ms));
        }
    }
    StepFrames(29, 10);
    StepFrames(1, 9);
    EXPECT_EQ(intro->time, 3599);
    EXPECT_EQ(_AppModule::currentModule, APP_INTRO);
    StepFrames(1, 1);  // 3600 ms: the intro ends and the menu takes over
    EXPECT_EQ(_AppModule::currentModule, APP_MAINMENU);
    EXPECT_FALSE(_AppModule::appModules[APP_INTRO]);
    EXPECT_FALSE(_AppModule::appModules[APP_LOADINGSCREEN]);
    StepFrames(70, FRAME_MS);

    // The first start has no player: "start" asks for a name, without cancel.
    menu = std::dynamic_pointer_cast<myMainMenu>(_AppModule::appModules[APP_MAINMENU]);
    ASSERT_TRUE(menu);
    EXPECT_FALSE(ControlShowing("menu", "login"));
    ClickControl("menu", "start");
    ASSERT_TRUE(Showing("newuser"));
    EXPECT_FALSE(ControlShowing("newuser", "newuser_cancel"));
    const __Rect ok = _AppModule::appGUI->GetControl("newuser", "newuser_ok")->position;
    const __Rect panel = _AppModule::appGUI->GetControl("newuser", "newuser_panel")->position;
    EXPECT_NEAR(ok.xs + ok.xe, panel.xs + panel.xe, 1) << "OK alone sits in the middle";
    Type("Robin");
    ClickControl("newuser", "newuser_ok");
    EXPECT_EQ(_AppModule::currentPlayerName, "Robin");
    EXPECT_EQ(_AppModule::UserID(), 1);

    // Five story pictures, then the fade into the game.
    for (int picture = 1; picture <= 5; ++picture) {
        SCOPED_TRACE(picture);
        StepFrames(40, FRAME_MS);
        ASSERT_TRUE(Showing("story"));
        ASSERT_TRUE(menu->storyImage);
        EXPECT_EQ(menu->currentStoryScreen, picture - 1);
        ClickControl("story", "story_next");
    }
    EXPECT_EQ(menu->fadeToBlack, myMainMenu::FADE_MS);
    StepFrames(63, FRAME_MS);
    ASSERT_EQ(_AppModule::currentModule, APP_GAME);
    auto game = std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
    ASSERT_TRUE(game);
    EXPECT_FALSE(game->Relaxed());
    EXPECT_EQ(game->iCurrentLevel, 1);

    // Past the map with a click, then give up: the menu comes back with the last score.
    for (int i = 0; i < 400 && game->GameState() != GS_LEVEL_RUNNING; ++i) {
        if (game->GameState() == GS_SHOWING_PROGRESS_BEFORE && i % 50 == 49) {
            Click(400, 300);
        }
        StepFrames(1, FRAME_MS);
    }
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    StepFrames(60, FRAME_MS);
    SaveFrame("sequence_game_level1");
    Hit({"sb_giveup"});
    ASSERT_EQ(game->GameState(), GS_ASK_GIVEUP);
    Hit({"giveup_yes"});
    for (int i = 0; i < 300 && _AppModule::currentModule == APP_GAME; ++i) {
        StepFrames(1, FRAME_MS);
    }
    game.reset();
    StepFrames(70, FRAME_MS);
    ASSERT_EQ(_AppModule::currentModule, APP_MAINMENU);
    EXPECT_FALSE(_AppModule::appModules[APP_GAME]);
    EXPECT_TRUE(Showing("menu"));
    EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("menu", "username"), "Welcome, Robin");
    const int lastScore = ToInt(AppSettings().GetConstantValue("lastscore", "0", 0));
    if (lastScore > 0) {
        std::string padded = std::to_string(lastScore);
        padded.insert(0, padded.size() < 6 ? 6 - padded.size() : 0, '0');
        EXPECT_EQ(_AppModule::appGUI->GetControlCaptionText("menu", "lastscore"), padded);
    }

    // A second player made from the login form stays in the menu: the story
    // was for the first start only.
    ClickControl("menu", "login");
    ClickControl("login", "login_new");
    Type("Sam");
    ClickControl("newuser", "newuser_ok");
    EXPECT_EQ(_AppModule::currentPlayerName, "Sam");
    EXPECT_TRUE(Showing("menu"));
    EXPECT_FALSE(Showing("story"));
    EXPECT_EQ(menu->fadeToBlack, 0);
}
