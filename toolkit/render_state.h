#pragma once
// A snapshot of the global drawing state, to put it back after drawing code changed it.
#include <memory>

class _kwa_RenderState;
using RenderStatePtr = std::shared_ptr<_kwa_RenderState>;

class _kwa_RenderState {
public:
    float fScaleX = 0.0f;
    float fScaleY = 0.0f;
    float A = 0.0f;
    int R = 0;
    int G = 0;
    int B = 0;
    float fRotation = 0.0f;
    int blendMode = 0;

    // A new snapshot of the current state.
    static RenderStatePtr Create();
    int Grab();
    // Scale, alpha, colour, rotation and blend mode, in that order.
    int Restore() const;
};
