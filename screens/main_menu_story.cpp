// The main menu's way into a game: a new player first, then the story
// pictures before the first level, then the fade into the game.
#include "app/assets.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/music.h"
#include "platform/numbers.h"
#include "screens/main_menu.h"
#include "screens/main_menu_forms.h"

int myMainMenu::PlayerLevel() const {
    return AppSettings().GetPlayerInt(UserID(), settings_keys::PLAYER_LEVEL_SEEN);
}

void myMainMenu::_LoadStoryPicture() {
    storyImage =
        LoadAssetImage(GameConfig::At(config.storyScreens, currentStoryScreen + 1), IMG_DEFAULT);
}

void myMainMenu::_ShowFirstStoryPicture() {
    _LoadStoryPicture();
    appGUI->ShowWindow(menu_forms::STORY, 1);
}

void myMainMenu::_OnStart(int /*n*/) {
    SeedRnd(MilliSecs());
    if (currentPlayerName.empty()) {
        // A name must be given first: no cancel on this form.
        beginFadeImage();
        startAfterNewUser = 1;
        appGUI->HideWindow(menu_forms::MENU);
        _ShowNewUserForm(false);
        return;
    }
    if (config.NumberStoryScreens() > 0 && PlayerLevel() == 1) {
        beginFadeImage();
        appGUI->HideWindow(menu_forms::MENU);
        _ShowFirstStoryPicture();
        return;
    }
    _BeginFadeToGame();
}

void myMainMenu::_OnStoryNext(int /*n*/) {
    beginFadeImage();
    ++currentStoryScreen;
    if (currentStoryScreen < config.NumberStoryScreens()) {
        _LoadStoryPicture();
        return;
    }
    fadeToBlack = FADE_MS;
    RequestSong("");
    fadeTarget = FADE_TO_STARTGAME;
}
