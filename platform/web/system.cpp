// The browser's side of the operating system: the saves folder lives in
// IndexedDB (mounted and loaded by the page before the game starts), the
// frames come from the browser's animation frame, and there are no signals.
#include "platform/system.h"

#include <SDL2/SDL.h>
#include <emscripten.h>

#include <cstdlib>

namespace {

constexpr int FULLSCREEN_EXIT_WAIT_MS = 1000;
constexpr int FULLSCREEN_EXIT_STEP_MS = 16;

// Where the page mounts the IndexedDB folder (platform/web/pre.js).
const char* const SAVES_FOLDER = "/saves/";

int (*frameTick)() = nullptr;
void (*frameEnd)() = nullptr;

// Writes the saves folder through to IndexedDB; the page queues the writes so
// that one ends before the next begins.
void WriteSavesThrough() {
    EM_ASM({
        if (Module.writeSavesThrough) {
            Module.writeSavesThrough();
        }
    });
}

void OneFrame() {
    if (frameTick() != 0) {
        return;
    }
    emscripten_cancel_main_loop();
    frameEnd();
    EM_ASM({
        if (Module.onGameEnd) {
            Module.onGameEnd();
        }
    });
}

}  // namespace

std::string CommonAppDataFolder() {
    return SAVES_FOLDER;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool FlushFileToDisk(const std::string&) {
    return true;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    WriteSavesThrough();
    return true;
}

bool GrantUsersFullAccess(const std::string&) {
    return true;
}

void WatchEndRequests() {}

bool TakeEndRequest() {
    return false;
}

void WriteDebugLine(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

void SetDebugLogFolder(const std::string&) {}

void KeepGlLibrariesLoaded() {}

void SetEnvValue(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

int ProcessId() {
    return 1;
}

double PeakResidentBytes() {
    return static_cast<double>(EM_ASM_DOUBLE({ return HEAP8.length; }));
}

void RunFrameLoop(int (*tick)(), void (*atEnd)()) {
    frameTick = tick;
    frameEnd = atEnd;
    // The loop runs on once main has returned (the runtime is kept alive).
    emscripten_set_main_loop(OneFrame, 0, 0);
}

bool SystemPacesFrames() {
    return true;
}

void PrepareWindowClose(SDL_Window* window) {
    if (window == nullptr || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0) {
        return;
    }
    // The page restores the canvas on the browser's fullscreenchange event,
    // through this window's data, so the window stays until that has run: a
    // listener added after the page's own runs after it.
    EM_ASM({
        Module.fullscreenLeft = !document.fullscreenElement;
        document.addEventListener(
            'fullscreenchange', function left() {
                if (!document.fullscreenElement) {
                    Module.fullscreenLeft = true;
                    document.removeEventListener('fullscreenchange', left);
                }
            });
    });
    SDL_SetWindowFullscreen(window, 0);
    for (int waited = 0; waited < FULLSCREEN_EXIT_WAIT_MS &&
                         EM_ASM_INT({ return Module.fullscreenLeft ? 0 : 1; }) != 0;
         waited += FULLSCREEN_EXIT_STEP_MS) {
        emscripten_sleep(FULLSCREEN_EXIT_STEP_MS);
    }
}

bool ModeChangeKeepsWindow() {
    return true;
}

bool FirstStartFullscreen() {
    return false;
}
