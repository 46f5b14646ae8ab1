#include "toolkit/fader.h"

#include <algorithm>
#include <list>

#include "platform/graphics.h"

namespace {

using FaderList = std::list<ScaleFaderPtr>;

// Made on first use, kept for the whole run.
FaderList*& LiveList() {
    static FaderList* list = nullptr;
    return list;
}

}  // namespace

ScaleFaderPtr scaleFader::Create(const ImagePtr& image, float x, float y, float alpha, float scale,
                                 float alphaSpeed, float scaleSpeed) {
    FaderList*& list = LiveList();
    if (!list) {
        list = new FaderList();
    }
    auto fader = std::make_shared<scaleFader>();
    fader->image = image;
    fader->fX = x;
    fader->fY = y;
    fader->fAlpha = alpha;
    fader->fScale = scale;
    fader->fAlphaSpeed = alphaSpeed;
    fader->fScaleSpeed = scaleSpeed;
    list->push_back(fader);
    return fader;
}

int scaleFader::Update(int elapsedMs) {
    FaderList* list = LiveList();
    if (!list) {
        return 0;
    }
    const float k = static_cast<float>(elapsedMs) * 0.001f;
    for (auto it = list->begin(); it != list->end();) {
        scaleFader& fader = **it;
        fader.fAlpha -= k * fader.fAlphaSpeed;
        if (fader.fAlpha > 0.0f) {
            fader.fScale += k * fader.fScaleSpeed;
            ++it;
        } else {
            it = list->erase(it);
        }
    }
    return 0;
}

int scaleFader::Draw(float handleX, float handleY) {
    const FaderList* list = LiveList();
    if (!list) {
        return 0;
    }
    SetBlend(BLEND_ALPHA);
    for (const ScaleFaderPtr& fader : *list) {
        SetAlpha(std::min(fader->fAlpha, 1.0f));
        SetScale(fader->fScale, fader->fScale);
        DrawImage(fader->image, fader->fX - (fader->fScale - 1.0f) * handleX,
                  fader->fY - (fader->fScale - 1.0f) * handleY, 0);
    }
    SetAlpha(1.0f);
    SetScale(1.0f, 1.0f);
    return 0;
}

int scaleFader::LiveCount() {
    const FaderList* list = LiveList();
    return list ? static_cast<int>(list->size()) : 0;
}

int scaleFader::Clear() {
    if (FaderList* list = LiveList()) {
        list->clear();
    }
    return 0;
}
