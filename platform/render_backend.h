#pragma once
// The OpenGL side of drawing: the back-buffer framebuffer, the textured-triangle
// batch and the textures made from images. Used only inside platform/.
#include <cstdint>

#include "platform/image.h"

// Solid with alpha written too: what any mode comes to for an opaque texture
// drawn at full alpha. Never set by the game; the renderer chooses it.
constexpr int BLEND_OPAQUE = 0;

// A texture to draw with, and whether every texel of it has alpha 1.
struct DrawTexture {
    unsigned id = 0;
    bool opaque = false;
};

struct BatchVertex {
    float x, y;
    float u, v;
    float r, g, b, a;
};

// Made once the context exists; false (after a log line) when it cannot be.
bool StartRenderer(int width, int height);
// Drops everything that belongs to the current context (before it is destroyed).
void StopRenderer();
bool RendererReady();

// The texture of an image frame, made or remade from its pixels when needed.
DrawTexture TextureOf(TImage& image, int frame);
// A 1 x 1 white texture for shapes.
DrawTexture WhiteTexture();

// Adds triangles (3 vertices each) drawn with the texture and blend mode.
// Pixel-exact triangles map texel centres onto pixel centres, one to one, so
// their texture is read without filtering: the same pixels, at less cost.
void PushTriangles(unsigned texture, int blendMode, const BatchVertex* vertices, int count,
                   bool pixelExact = false);
void FlushBatch();

void ClearBackBuffer(float r, float g, float b);
// Draws the back buffer letterboxed into a drawable of the given size.
void PresentBackBuffer(int drawableWidth, int drawableHeight);
// Waits until everything drawn so far is in its target.
void FinishFrame();
// Reads a back-buffer rectangle as top-down BGRA rows into target (pitch in bytes).
void ReadBackBufferRows(int x, int y, int width, int height, uint8_t* target, int pitch);
// Reads the top-left of the window's drawable as it was last presented.
void ReadWindowRows(int drawableHeight, int width, int height, uint8_t* target, int pitch);

// Where the back buffer lands inside a window of the given size.
struct Letterbox {
    int x, y, width, height;
};
Letterbox FitLetterbox(int gameWidth, int gameHeight, int windowWidth, int windowHeight);
