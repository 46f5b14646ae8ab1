#pragma once
// The browser: WebGL 2, which is OpenGL ES 3.0. Its shaders say so and give
// float precisions; its textures take RGBA pixels only.
#include <GLES3/gl3.h>

namespace gl_target {
inline constexpr int CONTEXT_MAJOR = 3;
inline constexpr int CONTEXT_MINOR = 0;
inline constexpr bool CONTEXT_ES = true;
inline constexpr const char* SHADER_HEADER = "#version 300 es\nprecision highp float;\n";
inline constexpr GLenum PIXEL_FORMAT = GL_RGBA;
inline constexpr bool SWAP_RED_BLUE = true;  // the game's BGRA pixels go in and out as RGBA
}  // namespace gl_target
