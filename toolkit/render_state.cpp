#include "toolkit/render_state.h"

#include "platform/graphics.h"

RenderStatePtr _kwa_RenderState::Create() {
    auto state = std::make_shared<_kwa_RenderState>();
    state->Grab();
    return state;
}

int _kwa_RenderState::Grab() {
    GetScale(fScaleX, fScaleY);
    A = GetAlpha();
    GetColor(R, G, B);
    fRotation = GetRotation();
    blendMode = GetBlend();
    return 0;
}

int _kwa_RenderState::Restore() const {
    SetScale(fScaleX, fScaleY);
    SetAlpha(A);
    SetColor(R, G, B);
    SetRotation(fRotation);
    SetBlend(blendMode);
    return 0;
}
