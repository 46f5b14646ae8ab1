#include "platform/draw_state.h"

#include "platform/graphics.h"
#include "platform/numbers.h"

DrawState& CurrentDrawState() {
    static DrawState state;
    return state;
}

void ResetDrawState() {
    CurrentDrawState() = DrawState();
}

DrawTransform DrawTransform::FromState(const DrawState& state) {
    const float c = static_cast<float>(Cos(state.tform_rot));
    const float s = static_cast<float>(Sin(state.tform_rot));
    return DrawTransform{c * state.tform_scale_x, -s * state.tform_scale_y, s * state.tform_scale_x,
                         c * state.tform_scale_y};
}

void SetColor(int r, int g, int b) {
    DrawState& state = CurrentDrawState();
    state.color_red = r;
    state.color_green = g;
    state.color_blue = b;
}

void GetColor(int& r, int& g, int& b) {
    const DrawState& state = CurrentDrawState();
    r = state.color_red;
    g = state.color_green;
    b = state.color_blue;
}

void SetAlpha(float alpha) {
    CurrentDrawState().color_alpha = alpha;
}

float GetAlpha() {
    return CurrentDrawState().color_alpha;
}

void SetBlend(int mode) {
    CurrentDrawState().blend_mode = mode;
}

int GetBlend() {
    return CurrentDrawState().blend_mode;
}

void SetRotation(float degrees) {
    CurrentDrawState().tform_rot = degrees;
}

float GetRotation() {
    return CurrentDrawState().tform_rot;
}

void SetScale(float sx, float sy) {
    CurrentDrawState().tform_scale_x = sx;
    CurrentDrawState().tform_scale_y = sy;
}

void GetScale(float& sx, float& sy) {
    sx = CurrentDrawState().tform_scale_x;
    sy = CurrentDrawState().tform_scale_y;
}

void SetLineWidth(float width) {
    CurrentDrawState().line_width = width;
}

float GetLineWidth() {
    return CurrentDrawState().line_width;
}

void SetClsColor(int r, int g, int b) {
    DrawState& state = CurrentDrawState();
    state.clscolor_red = r;
    state.clscolor_green = g;
    state.clscolor_blue = b;
}

void GetClsColor(int& r, int& g, int& b) {
    const DrawState& state = CurrentDrawState();
    r = state.clscolor_red;
    g = state.clscolor_green;
    b = state.clscolor_blue;
}
