// The game window, its OpenGL context and frame presentation.
#include <SDL2/SDL.h>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/draw_state.h"
#include "platform/frame_pacer.h"
#include "platform/gl_calls.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/render_backend.h"
#include "platform/system.h"
#include "platform/test_seams.h"
#include "platform/window_events.h"

namespace {

struct Display {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    int width = 0;
    int height = 0;
    FramePacer pacer;
    int displayIndex = 0;    // kept while closed, for the next window
    bool offscreen = false;  // SDL's offscreen video: a swap there draws nothing
    PixmapPtr icon;
};

Display& D() {
    static Display display;
    return display;
}

std::string& Title() {
    static std::string title = "Tessalune";
    return title;
}

bool StartVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        return true;
    }
    KeepGlLibrariesLoaded();
    // SDL would turn an end signal into a close request, which the screens
    // answer with a question; a request to end has nobody to answer it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        DebugLog(std::string("graphics: cannot start video: ") + SDL_GetError());
        return false;
    }
    WatchEndRequests();
    return true;
}

void AskForCoreContext() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, GL_TARGET.contextMajor);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, GL_TARGET.contextMinor);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, GL_TARGET.contextEs
                                                         ? SDL_GL_CONTEXT_PROFILE_ES
                                                         : SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

void ApplyIcon(const Display& d) {
    if (d.window == nullptr || !d.icon || d.icon->format != PF_BGRA8888) {
        return;
    }
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(d.icon->pixels.data(), d.icon->width, d.icon->height, 32,
                                           d.icon->pitch, SDL_PIXELFORMAT_BGRA32);
    if (surface == nullptr) {
        DebugLog(std::string("graphics: cannot use the window icon: ") + SDL_GetError());
        return;
    }
    SDL_SetWindowIcon(d.window, surface);
    SDL_FreeSurface(surface);
}

// The display a new window opens on: the last window's, while it still exists.
int NextDisplay(const Display& d) {
    const int displays = SDL_GetNumVideoDisplays();
    return d.displayIndex >= 0 && d.displayIndex < displays ? d.displayIndex : 0;
}

void DestroyWindow(Display& d) {
    PrepareWindowClose(d.window);
    if (d.window != nullptr) {
        const int index = SDL_GetWindowDisplayIndex(d.window);
        if (index >= 0) {
            d.displayIndex = index;
        }
    }
    if (d.context != nullptr) {
        SDL_GL_DeleteContext(d.context);
        d.context = nullptr;
    }
    if (d.window != nullptr) {
        SDL_DestroyWindow(d.window);
        d.window = nullptr;
    }
}

bool CreateWindow(Display& d, int width, int height, int depth) {
    AskForCoreContext();
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (depth != 0) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    // Desktop full screen covers the display the window is placed on.
    const int display = NextDisplay(d);
    d.window = SDL_CreateWindow(Title().c_str(), SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                                SDL_WINDOWPOS_CENTERED_DISPLAY(display), width, height, flags);
    if (d.window == nullptr) {
        DebugLog(std::string("graphics: cannot open the window: ") + SDL_GetError());
        return false;
    }
    d.context = SDL_GL_CreateContext(d.window);
    if (d.context == nullptr) {
        DebugLog(std::string("graphics: cannot create an OpenGL 3.3 core context: ") +
                 SDL_GetError());
        DestroyWindow(d);
        return false;
    }
    SDL_GL_MakeCurrent(d.window, d.context);
    if (!LoadGlCalls()) {
        DebugLog("graphics: the OpenGL 3.3 functions are missing");
        DestroyWindow(d);
        return false;
    }
    SDL_GL_SetSwapInterval(0);
    ApplyIcon(d);
    return true;
}

}  // namespace

void SetAppTitle(const std::string& title) {
    Title() = title;
    if (D().window != nullptr) {
        SDL_SetWindowTitle(D().window, title.c_str());
    }
}

const std::string& AppTitle() {
    return Title();
}

void SetAppId(const std::string& id) {
    // Read by SDL's X11 and Wayland back ends when video starts; a value the
    // user set wins.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", id.c_str(), 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", id.c_str(), 0);
    SDL_SetHint("SDL_APP_ID", id.c_str());
}

void SetAppIcon(const PixmapPtr& icon) {
    Display& d = D();
    d.icon = icon && icon->format == PF_BGRA8888 ? icon : nullptr;
    if (icon && !d.icon) {
        DebugLog("graphics: the window icon is not a 32-bit picture");
    }
    ApplyIcon(d);
}

bool TerminationRequested() {
    return TakeEndRequest();
}

