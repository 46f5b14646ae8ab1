#pragma once
// What the desktop targets ask of OpenGL: a 3.3 core context, whose shaders
// start with their version line and whose textures take BGRA pixels as they
// are. Included after the GL headers.
namespace gl_target {
inline constexpr int CONTEXT_MAJOR = 3;
inline constexpr int CONTEXT_MINOR = 3;
inline constexpr bool CONTEXT_ES = false;
inline constexpr const char* SHADER_HEADER = "#version 330 core\n";
inline constexpr GLenum PIXEL_FORMAT = GL_BGRA;
inline constexpr bool SWAP_RED_BLUE = false;
}  // namespace gl_target
