#pragma once
// The OpenGL calls the renderer makes, by their usual names. Linux links them
// from libGL; Windows' opengl32 exports only OpenGL 1.1, so there the newer
// ones are looked up once a context is current (platform/<target>/gl_functions.h).
#include <gl_functions.h>  // platform/posix or platform/windows

// Looks up what the current context has to provide; false when any is missing.
bool LoadGlCalls();
