// The menu's forms with the keyboard alone: the focus order of two forms,
// Tab and Shift+Tab round the ring, Enter presses, a slider steps by 5 %,
// Escape takes the form's no, cancel or back, the name form takes Enter as
// OK, and the story's pages turn with Enter.
#include <algorithm>

#include <gtest/gtest.h>

#include "forms/button.h"
#include "forms/form_focus.h"
#include "menu_test_support.h"
#include "platform/input.h"
#include "platform/music.h"

namespace {

void PressKey(int key) {
    InjectKey(key, true);
    ShippedDataTest::StepFrames(1);
    InjectKey(key, false);
}

// A key, the form update that presses, and the menu's frame that handles it.
void PressAndHandle(int key) {
    PressKey(key);
    ShippedDataTest::StepFrames(1);
}

std::vector<std::string> OrderOf(const std::string& form) {
    std::vector<std::string> names;
    for (const auto& button : FocusOrder(*_AppModule::appGUI->GetWindow(form))) {
        names.push_back(button->name);
    }
    return names;
}

const formFocus& Focus() {
    return _AppModule::appGUI->focus;
}

}  // namespace

using MenuKeyboardTest = MenuTest;

// Reading order: top to bottom, then left to right; hidden buttons are skipped.
TEST_F(MenuKeyboardTest, FocusOrderOfTwoForms) {
    MakePlayer("Ann", 1);
    MakePlayer("Bo", 2);
    StartMenu();
    _AppModule::appGUI->ShowWindow("login", 1);
    _AppModule::appGUI->ShowControl("login", "login_new", 1);
    _AppModule::PopulatePlayerProfileList();
    const std::vector<std::string> login = OrderOf("login");
    const std::vector<std::string> expectedLogin = {"select1", "delete1",   "select2",
                                                    "delete2", "login_new", "login_back"};
    EXPECT_EQ(login, expectedLogin);
    EXPECT_EQ(OrderOf("exit"), (std::vector<std::string>{"quit_yes", "quit_no"}));
}

// The menu's own buttons, the options with a slider, Escape and the ring.
TEST_F(MenuKeyboardTest, TabEnterSlidersAndEscape) {
    MakePlayer("Ann", 3);
    StartMenu();
    ASSERT_EQ(Focus().FocusedForm(), "menu");
    EXPECT_FALSE(Focus().RingShown());
    const std::vector<std::string> order = OrderOf("menu");
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(Focus().FocusedControl(), order[0]);
    PressKey(KEY_TAB);  // the first key shows the ring where it is
    EXPECT_TRUE(Focus().RingShown());
    EXPECT_EQ(Focus().FocusedControl(), order[0]);
    PressKey(KEY_TAB);
    EXPECT_EQ(Focus().FocusedControl(), order[1]);
    InjectKey(KEY_LEFT_SHIFT, true);
    PressKey(KEY_TAB);
    PressKey(KEY_TAB);
    InjectKey(KEY_LEFT_SHIFT, false);
    EXPECT_EQ(Focus().FocusedControl(), order.back());  // round the ring backwards
    PressKey(KEY_DOWN);
    EXPECT_EQ(Focus().FocusedControl(), order[0]);
    StepFrames(2);
    SaveFrame("keyboard_focus_menu");
    InjectMouseMove(700, 20);
    StepFrames(1);
    EXPECT_FALSE(Focus().RingShown());  // the mouse moved

    // Tab to the options button and press it.
    for (int i = 0; i < 12 && Focus().FocusedControl() != "options"; ++i) {
        PressKey(KEY_TAB);
    }
    ASSERT_EQ(Focus().FocusedControl(), "options");
    PressAndHandle(KEY_ENTER);
    ASSERT_TRUE(Showing("options"));
    StepFrames(40);
    EXPECT_EQ(Focus().FocusedForm(), "options");
    EXPECT_EQ(Focus().FocusedControl(), "sound_volume");  // the top of the form
    EXPECT_TRUE(Focus().RingShown());                     // the keyboard is still in use
    const float volume = GetEffectVolume();
    PressAndHandle(KEY_LEFT);
    PressAndHandle(KEY_LEFT);
    EXPECT_NEAR(GetEffectVolume(), volume - 0.10f, 0.01f);  // two steps of 5 %
    PressAndHandle(KEY_RIGHT);
    EXPECT_NEAR(GetEffectVolume(), volume - 0.05f, 0.01f);
    StepFrames(2);
    SaveFrame("keyboard_focus_slider");
    PressAndHandle(KEY_ESCAPE);  // "Cancel": the volume as it was, back to the menu
    EXPECT_FALSE(Showing("options"));
    EXPECT_TRUE(Showing("menu"));
    EXPECT_NEAR(GetEffectVolume(), volume, 0.001f);

    // The exit question: Escape is "No".
    Hit({"exit"});
    ASSERT_TRUE(Showing("exit"));
    StepFrames(40);
    EXPECT_EQ(Focus().FocusedForm(), "exit");
    PressAndHandle(KEY_ESCAPE);
    EXPECT_FALSE(Showing("exit"));
    EXPECT_EQ(Focus().FocusedForm(), "menu");
}

