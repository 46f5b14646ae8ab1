// Resource scripts: any script loads into a module and unloads again, with
// nesting bounded and every bank back to where it started.
#include "app/app_module.h"
#include "forms/gui.h"
#include "fuzz/fuzz_support.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("script.txt", data, size);
    ServeFuzzFile("other.txt", data, size);
    _AppModule::appGUI = _qxGUI::Create("nogui.txt", 800, 600);
    auto module = std::make_shared<_AppModule>();
    module->_resourceFile = "script.txt";
    module->LoadResources();
    FUZZ_CHECK(module->_gotResources == 1);
    module->Update(16);
    module->UnloadResources();
    FUZZ_CHECK(module->Sprites.empty() && module->Sounds.empty() && module->Constants.empty());
    FUZZ_CHECK(AnimationControllerBank().UsedSlots() == 0);
    module.reset();
    _AppModule::appGUI.reset();
    _qxGUI::Reset();
    BitmapBank() = _kwa_BitmapResourceBank();
    return 0;
}
