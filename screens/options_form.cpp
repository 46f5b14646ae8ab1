// The options form's volumes and screen mode, shared by the menu and the game.
#include "screens/options_form.h"

#include "app/app_module.h"

namespace {

constexpr float SILENT_BELOW = 0.1f;
const char* const MUSIC_SLIDER = "music_volume";
const char* const SOUND_SLIDER = "sound_volume";

float Kept(const std::string& form, const char* slider, float placed, float saved) {
    const float value = _AppModule::GetVolumeSliderPosition(form, slider);
    return value == placed ? saved : SliderVolume(value);
}

}  // namespace

float SliderVolume(float value) {
    return value < SILENT_BELOW ? 0.0f : value;
}

void OptionsVolumes::Open(const std::string& form) {
    savedMusic = _AppModule::GetMusicVolume();
    savedSound = _AppModule::GetSoundVolume();
    _AppModule::SetVolumeSliderPosition(form, MUSIC_SLIDER, savedMusic);
    _AppModule::SetVolumeSliderPosition(form, SOUND_SLIDER, savedSound);
    placedMusic = _AppModule::GetVolumeSliderPosition(form, MUSIC_SLIDER);
    placedSound = _AppModule::GetVolumeSliderPosition(form, SOUND_SLIDER);
}

float OptionsVolumes::Music(const std::string& form) const {
    return Kept(form, MUSIC_SLIDER, placedMusic, savedMusic);
}

float OptionsVolumes::Sound(const std::string& form) const {
    return Kept(form, SOUND_SLIDER, placedSound, savedSound);
}

void ShowFullscreen(bool fullscreen) {
    if (IsFullscreen() != fullscreen) {
        _AppModule::ToggleFullscreen();
    }
}
