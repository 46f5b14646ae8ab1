#pragma once
// The browser: WebGL 2, which is OpenGL ES 3.0. Its shaders say so and give
// float precisions; its textures take RGBA pixels only.
#include <GLES3/gl3.h>

#include "platform/gl_target.h"

inline constexpr GlTarget GL_TARGET{3, 0, true, "#version 300 es\nprecision highp float;\n",
                                    GL_RGBA};
