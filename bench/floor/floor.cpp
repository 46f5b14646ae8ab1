// The floor for the start-up figure: a bare SDL window with an OpenGL 3.3 core
// context that presents one cleared frame. Prints the milliseconds from the
// launch (TESS_LAUNCH_NS, the launcher's CLOCK_REALTIME in ns) to that frame.
// With --textured the frame also draws one blended 800 x 600 picture through
// a small shader, the least any real first frame does (on a software driver
// the shader's compilation is most of its cost).
// With --frames it presents that many more cleared frames after the first,
// ten unmeasured, and prints the CPU time of the process per frame: the floor
// of the game's per-frame figures.
// It talks to SDL and GL directly on purpose: it measures them alone.
#define GL_GLEXT_PROTOTYPES
#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double ClockMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Cleared frames, as the game's empty frame measures them.
void PresentFrames(SDL_Window* window, int frames) {
    const int warmUp = 10;
    const bool offscreen = std::strcmp(SDL_GetCurrentVideoDriver(), "offscreen") == 0;
    double start = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
    for (int i = 0; i < warmUp + frames; ++i) {
        if (i == warmUp) {
            start = ClockMs(CLOCK_PROCESS_CPUTIME_ID);
        }
        glClear(GL_COLOR_BUFFER_BIT);
        if (offscreen) {
            glFinish();  // as the game does: an offscreen surface's swap draws nothing
        }
        SDL_GL_SwapWindow(window);
    }
    std::printf("frame %.2f ms of CPU\n", (ClockMs(CLOCK_PROCESS_CPUTIME_ID) - start) / frames);
}

double RealtimeMs() {
    return ClockMs(CLOCK_REALTIME);
}

const char* const VERTEX_SHADER = R"(#version 330 core
layout(location = 0) in vec2 corner;
out vec2 uv;
void main() {
    uv = corner * 0.5 + 0.5;
    gl_Position = vec4(corner, 0.0, 1.0);
})";

const char* const FRAGMENT_SHADER = R"(#version 330 core
in vec2 uv;
out vec4 colour;
uniform sampler2D picture;
uniform float alpha;
void main() {
    colour = texture(picture, uv) * vec4(1.0, 1.0, 1.0, alpha);
})";

GLuint Compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

// One blended, textured quad over the whole frame.
void DrawPicture() {
    const GLuint program = glCreateProgram();
    glAttachShader(program, Compile(GL_VERTEX_SHADER, VERTEX_SHADER));
    glAttachShader(program, Compile(GL_FRAGMENT_SHADER, FRAGMENT_SHADER));
    glLinkProgram(program);
    glUseProgram(program);
    glUniform1f(glGetUniformLocation(program, "alpha"), 0.5f);
    std::vector<unsigned char> pixels(800 * 600 * 4, 128);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 800, 600, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const float corners[] = {-1, -1, 1, -1, -1, 1, 1, 1};
    GLuint vao = 0;
    GLuint vbo = 0;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}

}  // namespace

int main(int argc, char** argv) {
    const bool textured = argc > 1 && std::strcmp(argv[1], "--textured") == 0;
    const int frames = argc > 2 && std::strcmp(argv[1], "--frames") == 0 ? std::atoi(argv[2]) : 0;
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
    if (textured) {
        DrawPicture();
    }
    SDL_GL_SwapWindow(window);
    std::printf("first frame %.1f ms after launch\n", RealtimeMs() - launchedMs);
    if (frames > 0) {
        PresentFrames(window, frames);
    }
    std::fflush(stdout);
    std::_Exit(0);
}
