#include "screens/intro.h"

#include <algorithm>

#include "platform/graphics.h"
#include "toolkit/sprite.h"

namespace {

float Clamped(float alpha) {
    return std::clamp(alpha, 0.0f, 1.0f);
}

}  // namespace

float IntroFadeIn(float a, float b, float t) {
    if (b <= a) {
        return 1.0f;
    }
    return Clamped(1.0f - (b - t) / (b - a));
}

float IntroFadeOut(float a, float b, float t) {
    if (b <= a) {
        return 0.0f;
    }
    return Clamped((b - t) / (b - a));
}

std::shared_ptr<myIntro> myIntro::Create(const std::string& resourceFile) {
    auto intro = std::make_shared<myIntro>();
    intro->Initialise(resourceFile, APP_INTRO);
    return intro;
}

void myIntro::Start() {
    _AppModule::Start();
    fade = constInt("fadetime");
    fade1[0] = constInt("fadeinend");
    fade1[1] = constInt("fadeoutstart");
    fade1[2] = constInt("fadeoutend");
    runTime = constInt("runtime");
}

void myIntro::Update(int dt) {
    time += dt;
    if (time >= runTime) {
        EndModule();
    }
}

int myIntro::PictureShown() const {
    return time < fade ? 1 : 2;
}

float myIntro::AlphaShown() const {
    const auto t = static_cast<float>(time);
    if (time < fade) {
        return IntroFadeOut(0.0f, static_cast<float>(fade), t);
    }
    if (time <= fade1[0]) {
        return IntroFadeIn(static_cast<float>(fade), static_cast<float>(fade1[0]), t);
    }
    if (fade1[1] < time && time <= fade1[2]) {
        return IntroFadeOut(static_cast<float>(fade1[1]), static_cast<float>(fade1[2]), t);
    }
    return 1.0f;
}

void myIntro::Draw() {
    Cls();
    SetScale(1.0f, 1.0f);
    SetRotation(0.0f);
    SetColor(255, 255, 255);
    SetBlend(BLEND_ALPHA);
    const std::string name = PictureShown() == 1 ? "splash1" : "splash2";
    if (const SpritePtr splash = OptionalSprite(name)) {
        SetAlpha(AlphaShown());
        splash->DrawDirect(0, 0, 0.0f);
    }
    SetAlpha(1.0f);
    SetBlend(BLEND_ALPHA);
    _AppModule::Draw();
}
