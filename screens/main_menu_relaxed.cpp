// The relaxed-mode chooser: a reached level with a tile set, song and
// background, the locked ones disabled and drawn with a lock.
#include <algorithm>
#include <vector>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "platform/graphics.h"
#include "platform/music.h"
#include "platform/numbers.h"
#include "screens/main_menu.h"
#include "screens/main_menu_forms.h"
#include "screens/progress_screen.h"
#include "toolkit/sprite.h"

namespace {

std::string Numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

int DrawBelow(int k) {
    return Rand(0, k - 1);
}

}  // namespace

bool myMainMenu::_Unlocked(RelaxedItem item, int n) const {
    return RelaxedItemOpen(iPlayerLevel, progress.get(), item, n);
}

void myMainMenu::PrepareRelaxedModeUI() {
    const int player = UserID();
    iPlayerLevel = AppSettings().GetPlayerInt(player, settings_keys::PLAYER_COMPLETE) == 0
                       ? PlayerLevel()
                       : -1;
    progress = iPlayerLevel >= 1 ? progressScreen::getProgress(iPlayerLevel) : nullptr;
    const int tileSets = config.maxTileSets;
    const int songs = CountSongs();
    const int backgrounds = config.NumberBackgrounds();
    const int levels = config.numberOfLevels;
    auto enable = [](const std::string& control, bool on) {
        appGUI->DisableControl(menu_forms::RELAXED, control, on ? 0 : 1);
    };
    for (int i = 1; i <= tileSets; ++i) {
        enable(Numbered("set_", i), _Unlocked(RelaxedItem::TILE_SET, i));
    }
    for (int i = 1; i <= songs; ++i) {
        enable(Numbered("song_", i), _Unlocked(RelaxedItem::SONG, i));
    }
    for (int i = 1; i <= backgrounds; ++i) {
        enable(Numbered("bg_", i), _Unlocked(RelaxedItem::BACKGROUND, i));
    }
    for (int i = 1; i <= levels; ++i) {
        enable(Numbered("relax_", i), RelaxedLevelOpen(iPlayerLevel, i));
    }
    if (!_Unlocked(RelaxedItem::TILE_SET, iRelaxedTileset)) {
        iRelaxedTileset = 1;
    }
    if (!_Unlocked(RelaxedItem::SONG, iRelaxedMusic)) {
        iRelaxedMusic = 1;
    }
    if (!_Unlocked(RelaxedItem::BACKGROUND, iRelaxedBackground)) {
        iRelaxedBackground = 1;
    }
    relaxedBG = LoadAssetImage(GameConfig::At(config.backgrounds, iRelaxedBackground), IMG_DEFAULT);
}

void myMainMenu::_OnFreeplay(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::MENU);
    PrepareRelaxedModeUI();
    appGUI->ShowWindow(menu_forms::RELAXED, 1);
}

void myMainMenu::_OnRelaxedBack(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::RELAXED);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}

void myMainMenu::_OnRelaxedRandom(int /*n*/) {
    _BeginFadeToGame();
    iRelaxedTileset = iRelaxedMusic = iRelaxedBackground = iRelaxedLevel = 1;
    const int complete = ToInt(
        AppSettings().GetConstantValue(PlayerKey(UserID(), settings_keys::PLAYER_COMPLETE), "", 0));
    if (iPlayerLevel <= 1 && complete == 0) {
        return;
    }
    // Only what the player has reached, unless the story is complete (or the
    // reached level has no record, which leaves everything open).
    const ProgressScreenPtr reached =
        complete != 1 && iPlayerLevel >= 1 ? progressScreen::getProgress(iPlayerLevel) : nullptr;
    const int reachedLevel = reached ? iPlayerLevel : 0;
    auto open = [&reached, reachedLevel](RelaxedItem item) {
        return [&reached, reachedLevel, item](int n) {
            return RelaxedItemOpen(reachedLevel, reached.get(), item, n);
        };
    };
    iRelaxedTileset = RandomOpen(config.maxTileSets, open(RelaxedItem::TILE_SET), DrawBelow);
    iRelaxedMusic = RandomOpen(CountSongs(), open(RelaxedItem::SONG), DrawBelow);
    iRelaxedBackground =
        RandomOpen(config.NumberBackgrounds(), open(RelaxedItem::BACKGROUND), DrawBelow);
    const int lastLevel = complete != 1 && iPlayerLevel >= 1 ? iPlayerLevel : config.numberOfLevels;
    iRelaxedLevel = RandomOpen(
        lastLevel, [](int) { return true; }, DrawBelow);
}

