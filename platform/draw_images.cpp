// DrawImage and its stretched and sub-rectangle forms.
#include <cmath>

#include "platform/draw_quads.h"
#include "platform/graphics.h"

namespace {

bool Whole(float value) {
    return std::floor(value) == value;
}

// Unturned, unscaled, whole pixels of the source onto whole pixels of the screen.
bool PixelExact(float left, float top, float width, float height, float sx, float sy, float sw,
                float sh) {
    const DrawState& state = CurrentDrawState();
    return state.tform_rot == 0.0f && state.tform_scale_x == 1.0f && state.tform_scale_y == 1.0f &&
           width == sw && height == sh && Whole(left) && Whole(top) && Whole(sx) && Whole(sy) &&
           Whole(sw) && Whole(sh);
}

}  // namespace

void DrawSubImageRect(const ImagePtr& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, int frame) {
    if (!image || image->width < 1 || image->height < 1 || !RendererReady()) {
        return;
    }
    const DrawTexture texture = TextureOf(*image, frame);
    if (texture.id == 0) {
        return;
    }
    // The handle is a point of the source rectangle, stretched with it.
    const float kx = sw != 0.0f ? width / sw : 0.0f;
    const float ky = sh != 0.0f ? height / sh : 0.0f;
    const float x0 = -image->handle_x * kx;
    const float y0 = -image->handle_y * ky;
    const float texWidth = static_cast<float>(image->frames[frame]->width);
    const float texHeight = static_cast<float>(image->frames[frame]->height);
    PushQuad(texture,
             PlaceRect(x, y, x0, y0, x0 + width, y0 + height, sx / texWidth, sy / texHeight,
                       (sx + sw) / texWidth, (sy + sh) / texHeight),
             PixelExact(x + x0, y + y0, width, height, sx, sy, sw, sh));
}

void DrawImageRect(const ImagePtr& image, float x, float y, float width, float height, int frame) {
    if (image) {
        DrawSubImageRect(image, x, y, width, height, 0, 0, static_cast<float>(image->width),
                         static_cast<float>(image->height), frame);
    }
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
    if (image) {
        DrawImageRect(image, x, y, static_cast<float>(image->width),
                      static_cast<float>(image->height), frame);
    }
}
