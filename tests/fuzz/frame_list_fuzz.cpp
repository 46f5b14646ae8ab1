// Frame lists: any list gives at most the frame limit, with times that never
// run backwards, and a bitmap lookup that answers for every time.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("frames.csv", data, size);
    auto& bank = AnimationControllerBank();
    const int id = bank.CreateAnimationController("frames.csv");
    const _kwa_SpriteAnimationController* controller = bank.GetController(id);
    FUZZ_CHECK(controller != nullptr);
    FUZZ_CHECK(controller->m_iFrameCount >= 0 &&
               controller->m_iFrameCount <= CONTROLLER_MAX_FRAMES);
    FUZZ_CHECK(controller->m_iBitmapIDList.size() ==
               static_cast<size_t>(controller->m_iFrameCount));
    FUZZ_CHECK(controller->m_fFrameTimeList.size() ==
               static_cast<size_t>(controller->m_iFrameCount));
    float last = 0.0f;
    for (const float start : controller->m_fFrameTimeList) {
        FUZZ_CHECK(start >= last);
        last = start;
    }
    FUZZ_CHECK(controller->MaxTime() >= last);
    const float max = bank.GetControllerMaxTime(id);
    for (const float t : {0.0f, 0.5f * max, max, max + 1.0f, -1.0f, NAN, INFINITY}) {
        bank.GetBitmapID(id, t);
    }
    bank.DestroyAnimationController(id);
    FUZZ_CHECK(bank.UsedSlots() == 0);
    FUZZ_CHECK(BitmapBank().UsedSlots() == 0);
    AnimationControllerBank() = _kwa_SpriteAnimationControllerBank();
    BitmapBank() = _kwa_BitmapResourceBank();
    return 0;
}
