#pragma once
// The one global drawing state of the open graphics context.
struct DrawState {
    int color_red = 255;
    int color_green = 255;
    int color_blue = 255;
    float color_alpha = 1.0f;
    int clscolor_red = 0;
    int clscolor_green = 0;
    int clscolor_blue = 0;
    float line_width = 1.0f;
    float tform_rot = 0.0f;
    float tform_scale_x = 1.0f;
    float tform_scale_y = 1.0f;
    int blend_mode = 1;
};

DrawState& CurrentDrawState();
void ResetDrawState();

// Rotation and scale of the drawing state as a 2x2 matrix.
struct DrawTransform {
    float xx, xy, yx, yy;

    static DrawTransform FromState(const DrawState& state);
    // Maps a point relative to the drawing origin to screen space around (x, y).
    void Apply(float localX, float localY, float x, float y, float& outX, float& outY) const {
        outX = x + localX * xx + localY * xy;
        outY = y + localX * yx + localY * yy;
    }
};
