// The main menu's options: volumes heard while the sliders move, the screen
// mode, the language, and accept or cancel.
#include "app/app_module.h"
#include "app/languages.h"
#include "forms/gui.h"
#include "platform/music.h"
#include "screens/main_menu.h"
#include "screens/main_menu_forms.h"

void myMainMenu::_OnOptions(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::MENU);
    optionsVolumes.Open(menu_forms::OPTIONS);
    appGUI->ShowControl(menu_forms::OPTIONS, "options_cancel", 1);
    appGUI->ShowWindow(menu_forms::OPTIONS, 1);
}

void myMainMenu::_OnOptionsCancel(int /*n*/) {
    SetEffectVolume(optionsVolumes.SavedSound());
    SetSongVolume(optionsVolumes.SavedMusic());
    appGUI->HideWindow(menu_forms::OPTIONS);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::_OnOptionsAccept(int /*n*/) {
    beginFadeImage();
    SetMusicVolume(optionsVolumes.Music(menu_forms::OPTIONS));
    SetSoundVolume(optionsVolumes.Sound(menu_forms::OPTIONS));
    appGUI->HideWindow(menu_forms::OPTIONS);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::_OnFullscreen(int /*n*/) {
    ShowFullscreen(true);
}

void myMainMenu::_OnWindowed(int /*n*/) {
    ShowFullscreen(false);
}

void myMainMenu::_OnLanguage(int /*n*/) {
    // The next language, at once and kept, as the screen mode is.
    ApplyLocaleFile(NextLocaleFile(ChosenLocaleFile()));
    config = ReadMenuConfig(*this);  // pictures named per language
    SetPlayerMenuName();
}

void myMainMenu::_OnSoundVolume(int /*n*/) {
    // Heard at once; stored only when the options are accepted.
    SetEffectVolume(optionsVolumes.Sound(menu_forms::OPTIONS));
}

void myMainMenu::_OnMusicVolume(int /*n*/) {
    SetSongVolume(optionsVolumes.Music(menu_forms::OPTIONS));
}