// A first start by keys: Enter on "start", a typed name and Enter as OK, the
// story's pages turned with Enter until the game starts.
TEST_F(MenuKeyboardTest, FirstStartByKeys) {
    StartMenu();
    ASSERT_EQ(Focus().FocusedControl(), "start");
    PressAndHandle(KEY_ENTER);
    ASSERT_TRUE(Showing("newuser"));
    StepFrames(40);
    Type("Kim");
    PressAndHandle(KEY_ENTER);
    EXPECT_FALSE(Showing("newuser"));
    ASSERT_TRUE(Showing("story"));
    EXPECT_EQ(_AppModule::currentPlayerName, "Kim");
    for (int page = 1; page < 5; ++page) {
        StepFrames(40);
        EXPECT_EQ(Focus().FocusedControl(), "story_next");
        PressAndHandle(KEY_ENTER);
        EXPECT_EQ(menu->currentStoryScreen, page);
    }
    StepFrames(40);
    PressAndHandle(KEY_ENTER);
    EXPECT_GT(menu->fadeToBlack, 0);  // the last page: the game starts after the fade
}

// The relaxed chooser offers only what is open to the player; Enter picks,
// Escape goes back. The high scores close with Enter.
TEST_F(MenuKeyboardTest, RelaxedChooserAndHighScores) {
    MakePlayer("Ann", 3);
    StartMenu();
    Hit({"freeplay"});
    ASSERT_TRUE(Showing("relaxed"));
    StepFrames(40);
    EXPECT_EQ(Focus().FocusedForm(), "relaxed");
    const std::vector<std::string> order = OrderOf("relaxed");
    const auto has = [&](const std::string& name) {
        return std::find(order.begin(), order.end(), name) != order.end();
    };
    EXPECT_TRUE(has("relax_1") && has("relax_3") && has("relaxed_back"));
    EXPECT_FALSE(has("relax_4"));  // locked levels are passed over
    while (Focus().FocusedControl() != "relax_2") {
        ASSERT_LT(std::find(order.begin(), order.end(), Focus().FocusedControl()) - order.begin(),
                  static_cast<long>(order.size()) - 1);
        PressKey(KEY_TAB);
    }
    StepFrames(2);
    SaveFrame("keyboard_focus_relaxed");
    PressAndHandle(KEY_ENTER);
    EXPECT_EQ(menu->iRelaxedLevel, 2);
    EXPECT_GT(menu->fadeToBlack, 0);
}

TEST_F(MenuKeyboardTest, EscapeLeavesTheChooserEnterTheHighScores) {
    MakePlayer("Ann", 3);
    StartMenu();
    Hit({"freeplay"});
    StepFrames(40);
    PressAndHandle(KEY_ESCAPE);
    EXPECT_FALSE(Showing("relaxed"));
    ASSERT_TRUE(Showing("menu"));
    Hit({"highscores"});
    ASSERT_TRUE(Showing("highscores"));
    StepFrames(40);
    EXPECT_EQ(Focus().FocusedForm(), "highscores");
    PressAndHandle(KEY_ENTER);
    EXPECT_FALSE(Showing("highscores"));
    EXPECT_TRUE(Showing("menu"));
}
