#include "platform/graphics.h"
#include "toolkit/marker_frame.h"

namespace {

constexpr float DARK_ALPHA = 0.8f;

// Four strips of the given width just inside the rectangle.
void Frame(float x, float y, float w, float h, float width) {
    DrawRect(x, y, w, width);
    DrawRect(x, y + h - width, w, width);
    DrawRect(x, y + width, width, h - 2.0f * width);
    DrawRect(x + w - width, y + width, width, h - 2.0f * width);
}

}  // namespace

void DrawMarkerFrame(float x, float y, float width, float height, const MarkerStyle& style,
                     float alpha) {
    const int blend = GetBlend();
    const float oldAlpha = GetAlpha();
    const float left = x - style.margin;
    const float top = y - style.margin;
    const float w = width + 2.0f * style.margin;
    const float h = height + 2.0f * style.margin;
    SetBlend(BLEND_ALPHA);
    SetAlpha(alpha * DARK_ALPHA);
    SetColor(0, 0, 0);
    Frame(left, top, w, h, style.darkWidth);
    SetAlpha(alpha);
    SetColor(style.r, style.g, style.b);
    const float inset = (style.darkWidth - style.brightWidth) / 2.0f;
    Frame(left + inset, top + inset, w - 2.0f * inset, h - 2.0f * inset, style.brightWidth);
    SetColor(255, 255, 255);
    SetAlpha(oldAlpha);
    SetBlend(blend);
}
