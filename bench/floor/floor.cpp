// The floor for the start-up figure: a bare SDL window with an OpenGL 3.3 core
// context that presents one cleared frame. Prints the milliseconds from the
// launch (TESS_LAUNCH_NS, the launcher's CLOCK_REALTIME in ns) to that frame.
// It talks to SDL and GL directly on purpose: it measures them alone.
#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double RealtimeMs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

int main() {
    const char* launch = std::getenv("TESS_LAUNCH_NS");
    const double launchedMs = launch != nullptr ? std::strtod(launch, nullptr) / 1e6 : RealtimeMs();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "floor: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* window = SDL_CreateWindow("floor", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          800, 600, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "floor: %s\n", SDL_GetError());
        return 1;
    }
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
    std::printf("first frame %.1f ms after launch\n", RealtimeMs() - launchedMs);
    std::fflush(stdout);
    std::_Exit(0);
}
