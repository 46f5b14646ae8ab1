#include "screens/main_menu.h"

#include <algorithm>

#include "app/line_helpers.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/music.h"
#include "platform/numbers.h"
#include "screens/main_menu_forms.h"
#include "screens/start_game.h"
#include "toolkit/sprite.h"

// Hits are handled in this order; only the first one hit in a frame acts.
const myMainMenu::ButtonAction myMainMenu::BUTTONS[] = {
    {"freeplay", &myMainMenu::_OnFreeplay, 0},
    {"relaxed_back", &myMainMenu::_OnRelaxedBack, 0},
    {"relaxed_random", &myMainMenu::_OnRelaxedRandom, 0},
    {"exit", &myMainMenu::_OnExit, 0},
    {"download", &myMainMenu::_OnDownload, 0},
    {"login", &myMainMenu::_OnLogin, 0},
    {"quit_yes", &myMainMenu::_OnQuitYes, 0},
    {"quit_no", &myMainMenu::_OnQuitNo, 0},
    {"start", &myMainMenu::_OnStart, 0},
    {"newuser_cancel", &myMainMenu::_OnNewUserCancel, 0},
    {"newuser_ok", &myMainMenu::_OnNewUserOk, 0},
    {"options", &myMainMenu::_OnOptions, 0},
    {"options_cancel", &myMainMenu::_OnOptionsCancel, 0},
    {"fullscreen", &myMainMenu::_OnFullscreen, 0},
    {"windowed", &myMainMenu::_OnWindowed, 0},
    {"language", &myMainMenu::_OnLanguage, 0},
    {"options_accept", &myMainMenu::_OnOptionsAccept, 0},
    {"sound_volume", &myMainMenu::_OnSoundVolume, 0},
    {"music_volume", &myMainMenu::_OnMusicVolume, 0},
    {"login_new", &myMainMenu::_OnLoginNew, 0},
    {"login_back", &myMainMenu::_OnLoginBack, 0},
    {"delete1", &myMainMenu::_OnDelete, 1},
    {"delete2", &myMainMenu::_OnDelete, 2},
    {"delete3", &myMainMenu::_OnDelete, 3},
    {"delete4", &myMainMenu::_OnDelete, 4},
    {"delete5", &myMainMenu::_OnDelete, 5},
    {"delete6", &myMainMenu::_OnDelete, 6},
    {"delete7", &myMainMenu::_OnDelete, 7},
    {"delete8", &myMainMenu::_OnDelete, 8},
    {"confirmdelete_yes", &myMainMenu::_OnConfirmDeleteYes, 0},
    {"confirmdelete_no", &myMainMenu::_OnConfirmDeleteNo, 0},
    {"select0", &myMainMenu::_OnSelect, 0},
    {"select1", &myMainMenu::_OnSelect, 1},
    {"select2", &myMainMenu::_OnSelect, 2},
    {"select3", &myMainMenu::_OnSelect, 3},
    {"select4", &myMainMenu::_OnSelect, 4},
    {"select5", &myMainMenu::_OnSelect, 5},
    {"select6", &myMainMenu::_OnSelect, 6},
    {"select7", &myMainMenu::_OnSelect, 7},
    {"select8", &myMainMenu::_OnSelect, 8},
    {"highscores", &myMainMenu::_OnHighScores, 0},
    {"hs1_next", &myMainMenu::_OnHighScoresBack, 0},
};

std::shared_ptr<myMainMenu> myMainMenu::Create(const std::string& resourceFile) {
    auto menu = std::make_shared<myMainMenu>();
    menu->Initialise(resourceFile, APP_MAINMENU);
    return menu;
}

void myMainMenu::Start() {
    DestroyModule(APP_LOADINGSCREEN);
    DestroyModule(APP_GAME);
    DestroyModule(APP_INTRO);
    _AppModule::Start();
    config = ReadMenuConfig(*this);
    SeedRnd(ClockSeed());  // "Surprise me" differs from one launch to the next
    ShowMainMenu();
    if (appGUI) {
        appGUI->TurnMouseOn();
    }
    AddDummyHighScores(0, "AAA", 300, 10, 20);
    StartSong("music1");
    currentStoryScreen = 0;
    fadeIn = FADE_MS;
    fadeToBlack = 0;
    if (!config.moreGamesOn && appGUI) {
        appGUI->HideControl(menu_forms::MENU, "download");
    }
    for (const SettingKey* key : {&settings_keys::LAST_SCORE, &settings_keys::HIGH_SCORE}) {
        const int score = ToInt(AppSettings().GetConstantValue(key->name, "0", 1));
        if (score > 0 && appGUI) {
            appGUI->SetControlCaptionText(menu_forms::MENU, key->name,
                                          ZeroPadded(std::to_string(score), 6));
        }
    }
    SetMouseVisible(true);
}

_AppModule::ProfilePtr myMainMenu::LoadResources() {
    ProfilePtr profile = _AppModule::LoadResources();
    KeepSongsInMemory = 1;
    return profile;
}

