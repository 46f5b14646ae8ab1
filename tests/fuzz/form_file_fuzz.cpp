// Form files: any file gives a form that shows, updates, hides and unloads.
#include "forms/gui.h"
#include "forms/window.h"
#include "fuzz/fuzz_support.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("form.txt", data, size);
    const GuiPtr gui = _qxGUI::Create("nogui.txt", 800, 600);
    const std::string name = gui->LoadWindow("form.txt");
    const WindowPtr window = gui->GetWindow(name);
    FUZZ_CHECK(window != nullptr);
    FUZZ_CHECK(window->controls.size() <= size / 8 + 1);
    gui->ShowWindow(name, 1);
    for (int frame = 0; frame < 4; ++frame) {
        gui->Update(100);
    }
    for (const ControlPtr& control : window->controls) {
        gui->GetControlCaptionRegion(name, control->name);
        gui->SetControlCaptionText(name, control->name, "text");
    }
    gui->HideWindow(name);
    gui->Update(1000);
    gui->UnloadWindow(name);
    FUZZ_CHECK(gui->GetWindow(name) == nullptr);
    _qxGUI::Reset();
    AnimationControllerBank() = _kwa_SpriteAnimationControllerBank();
    BitmapBank() = _kwa_BitmapResourceBank();
    return 0;
}
