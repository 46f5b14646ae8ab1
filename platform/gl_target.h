#pragma once
// What a target asks of OpenGL; its gl_functions.h gives it as GL_TARGET.
struct GlTarget {
    int contextMajor;
    int contextMinor;
    bool contextEs;            // OpenGL ES (WebGL) rather than a core profile
    const char* shaderHeader;  // the first lines of every shader
    unsigned pixelFormat;      // the format textures take the game's pixels in (GL_RGBA:
                               // the game's BGRA pixels go in and out swapped)
};
