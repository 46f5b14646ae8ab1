#pragma once
// Windows: the calls past OpenGL 1.1 are pointers, filled by LoadGlCalls().
// GL/gl.h wants WINGDIAPI and APIENTRY from <windows.h>, which would bring its macros
// (CreateWindow, DeleteFile) into every file that draws.
#ifndef WINAPI
#define WINAPI __stdcall
#endif
#ifndef APIENTRY
#define APIENTRY WINAPI
#endif
#ifndef WINGDIAPI
#define WINGDIAPI DECLSPEC_IMPORT
#endif
#ifndef DECLSPEC_IMPORT
#define DECLSPEC_IMPORT __declspec(dllimport)
#endif
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/gl_desktop.h"

#define TESS_GL_CALLS(X)                                           \
    X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                     \
    X(PFNGLATTACHSHADERPROC, glAttachShader)                       \
    X(PFNGLBINDBUFFERPROC, glBindBuffer)                           \
    X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                 \
    X(PFNGLBINDSAMPLERPROC, glBindSampler)                         \
    X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)                 \
    X(PFNGLBUFFERDATAPROC, glBufferData)                           \
    X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus)   \
    X(PFNGLCOMPILESHADERPROC, glCompileShader)                     \
    X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                     \
    X(PFNGLCREATESHADERPROC, glCreateShader)                       \
    X(PFNGLDELETEBUFFERSPROC, glDeleteBuffers)                     \
    X(PFNGLDELETEFRAMEBUFFERSPROC, glDeleteFramebuffers)           \
    X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                     \
    X(PFNGLDELETESAMPLERSPROC, glDeleteSamplers)                   \
    X(PFNGLDELETESHADERPROC, glDeleteShader)                       \
    X(PFNGLDELETEVERTEXARRAYSPROC, glDeleteVertexArrays)           \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray) \
    X(PFNGLFRAMEBUFFERTEXTURE2DPROC, glFramebufferTexture2D)       \
    X(PFNGLGENBUFFERSPROC, glGenBuffers)                           \
    X(PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers)                 \
    X(PFNGLGENSAMPLERSPROC, glGenSamplers)                         \
    X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                 \
    X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                       \
    X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)               \
    X(PFNGLGETSHADERIVPROC, glGetShaderiv)                         \
    X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)           \
    X(PFNGLLINKPROGRAMPROC, glLinkProgram)                         \
    X(PFNGLSAMPLERPARAMETERIPROC, glSamplerParameteri)             \
    X(PFNGLSHADERSOURCEPROC, glShaderSource)                       \
    X(PFNGLUNIFORM1FPROC, glUniform1f)                             \
    X(PFNGLUNIFORM1IPROC, glUniform1i)                             \
    X(PFNGLUNIFORM2FPROC, glUniform2f)                             \
    X(PFNGLUSEPROGRAMPROC, glUseProgram)                           \
    X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)

#define TESS_GL_DECLARE(type, name) extern type name;
TESS_GL_CALLS(TESS_GL_DECLARE)
#undef TESS_GL_DECLARE