void myMainMenu::_HandleRelaxedChoices() {
    if (!appGUI) {
        return;
    }
    const std::list<std::string> hits = appGUI->buttonsHit;
    for (const std::string& name : hits) {
        if (StartsWithNoCase(name, "relax_")) {
            const int n = ToInt(name.substr(6));
            if (n >= 1) {
                iRelaxedLevel = n;
                _BeginFadeToGame();
            }
        } else if (StartsWithNoCase(name, "set_")) {
            iRelaxedTileset = ToInt(name.substr(4));
        } else if (StartsWithNoCase(name, "song_")) {
            iRelaxedMusic = ToInt(name.substr(5));
            RequestSong(Numbered("music", iRelaxedMusic));
        } else if (StartsWithNoCase(name, "bg_")) {
            iRelaxedBackground = ToInt(name.substr(3));
            relaxedBG =
                LoadAssetImage(GameConfig::At(config.backgrounds, iRelaxedBackground), IMG_DEFAULT);
        }
    }
}

void myMainMenu::_DrawOverButton(const std::string& sprite, const std::string& button) const {
    const SpritePtr mark = OptionalSprite(sprite);
    if (!mark) {
        return;
    }
    const ControlPtr control = appGUI->GetControl(menu_forms::RELAXED, button);
    if (control && control->isVisible) {
        mark->DrawDirectEx(static_cast<float>(control->position.xs),
                           static_cast<float>(control->position.ys));
    }
}

void myMainMenu::_DrawRelaxedMarks() const {
    const int tileSets = config.maxTileSets;
    const int songs = CountSongs();
    const int backgrounds = config.NumberBackgrounds();
    auto locked = [](const std::string& button) {
        const ControlPtr control = appGUI->GetControl(menu_forms::RELAXED, button);
        return control && control->disabled != 0;
    };
    if (iPlayerLevel > 0) {
        for (int i = iPlayerLevel + 1; i <= config.numberOfLevels; ++i) {
            _DrawOverButton("LevelLocked", Numbered("relax_", i));
        }
        for (int i = 1; i <= tileSets; ++i) {
            if (locked(Numbered("set_", i))) {
                _DrawOverButton("BigLock", Numbered("set_", i));
            }
        }
        for (int i = 1; i <= songs; ++i) {
            if (locked(Numbered("song_", i))) {
                _DrawOverButton("BigLock", Numbered("song_", i));
            }
        }
        for (int i = 1; i <= backgrounds; ++i) {
            if (locked(Numbered("bg_", i))) {
                _DrawOverButton("SmallLock", Numbered("bg_", i));
            }
        }
    }
    _DrawOverButton("BigHL", Numbered("set_", iRelaxedTileset));
    _DrawOverButton("BigHL", Numbered("song_", iRelaxedMusic));
    _DrawOverButton("SmallHL", Numbered("bg_", iRelaxedBackground));
}

void myMainMenu::_DrawRelaxedBackdrop() const {
    if (!relaxedBG) {
        return;
    }
    DrawImage(relaxedBG, 0, 0);
    SetColor(0, 0, 0);
    SetAlpha(config.relaxedVeil);
    DrawRect(0, 0, static_cast<float>(AppDisplay::width), static_cast<float>(AppDisplay::height));
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
}
