#pragma once
// The OpenGL calls the renderer makes, by their usual names. Linux links them
// from libGL; Windows' opengl32 exports only OpenGL 1.1, so there the newer
// ones are looked up once a context is current (platform/<target>/gl_functions.h).
// The browser has WebGL 2 (OpenGL ES 3.0); the calls made keep to what it and
// OpenGL 3.3 core share.
#include <gl_functions.h>  // platform/posix, platform/windows or platform/web

// Looks up what the current context has to provide; false when any is missing.
bool LoadGlCalls();

// Fills the bound texture with BGRA pixels as RGBA8 (pixels may be null).
void UploadBgraTexture(int width, int height, const void* bgra);
// Reads BGRA pixels, bottom row first, from the bound read framebuffer.
void ReadBgraPixels(int x, int y, int width, int height, void* bgra);