void myMainMenu::UnloadResources() {
    storyImage.reset();
    relaxedBG.reset();
    crossFadeImage.reset();
    crossFadeAlpha = 0.0f;
    _AppModule::UnloadResources();
}

void myMainMenu::beginFadeImage() {
    crossFadeImage = screenGrab();
    crossFadeAlpha = 1.0f;
}

void myMainMenu::Update(int ms) {
    _AppModule::Update(ms);
    if (crossFadeAlpha > 0.0f) {
        crossFadeAlpha -= static_cast<float>(ms) / CROSS_FADE_MS;
        if (crossFadeAlpha <= 0.0f) {
            crossFadeAlpha = 0.0f;
            crossFadeImage.reset();
        }
    }
    if (fadeIn > 0) {
        fadeIn = std::max(fadeIn - ms, 0);
    }
    if (fadeToBlack >= 1) {
        fadeToBlack -= ms;
        if (fadeToBlack < 1) {
            fadeToBlack = 0;
            if (fadeTarget == FADE_TO_STARTGAME) {
                const bool relaxed = appGUI && appGUI->IsWindowShowing(menu_forms::RELAXED);
                StartGame(relaxed ? 1 : 0, iRelaxedLevel, iRelaxedMusic, iRelaxedTileset,
                          iRelaxedBackground);
            }
            EndModule();
        }
        return;
    }
    if (!_HandleButtons()) {
        _HandleRelaxedChoices();
    }
}

bool myMainMenu::_HandleButtons() {
    if (guiButtonHit("story_next")) {
        _OnStoryNext(0);
        return true;
    }
    // Closing the window asks the same question as the exit button; closing
    // it again while the question is up answers yes.
    const bool closeRequested = AppTerminate();
    if (closeRequested && appGUI && appGUI->IsWindowShowing(menu_forms::EXIT)) {
        _OnQuitYes(0);
        return true;
    }
    for (const ButtonAction& action : BUTTONS) {
        const bool hit = guiButtonHit(action.name) != 0 ||
                         (closeRequested && std::string(action.name) == "exit");
        if (hit) {
            (this->*action.handle)(action.n);
            return true;
        }
    }
    return false;
}

void myMainMenu::_BeginFadeToGame() {
    fadeToBlack = FADE_MS;
    beginFadeImage();
    RequestSong("");
    fadeTarget = FADE_TO_STARTGAME;
}

void myMainMenu::_OnExit(int /*n*/) {
    beginFadeImage();
    appGUI->ShowWindow(menu_forms::EXIT, 1);
}

void myMainMenu::_OnQuitYes(int /*n*/) {
    fadeToBlack = FADE_MS;
    RequestSong("");
    fadeTarget = FADE_TO_EXIT;
}

void myMainMenu::_OnQuitNo(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::EXIT);
}

void myMainMenu::_OnDownload(int /*n*/) {
    const std::string& url = config.moreGamesUrl;
    if (!url.empty()) {
        OpenBrowser(url);
    }
}

void myMainMenu::Draw() {
    const bool relaxedShown = appGUI && appGUI->IsWindowShowing(menu_forms::RELAXED);
    SetScale(1.0f, 1.0f);
    SetRotation(0.0f);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(BLEND_ALPHA);
    // The menu's own backdrop sits behind every dialog; a story picture or the
    // chosen relaxed background takes its place.
    if (storyImage) {
        DrawImage(storyImage, 0, 0);
    } else if (relaxedShown) {
        _DrawRelaxedBackdrop();
    } else if (SpritePtr backdrop = OptionalSprite("MenuBackground")) {
        backdrop->DrawDirectEx(0, 0);
    }
    if (appGUI) {
        appGUI->Draw();
    }
    if (relaxedShown && !appGUI->IsWindowShowing(menu_forms::EXIT)) {
        _DrawRelaxedMarks();
    }
    DrawParticleEmitters();
    SetScale(1.0f, 1.0f);
    SetRotation(0.0f);
    SetColor(255, 255, 255);
    SetBlend(BLEND_ALPHA);
    if (crossFadeImage && crossFadeAlpha > 0.0f) {
        SetAlpha(crossFadeAlpha);
        DrawImage(crossFadeImage, 0, 0);
        SetAlpha(1.0f);
    }
    float black = 0.0f;
    if (fadeIn >= 1) {
        black = static_cast<float>(fadeIn) / FADE_MS;
    } else if (fadeToBlack > 0) {
        black = 1.0f - static_cast<float>(fadeToBlack) / FADE_MS;
    }
    if (black > 0.0f) {
        SetColor(0, 0, 0);
        SetAlpha(black);
        DrawRect(0, 0, static_cast<float>(AppDisplay::width),
                 static_cast<float>(AppDisplay::height));
        SetColor(255, 255, 255);
        SetAlpha(1.0f);
    }
    _AppModule::Draw();
}
