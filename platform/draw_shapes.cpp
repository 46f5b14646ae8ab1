// Filled rectangles, lines and ovals in the current colour.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/draw_quads.h"
#include "platform/graphics.h"

namespace {

QuadCorners Untextured(QuadCorners quad) {
    for (int i = 0; i < 4; ++i) {
        quad.u[i] = 0.5f;
        quad.v[i] = 0.5f;
    }
    return quad;
}

int OvalSegments(float width, float height) {
    const float size = std::abs(width) + std::abs(height);
    return std::clamp(static_cast<int>(size), 12, 160);
}

}  // namespace

void DrawRect(float x, float y, float width, float height) {
    if (!RendererReady()) {
        return;
    }
    PushQuad(WhiteTexture(), Untextured(PlaceRect(x, y, 0, 0, width, height, 0, 0, 0, 0)));
}

void DrawLine(float x1, float y1, float x2, float y2) {
    if (!RendererReady()) {
        return;
    }
    const DrawState& state = CurrentDrawState();
    const DrawTransform transform = DrawTransform::FromState(state);
    // Both ends on pixel centres, so the pixels of both ends are covered.
    float ax = 0, ay = 0, bx = 0, by = 0;
    transform.Apply(0, 0, x1 + 0.5f, y1 + 0.5f, ax, ay);
    transform.Apply(x2 - x1, y2 - y1, x1 + 0.5f, y1 + 0.5f, bx, by);
    const float length = std::hypot(bx - ax, by - ay);
    const float ux = length > 0 ? (bx - ax) / length : 1.0f;
    const float uy = length > 0 ? (by - ay) / length : 0.0f;
    const float half = std::max(state.line_width, 1.0f) * 0.5f;
    const float nx = -uy * half;
    const float ny = ux * half;
    // Each end reaches half a pixel past its centre.
    const float ex = ux * 0.5f;
    const float ey = uy * 0.5f;
    QuadCorners quad{};
    const float xs[4] = {ax - ex + nx, bx + ex + nx, bx + ex - nx, ax - ex - nx};
    const float ys[4] = {ay - ey + ny, by + ey + ny, by + ey - ny, ay - ey - ny};
    for (int i = 0; i < 4; ++i) {
        quad.x[i] = xs[i];
        quad.y[i] = ys[i];
    }
    PushQuad(WhiteTexture(), Untextured(quad));
}

void DrawOval(float x, float y, float width, float height) {
    if (!RendererReady()) {
        return;
    }
    const DrawState& state = CurrentDrawState();
    const DrawTransform transform = DrawTransform::FromState(state);
    const float rx = width * 0.5f;
    const float ry = height * 0.5f;
    const int segments = OvalSegments(width, height);
    const float r = state.color_red / 255.0f;
    const float g = state.color_green / 255.0f;
    const float b = state.color_blue / 255.0f;
    const float a = state.color_alpha;
    auto vertexAt = [&](float localX, float localY) {
        BatchVertex vertex{0, 0, 0.5f, 0.5f, r, g, b, a};
        transform.Apply(localX, localY, x, y, vertex.x, vertex.y);
        return vertex;
    };
    const BatchVertex centre = vertexAt(rx, ry);
    std::vector<BatchVertex> triangles;
    triangles.reserve(static_cast<size_t>(segments) * 3);
    for (int i = 0; i < segments; ++i) {
        const double t0 = 2.0 * std::numbers::pi * i / segments;
        const double t1 = 2.0 * std::numbers::pi * (i + 1) / segments;
        triangles.push_back(centre);
        triangles.push_back(vertexAt(rx + rx * static_cast<float>(std::cos(t0)),
                                     ry + ry * static_cast<float>(std::sin(t0))));
        triangles.push_back(vertexAt(rx + rx * static_cast<float>(std::cos(t1)),
                                     ry + ry * static_cast<float>(std::sin(t1))));
    }
    PushTriangles(WhiteTexture().id, EffectiveBlend(state.blend_mode, true, a), triangles.data(),
                  static_cast<int>(triangles.size()));
}
