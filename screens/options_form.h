#pragma once
// The options form as the menu and the game both show it: volume sliders
// placed at the volumes when it opens and read back so that an untouched
// slider keeps its volume exactly, and the screen-mode buttons.
#include <string>

// A volume slider's value: below 0.1 counts as silence.
float SliderVolume(float value);

class OptionsVolumes {
public:
    // Remembers the music and sound volumes and puts form's sliders there.
    void Open(const std::string& form);
    // The volume a slider stands for: the remembered one while the slider
    // stays where it was placed (a knob sits on whole pixels, so reading an
    // untouched slider back would creep the volume down).
    float Music(const std::string& form) const;
    float Sound(const std::string& form) const;
    float SavedMusic() const { return savedMusic; }
    float SavedSound() const { return savedSound; }

private:
    float savedMusic = 0.0f;
    float savedSound = 0.0f;
    float placedMusic = 0.0f;  // slider values as the form opened
    float placedSound = 0.0f;
};

// Full screen or a window, switching only when the screen is not so already.
void ShowFullscreen(bool fullscreen);
