// Shell-wide services of the module class: start, volumes, screen mode,
// loading progress, the form manager and the profile list.
#include "app/app_module.h"
#include "app/line_helpers.h"
#include "app/settings.h"
#include "forms/button.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/music.h"
#include "toolkit/render_state.h"

namespace {

constexpr int LAST_REMEMBERED_PLAYER = 7;
constexpr int PROFILE_LIST_SLOTS = 8;
constexpr int VEIL_WIDTH = 1024;
constexpr int VEIL_HEIGHT = 768;

std::shared_ptr<_qxButton> FindButton(const std::string& window, const std::string& control) {
    if (!_AppModule::appGUI) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<_qxButton>(_AppModule::appGUI->GetControl(window, control));
}

float StoredVolume(const SettingKey& key) {
    return ToFloat(AppSettings().Get(key));
}

}  // namespace

void _AppModule::BeginApp() {
    appRenderState = _kwa_RenderState::Create();
    const int lastPlayer = AppSettings().GetInt(settings_keys::LAST_PLAYER);
    if (lastPlayer >= 1 && lastPlayer <= LAST_REMEMBERED_PLAYER) {
        currentPlayerName = AppSettings().GetPlayer(lastPlayer, settings_keys::PLAYER_NAME);
    }
    ReadHighScores();
    SetEffectVolume(StoredVolume(settings_keys::SOUND_VOLUME));
    SetSongVolume(StoredVolume(settings_keys::MUSIC_VOLUME));
    for (int slot : {APP_INTRO, APP_MAINMENU, APP_GAME}) {
        if (appModules[slot]) {
            appModules[slot]->Start();
            return;
        }
    }
}

float _AppModule::GetSoundVolume() {
    return GetEffectVolume();
}

void _AppModule::SetSoundVolume(float volume) {
    SetEffectVolume(volume);
    AppSettings().Set(settings_keys::SOUND_VOLUME, std::to_string(volume), 0);
}

float _AppModule::GetMusicVolume() {
    return GetSongVolume();
}

void _AppModule::SetMusicVolume(float volume) {
    SetSongVolume(volume);
    AppSettings().Set(settings_keys::MUSIC_VOLUME, std::to_string(volume), 0);
}

void _AppModule::SetVolumeSliderPosition(const std::string& window, const std::string& control,
                                         float volume) {
    if (auto button = FindButton(window, control)) {
        button->SetSliderValue(volume, 1);
    }
}

float _AppModule::GetVolumeSliderPosition(const std::string& window, const std::string& control) {
    auto button = FindButton(window, control);
    return button ? button->GetSliderValue(1.0f) : 0.0f;
}

void _AppModule::UpdateFullscreenFromButton(const std::string& window, const std::string& control) {
    auto button = FindButton(window, control);
    if (!button) {
        return;
    }
    const int wanted = button->GetToggleValue();
    const bool fullscreen = IsFullscreen();
    if ((wanted == 1 && !fullscreen) || (wanted == 0 && fullscreen)) {
        ToggleFullscreen();
    }
}

void _AppModule::UpdateFullscreenButton(const std::string& window, const std::string& control) {
    if (auto button = FindButton(window, control)) {
        button->SetToggleValue(IsFullscreen() ? 1 : 0);
    }
}

void _AppModule::ToggleFullscreen() {
    if (AppSettings().GetInt(settings_keys::FULLSCREEN_TOGGLE) == 0) {
        OpenDisplay(true);
        AppSettings().Set(settings_keys::FULLSCREEN, "1", 0);
    } else {
        OpenDisplay(false);
        AppSettings().Set(settings_keys::FULLSCREEN, "0", 0);
    }
    WaitTimerTick();
    FocusLost();  // the new window took the focus from the old one: no reason to pause
}

void _AppModule::UpdateLoadingProgress(int progress) {
    loadingProgress = progress;
    std::shared_ptr<_AppModule> screen = appModules[APP_LOADINGSCREEN];
    if (!screen) {
        return;
    }
    if (!screen->_gotResources) {
        screen->LoadResources();
    }
    screen->Draw();
}

void _AppModule::LoadGUI(const std::string& file) {
    appGUI = _qxGUI::Create(file, VEIL_WIDTH, VEIL_HEIGHT);
}

void _AppModule::PopulatePlayerProfileList() {
    if (!appGUI) {
        return;
    }
    for (int n = 1; n <= PROFILE_LIST_SLOTS; ++n) {
        const std::string number = std::to_string(n);
        const std::string name = PlayerProfileName(n);
        appGUI->SetControlCaptionText("login", "name" + number, name);
        appGUI->ShowControl("login", "select" + number, name.empty() ? 0 : 1);
        appGUI->ShowControl("login", "delete" + number, name.empty() ? 0 : 1);
    }
}

void _AppModule::OpenBrowser(const std::string& url) {
    if (!IsFullscreen()) {
        OpenURL(url);
        return;
    }
    CloseGraphics();
    OpenURLFromSmallWindow(url);
    OpenDisplay(true);
}
