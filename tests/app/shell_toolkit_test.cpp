// SPRITE and EMITTER lines loaded by the shell, drawn with a shipped font.
#include <gtest/gtest.h>

#include "module_test_support.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "toolkit/bmfont.h"
#include "toolkit/particle_emitter.h"
#include "toolkit/sprite.h"

namespace {

// A 20 x 20 red square that an x animator slides 100 pixels right over a second.
const char* const SLIDE_SCRIPT = "<x>\ndata0=0\ndata1=100\ndata2=1000\nscript=0\nrepeat=0\n</x>\n";

class ShellToolkitTest : public ShippedDataTest {
protected:
    ScratchFolder folder;
};

TEST_F(ShellToolkitTest, SpriteTextAndBurstDrawIntoOneFrame) {
    PixmapPtr square = CreatePixmap(20, 20, PF_BGRA8888);
    ClearPixels(*square, 0xFFFF0000u);
    const std::string picture = folder.Write("images/square.png", "");
    ASSERT_TRUE(SavePixmapPNG(*square, picture));
    folder.Write("images/square.txt", SLIDE_SCRIPT);
    const std::string script =
        folder.Write("module.txt", "SPRITE Square = " + picture +
                                       "\n"
                                       "EMITTER bonuscollect = data/effects/bonuscollect.txt\n");
    auto module = RecordingModule::Create(script, APP_GAME);
    module->LoadResources();

    auto sprite = module->GetSprite("SQUARE");
    auto emitter = module->GetEmitter("bonuscollect");
    auto font = TBMFont::Create("data/fonts/", "desyrel24.fnt");
    ASSERT_NE(sprite, nullptr);
    ASSERT_NE(emitter, nullptr);
    ASSERT_NE(font, nullptr);

    emitter->DoBurst(600, 300, 0);
    module->Update(250);
    EXPECT_GT(module->ParticleCount(), 0);

    SetClsColor(30, 30, 60);
    Cls();
    SetBlend(BLEND_ALPHA);
    sprite->DrawDirect(100, 100, 0.5f);
    SetColor(255, 255, 255);
    font->DrawText("The quick brown fox", 100, 400);
    module->DrawParticleEmitters();
    PixmapPtr frame = ReadBackBuffer();
    SaveBackBufferPNG(TESS_BINARY_DIR "/shell-sprite-text-burst.png");
    SetClsColor(0, 0, 0);

    EXPECT_EQ(ReadPixel(*frame, 160, 110) & 0xFFFFFFu, 0xFF0000u) << "the square slid halfway";
    EXPECT_NE(ReadPixel(*frame, 110, 110) & 0xFFFFFFu, 0xFF0000u);
    int lit = 0;
    for (int x = 100; x < 340; ++x) {
        for (int y = 400; y < 430; ++y) {
            lit += (ReadPixel(*frame, x, y) & 0xFF) > 200 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 200) << "text pixels";
    int gold = 0;
    for (int x = 450; x < 750; ++x) {
        for (int y = 150; y < 450; ++y) {
            const uint32_t p = ReadPixel(*frame, x, y);
            gold += ((p >> 16) & 0xFF) > 120 && ((p >> 8) & 0xFF) > 80 ? 1 : 0;
        }
    }
    EXPECT_GT(gold, 20) << "burst particles";

    module->UnloadResources();
    EXPECT_EQ(module->ParticleCount(), 0);
}

}  // namespace
