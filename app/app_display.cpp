#include <cstdio>

#include "app/app_module.h"
#include "app/languages.h"
#include "app/line_helpers.h"
#include "app/locale_strings.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "platform/graphics.h"
#include "platform/system.h"

int AppDisplay::width = 800;
int AppDisplay::height = 600;
int AppDisplay::depth = 32;

namespace {
constexpr int DISPLAY_HERTZ = 60;
}  // namespace

bool IsFullscreen() {
    const SettingKey& key = settings_keys::FULLSCREEN;
    const SettingKey firstStart{key.name, FirstStartFullscreen() ? "1" : "0", key.storeDefault};
    return AppSettings().GetInt(firstStart) != 0;
}

bool OpenAppGraphics(int width, int height, int depth) {
    AppDisplay::width = width;
    AppDisplay::height = height;
    AppDisplay::depth = depth;
    const bool fullscreen = IsFullscreen();
    LoadLocaleFromSettings();
    OpenDisplay(fullscreen);
    if (!GraphicsOpen()) {
        // The one line a player sees when there is nothing to show the game on.
        std::fprintf(stderr,
                     "Tessalune: cannot open the display (it needs a window with OpenGL 3.3)\n");
        return false;
    }
    return true;
}

void LoadLocaleFromSettings() {
    localeStringManager::loadLocaleStrings(ChosenLocaleFile(), 0);
}

void ApplyLocaleFile(const std::string& file) {
    ChooseLocaleFile(file);
    if (_AppModule::appGUI) {
        _AppModule::appGUI->RefreshCaptions();
    }
    const int current = _AppModule::currentModule;
    if (current >= 0 && current < APP_SLOT_COUNT && _AppModule::appModules[current]) {
        _AppModule::appModules[current]->RefreshLocaleSprites();
    }
}

void OpenDisplay(bool fullscreen) {
    OpenGraphics(AppDisplay::width, AppDisplay::height, fullscreen ? AppDisplay::depth : 0,
                 DISPLAY_HERTZ);
}
