#pragma once
// Linux: libGL exports every call the renderer makes.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/gl_desktop.h"
