#pragma once
// The desktop targets: a 3.3 core context, whose textures take the game's
// BGRA pixels as they are. Included after the GL headers.
#include "platform/gl_target.h"

inline constexpr GlTarget GL_TARGET{3, 3, false, "#version 330 core\n", GL_BGRA};
