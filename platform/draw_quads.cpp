#include "platform/draw_quads.h"

#include "platform/graphics.h"

int EffectiveBlend(int mode, bool opaque, float alpha) {
    const int known = mode >= BLEND_MASK && mode <= BLEND_SHADE ? mode : BLEND_SOLID;
    const bool covers = opaque && alpha >= 1.0f && known != BLEND_LIGHT && known != BLEND_SHADE;
    return covers ? BLEND_OPAQUE : known;
}

void PushQuad(const DrawTexture& texture, const QuadCorners& quad, bool pixelExact) {
    const DrawState& state = CurrentDrawState();
    const float r = state.color_red / 255.0f;
    const float g = state.color_green / 255.0f;
    const float b = state.color_blue / 255.0f;
    const float a = state.color_alpha;
    BatchVertex corners[4];
    for (int i = 0; i < 4; ++i) {
        corners[i] = BatchVertex{quad.x[i], quad.y[i], quad.u[i], quad.v[i], r, g, b, a};
    }
    const BatchVertex triangles[6] = {corners[0], corners[1], corners[2],
                                      corners[0], corners[2], corners[3]};
    PushTriangles(texture.id, EffectiveBlend(state.blend_mode, texture.opaque, a), triangles, 6,
                  pixelExact);
}

QuadCorners PlaceRect(float x, float y, float x0, float y0, float x1, float y1, float u0, float v0,
                      float u1, float v1) {
    const DrawTransform transform = DrawTransform::FromState(CurrentDrawState());
    QuadCorners quad{};
    const float localX[4] = {x0, x1, x1, x0};
    const float localY[4] = {y0, y0, y1, y1};
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) {
        transform.Apply(localX[i], localY[i], x, y, quad.x[i], quad.y[i]);
        quad.u[i] = us[i];
        quad.v[i] = vs[i];
    }
    return quad;
}
