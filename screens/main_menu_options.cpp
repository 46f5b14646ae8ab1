// The main menu's options: volumes heard while the sliders move, the screen
// mode, the language, and accept or cancel.
#include "app/app_module.h"
#include "app/languages.h"
#include "forms/gui.h"
#include "platform/music.h"
#include "screens/main_menu.h"
#include "screens/main_menu_forms.h"

namespace {

constexpr float SILENT_BELOW = 0.1f;

float Audible(float volume) {
    return volume < SILENT_BELOW ? 0.0f : volume;
}

}  // namespace

void myMainMenu::_OnOptions(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::MENU);
    savedMusicVolume = GetMusicVolume();
    savedSoundVolume = GetSoundVolume();
    SetVolumeSliderPosition(menu_forms::OPTIONS, "music_volume", savedMusicVolume);
    SetVolumeSliderPosition(menu_forms::OPTIONS, "sound_volume", savedSoundVolume);
    // A knob sits on whole pixels; these are what the untouched sliders read.
    placedMusicSlider = GetVolumeSliderPosition(menu_forms::OPTIONS, "music_volume");
    placedSoundSlider = GetVolumeSliderPosition(menu_forms::OPTIONS, "sound_volume");
    appGUI->ShowControl(menu_forms::OPTIONS, "options_cancel", 1);
    appGUI->ShowWindow(menu_forms::OPTIONS, 1);
}

void myMainMenu::_OnOptionsCancel(int /*n*/) {
    SetEffectVolume(savedSoundVolume);
    SetSongVolume(savedMusicVolume);
    appGUI->HideWindow(menu_forms::OPTIONS);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::_OnOptionsAccept(int /*n*/) {
    beginFadeImage();
    const float music = GetVolumeSliderPosition(menu_forms::OPTIONS, "music_volume");
    const float sound = GetVolumeSliderPosition(menu_forms::OPTIONS, "sound_volume");
    // A slider left where it was placed keeps the volume exactly, so opening
    // and accepting the options never creeps the volume down.
    SetMusicVolume(music == placedMusicSlider ? savedMusicVolume : Audible(music));
    SetSoundVolume(sound == placedSoundSlider ? savedSoundVolume : Audible(sound));
    appGUI->HideWindow(menu_forms::OPTIONS);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::_OnFullscreen(int /*n*/) {
    if (!IsFullscreen()) {
        ToggleFullscreen();
    }
}

void myMainMenu::_OnWindowed(int /*n*/) {
    if (IsFullscreen()) {
        ToggleFullscreen();
    }
}

void myMainMenu::_OnLanguage(int /*n*/) {
    // The next language, at once and kept, as the screen mode is.
    ApplyLocaleFile(NextLocaleFile(ChosenLocaleFile()));
    SetPlayerMenuName();
}

void myMainMenu::_OnSoundVolume(int /*n*/) {
    // Heard at once; stored only when the options are accepted.
    SetEffectVolume(Audible(GetVolumeSliderPosition(menu_forms::OPTIONS, "sound_volume")));
}

void myMainMenu::_OnMusicVolume(int /*n*/) {
    SetSongVolume(Audible(GetVolumeSliderPosition(menu_forms::OPTIONS, "music_volume")));
}
