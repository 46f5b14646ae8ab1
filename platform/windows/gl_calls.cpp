#include "platform/gl_calls.h"

#include <SDL2/SDL.h>

#define TESS_GL_DEFINE(type, name) type name = nullptr;
TESS_GL_CALLS(TESS_GL_DEFINE)
#undef TESS_GL_DEFINE

bool LoadGlCalls() {
    bool found = true;
#define TESS_GL_LOAD(type, name)                                 \
    name = reinterpret_cast<type>(SDL_GL_GetProcAddress(#name)); \
    found = found && name != nullptr;
    TESS_GL_CALLS(TESS_GL_LOAD)
#undef TESS_GL_LOAD
    return found;
}