int WindowDisplay() {
    const Display& d = D();
    if (d.window == nullptr) {
        return -1;
    }
    const int index = SDL_GetWindowDisplayIndex(d.window);
    return index >= 0 ? index : d.displayIndex;
}

bool OpenGraphics(int width, int height, int depth, int hertz) {
    Display& d = D();
    if (ModeChangeKeepsWindow() && d.window != nullptr && d.width == width && d.height == height) {
        ResetDrawState();
        SDL_SetWindowFullscreen(d.window, depth != 0 ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        d.pacer.Start(MilliSecs(), hertz);
        return true;
    }
    CloseGraphics();
    ResetDrawState();
    if (width < 1 || height < 1 || !StartVideo()) {
        return false;
    }
    if (!CreateWindow(d, width, height, depth)) {
        return false;
    }
    if (!StartRenderer(width, height)) {
        StopRenderer();
        DestroyWindow(d);
        return false;
    }
    d.width = width;
    d.height = height;
    const char* driver = SDL_GetCurrentVideoDriver();
    d.offscreen = driver != nullptr && std::string(driver) == "offscreen";
    d.pacer.Start(MilliSecs(), hertz);
    SDL_StartTextInput();
    return true;
}

void CloseGraphics() {
    Display& d = D();
    if (d.window == nullptr) {
        return;
    }
    StopRenderer();
    DestroyWindow(d);
    d.width = 0;
    d.height = 0;
}

bool GraphicsOpen() {
    return D().window != nullptr;
}

int GraphicsWidth() {
    return D().width;
}

int GraphicsHeight() {
    return D().height;
}

void Cls() {
    const DrawState& state = CurrentDrawState();
    ClearBackBuffer(state.clscolor_red / 255.0f, state.clscolor_green / 255.0f,
                    state.clscolor_blue / 255.0f);
}

namespace {

void Present(bool paced) {
    Display& d = D();
    if (d.window == nullptr) {
        return;
    }
    if (paced) {
        const int deadline = d.pacer.NextDeadline(MilliSecs());
        if (ManualClockActive()) {
            AdvanceClock(ClockDiff(deadline, MilliSecs()));
        } else if (!SystemPacesFrames()) {
            for (int wait = ClockDiff(deadline, MilliSecs()); wait > 0;
                 wait = ClockDiff(deadline, MilliSecs())) {
                SDL_Delay(static_cast<Uint32>(wait));
            }
        }
    }
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(d.window, &drawableWidth, &drawableHeight);
    PresentBackBuffer(drawableWidth, drawableHeight);
    if (d.offscreen) {
        // A window's swap has the frame drawn; here nothing else would, and
        // undrawn frames would pile up.
        FinishFrame();
    }
    SDL_GL_SwapWindow(d.window);
    EndInputFrame();
    PollSystem();
}

}  // namespace

void Flip() {
    Present(true);
}

void FlipUnpaced() {
    Present(false);
}

PixmapPtr ReadPresentedFrame() {
    const Display& d = D();
    int width = 0;
    int height = 0;
    if (d.window != nullptr) {
        SDL_GL_GetDrawableSize(d.window, &width, &height);
    }
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    if (pixmap) {
        ReadWindowRows(height, width, height, pixmap->pixels.data(), pixmap->pitch);
    }
    return pixmap;
}

void WindowToGame(int windowX, int windowY, int& gameX, int& gameY) {
    const Display& d = D();
    int windowWidth = 0;
    int windowHeight = 0;
    if (d.window != nullptr) {
        SDL_GetWindowSize(d.window, &windowWidth, &windowHeight);
    }
    const Letterbox box = FitLetterbox(d.width, d.height, windowWidth, windowHeight);
    if (box.width <= 0 || box.height <= 0) {
        gameX = windowX;
        gameY = windowY;
        return;
    }
    gameX = static_cast<int>((static_cast<int64_t>(windowX) - box.x) * d.width / box.width);
    gameY = static_cast<int>((static_cast<int64_t>(windowY) - box.y) * d.height / box.height);
}

void SetMouseVisible(bool visible) {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
}

void OpenURL(const std::string& url) {
    if (url.empty() || SDL_OpenURL(url.c_str()) != 0) {
        DebugLog("graphics: cannot open the address " + url);
    }
}

void OpenURLFromSmallWindow(const std::string& url) {
    Display& d = D();
    const bool fullScreen =
        d.window != nullptr && (SDL_GetWindowFlags(d.window) & SDL_WINDOW_FULLSCREEN) != 0;
    if (fullScreen) {
        SDL_MinimizeWindow(d.window);
    }
    OpenURL(url);
    if (fullScreen) {
        SDL_RestoreWindow(d.window);
        SDL_RaiseWindow(d.window);
    }
}
