// The GUI file: any file gives a manager with a default font lookup and clones.
#include "forms/gui.h"
#include "fuzz/fuzz_support.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("gui.txt", data, size);
    const GuiPtr gui = _qxGUI::Create("gui.txt", 800, 600);
    FUZZ_CHECK(_qxGUI::Current() == gui);
    FUZZ_CHECK(gui->fonts.size() <= size / 2 + 1);
    FUZZ_CHECK(gui->cloneControls.size() <= size / 8 + 1);
    _qxGUI::getFont("nofont");
    _qxGUI::getClone("noclone");
    gui->Update(16);
    _qxGUI::Reset();
    AnimationControllerBank() = _kwa_SpriteAnimationControllerBank();
    BitmapBank() = _kwa_BitmapResourceBank();
    return 0;
}
