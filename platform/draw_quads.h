#pragma once
// Turns drawing-state shapes into batch triangles.
#include "platform/draw_state.h"
#include "platform/render_backend.h"

// The blend mode that is really applied: unknown values draw as solid, and an
// opaque texture at full alpha covers what is under it in any mode but light
// and shade, so it is written without blending.
int EffectiveBlend(int mode, bool opaque, float alpha);

// A quad with corners in order top-left, top-right, bottom-right, bottom-left,
// tinted with the current colour and alpha.
struct QuadCorners {
    float x[4];
    float y[4];
    float u[4];
    float v[4];
};
void PushQuad(const DrawTexture& texture, const QuadCorners& quad, bool pixelExact = false);

// The corners of a local rectangle (x0, y0)-(x1, y1) placed with the current
// rotation and scale at (x, y), with texture rectangle (u0, v0)-(u1, v1).
QuadCorners PlaceRect(float x, float y, float x0, float y0, float x1, float y1, float u0, float v0,
                      float u1, float v1);
