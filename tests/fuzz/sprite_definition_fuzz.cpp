// Sprite definition files: any file gives a sprite whose animators run for a
// while with finite output, and whose instances copy them.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"
#include "toolkit/sprite.h"

namespace {

void RunAnimators(__kwa_BaseSprite& sprite) {
    for (int step = 0; step < 64; ++step) {
        sprite.Update(step % 2 ? 0.016f : 0.5f);
    }
    sprite.Update(1.0e9f);
    sprite.Update(NAN);
    sprite.ResetTime();
    sprite.RandomizeTime();
    sprite.Update(0.1f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The picture does not exist: the definition beside it is what is read.
    ServeFuzzFile("sprite.txt", data, size);
    const MasterSpritePtr master = _kwa_MasterSprite::Create("sprite.png");
    FUZZ_CHECK(master != nullptr);
    RunAnimators(*master);
    const SpriteInstancePtr instance = master->CreateInstance();
    FUZZ_CHECK(instance != nullptr);
    RunAnimators(*instance);
    master->Destroy();
    FUZZ_CHECK(AnimationControllerBank().UsedSlots() == 0);
    AnimationControllerBank() = _kwa_SpriteAnimationControllerBank();
    BitmapBank() = _kwa_BitmapResourceBank();
    return 0;
}
