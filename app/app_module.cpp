#include "app/app_module.h"

#include <algorithm>

#include "app/settings.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/music.h"

std::shared_ptr<_AppModule> _AppModule::appModules[APP_SLOT_COUNT];
int _AppModule::currentModule = -1;
int _AppModule::lastTickMS = MilliSecs();
int _AppModule::loadingProgress = 0;
std::shared_ptr<_qxGUI> _AppModule::appGUI;
std::shared_ptr<_kwa_RenderState> _AppModule::appRenderState;

namespace {

constexpr int MAX_TICK_MS = 50;

// The milliseconds from last to now, right across the wrap of the clock (after
// 24.8 days); a clock that went back gives 0. At most MAX_TICK_MS.
int ElapsedMs(int now, int last) {
    return std::clamp(ClockDiff(now, last), 0, MAX_TICK_MS);
}

_AppModule* ModuleIn(int slot) {
    if (slot < 0 || slot >= APP_SLOT_COUNT) {
        return nullptr;
    }
    return _AppModule::appModules[slot].get();
}

// Alt+Enter, whichever Alt key; Enter without Alt is left to the module.
bool FullscreenKeyHit() {
    return (KeyDown(KEY_LEFT_ALT) || KeyDown(KEY_RIGHT_ALT)) && KeyHit(KEY_ENTER) > 0;
}

}  // namespace

_AppModule::~_AppModule() = default;

int _AppModule::Tick() {
    const int now = MilliSecs();
    if (currentModule < 0) {
        return 0;
    }
    if (currentModule >= APP_SLOT_COUNT) {
        DebugLog("***Error: no module slot " + std::to_string(currentModule) + ", the loop ends");
        currentModule = -1;
        return 0;
    }
    // A signal to end (logout, kill) ends the run as leaving the last screen does.
    if (TerminationRequested()) {
        currentModule = -1;
        WriteHighScores();
        return 0;
    }
    if (FullscreenKeyHit()) {
        ToggleFullscreen();
    }
    const int ms = ElapsedMs(now, lastTickMS);
    // Keep the module alive through its own update even if it empties its slot.
    std::shared_ptr<_AppModule> module = appModules[currentModule];
    if (module) {
        module->Update(ms);
    }
    UpdateMusic(ms);
    if (appGUI) {
        appGUI->Update(ms);
    }
    lastTickMS = now;
    if (currentModule >= 0 && currentModule < APP_SLOT_COUNT) {
        std::shared_ptr<_AppModule> drawn = appModules[currentModule];
        Cls();
        if (drawn) {
            drawn->Draw();
        }
    }
    return 1;
}

ImagePtr _AppModule::screenGrab() {
    DestroyScreenGrabImage();
    screenGrabImage =
        CreateImage(AppDisplay::width, AppDisplay::height, 1, IMG_FILTERED | IMG_DYNAMIC);
    bDoScreenGrab = 1;
    if (_AppModule* current = ModuleIn(currentModule)) {
        current->Draw();
    }
    return screenGrabImage;
}

void _AppModule::DestroyScreenGrabImage() {
    screenGrabImage.reset();
}

void _AppModule::Draw() {
    if (bDoScreenGrab) {
        GrabImage(screenGrabImage, 0, 0);
        bDoScreenGrab = 0;
    }
    Flip();
}

void _AppModule::Start() {
    if (currentModule != _modID) {
        if (_AppModule* previous = ModuleIn(currentModule)) {
            previous->Stop();
        }
    }
    if (_gotResources != 1) {
        LoadResources();
    }
    currentModule = _modID;
    FlushKeys();
    if (DebugLogEnabled()) {
        DebugLog("module " + std::to_string(_modID) + " started");
    }
}

void _AppModule::Stop() {
    if (!appGUI) {
        return;
    }
    for (const std::string& name : _guiWindows) {
        appGUI->ShowWindow(name, 0);
    }
}

void _AppModule::Initialise(const std::string& file, int slot) {
    _resourceFile = file;
    _modID = slot;
    if (slot >= 0 && slot < APP_SLOT_COUNT) {
        appModules[slot] = shared_from_this();
    }
}

void _AppModule::Uninitialise() {
    // The slot may hold the last reference to this module.
    std::shared_ptr<_AppModule> self = shared_from_this();
    if (currentModule == _modID) {
        EndModule();
    }
    UnloadResources();
    if (_modID >= 0 && _modID < APP_SLOT_COUNT && appModules[_modID].get() == this) {
        appModules[_modID].reset();
    }
}

void _AppModule::DestroyModule(int slot) {
    if (slot < 0 || slot >= APP_SLOT_COUNT || !appModules[slot]) {
        return;
    }
    std::shared_ptr<_AppModule> module = appModules[slot];
    module->UnloadResources();
    appModules[slot].reset();
}

void _AppModule::EndModule() {
    if (currentModule != _modID) {
        return;
    }
    std::shared_ptr<_AppModule> self = shared_from_this();
    int candidates[2] = {-1, -1};
    switch (_modID) {
        case APP_GAME:
            UnloadResources();
            appModules[APP_GAME].reset();
            candidates[0] = APP_MAINMENU;
            candidates[1] = APP_OUTRO;
            break;
        case APP_INTRO:
            UnloadResources();
            appModules[APP_INTRO].reset();
            candidates[0] = APP_MAINMENU;
            candidates[1] = APP_GAME;
            break;
        case APP_MAINMENU:
            UnloadResources();
            candidates[0] = APP_GAME;
            candidates[1] = APP_OUTRO;
            break;
        case APP_OUTRO:
            break;
        default:
            return;
    }
    for (int slot : candidates) {
        if (_AppModule* next = ModuleIn(slot)) {
            next->Start();
            return;
        }
    }
    currentModule = -1;
    WriteHighScores();
}
