#include "app/loading_screen.h"

#include "forms/gui.h"
#include "platform/graphics.h"

namespace {

const char* const LOADING_FORM = "loadingscreen";
constexpr int BAR_X = 350;
constexpr int BAR_Y = 540;
constexpr int BAR_WIDTH = 100;  // one pixel per percent
constexpr int BAR_HEIGHT = 20;

}  // namespace

std::shared_ptr<loadingScreen> loadingScreen::Create(const std::string& resourceFile) {
    auto screen = std::make_shared<loadingScreen>();
    screen->Initialise(resourceFile, APP_LOADINGSCREEN);
    return screen;
}

void loadingScreen::Draw() {
    if (appGUI) {
        appGUI->ShowWindow(LOADING_FORM, 1);
    }
    Cls();
    SetScale(1.0f, 1.0f);
    SetRotation(0.0f);
    SetAlpha(1.0f);
    SetBlend(BLEND_SOLID);
    if (appGUI) {
        appGUI->Draw();
    }
    SetColor(60, 60, 60);
    DrawRect(BAR_X, BAR_Y, BAR_WIDTH, BAR_HEIGHT);
    SetColor(255, 60, 60);
    DrawRect(BAR_X, BAR_Y, static_cast<float>(loadingProgress), BAR_HEIGHT);
    SetColor(255, 255, 255);
    FlipUnpaced();
    if (appGUI) {
        appGUI->ShowWindow(LOADING_FORM, 0);
    }
}
