// Draws a sprite, a line of text and a particle burst into a headless frame.
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "toolkit/bmfont.h"
#include "toolkit/particle_emitter.h"
#include "toolkit/render_state.h"
#include "toolkit/sprite.h"
#include "toolkit/toolkit_files.h"
#include "support/shipped_data_test.h"

namespace {

uint32_t Rgb(const TPixmap& frame, int x, int y) {
    return ReadPixel(frame, x, y) & 0xffffff;
}

class RenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(OpenTestDisplay()); }
    static void TearDownTestSuite() { CloseGraphics(); }

    void SetUp() override {
        SetClsColor(0, 0, 0);
        SetColor(255, 255, 255);
        SetAlpha(1);
        SetScale(1, 1);
        SetRotation(0);
        SetBlend(BLEND_ALPHA);
        Cls();
    }

    std::string dir = toolkit_test::ScratchDir(
        std::string("render_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

}  // namespace

TEST_F(RenderTest, SpriteWithHandleAndOffsetAnimator) {
    toolkit_test::WritePng(dir + "box.png", 20, 10, 0xffff0000);
    toolkit_test::WriteFile(dir + "box.txt", "xhandle=10\nyhandle=5\n<x>\ndata0=50\n</x>\n");
    const MasterSpritePtr sprite = _kwa_MasterSprite::Create(dir + "box.png");
    sprite->m_fX = 100;
    sprite->m_fY = 100;
    const RenderStatePtr saved = _kwa_RenderState::Create();
    sprite->Draw(0.016f);
    saved->Restore();
    EXPECT_EQ(GetBlend(), BLEND_ALPHA);
    const PixmapPtr frame = ReadBackBuffer();
    SaveBackBufferPNG(dir + "sprite.png");
    // Centred on (150, 100): the handle is the middle, the animator adds 50 to x.
    EXPECT_EQ(Rgb(*frame, 150, 100), 0xff0000u);
    EXPECT_EQ(Rgb(*frame, 141, 96), 0xff0000u);
    EXPECT_EQ(Rgb(*frame, 138, 100), 0u);
    EXPECT_EQ(Rgb(*frame, 161, 100), 0u);
    EXPECT_EQ(Rgb(*frame, 100, 100), 0u);
    sprite->Destroy();
}

TEST_F(RenderTest, LineOfText) {
    // Each glyph is a solid 8 x 12 block on its own column of the page.
    toolkit_test::WritePng(dir + "page0.png", 64, 32, 0xffffffff);
    BmfDesc desc;
    desc.pages = {"page0.png"};
    for (int i = 0; i < 3; ++i) {
        BmfGlyph g;
        g.id = 'A' + i;
        g.x = i * 10;
        g.width = 8;
        g.height = 12;
        g.yoffset = 2;
        g.xadvance = 10;
        desc.glyphs.push_back(g);
    }
    toolkit_test::WriteFile(dir + "t.fnt", BuildBmf(desc));
    const BMFontPtr font = TBMFont::Create(dir, "t.fnt");
    SetColor(0, 255, 0);
    font->DrawText("ABC", 200, 300);
    SetScale(2, 2);
    font->DrawText("AB", 200, 400);
    SetScale(1, 1);
    const PixmapPtr frame = ReadBackBuffer();
    SaveBackBufferPNG(dir + "text.png");
    // Glyph A covers x 200..207, B starts at 200 + 10 + 1 spacing.
    EXPECT_EQ(Rgb(*frame, 203, 308), 0x00ff00u);
    EXPECT_EQ(Rgb(*frame, 209, 308), 0u);
    EXPECT_EQ(Rgb(*frame, 214, 308), 0x00ff00u);
    EXPECT_EQ(Rgb(*frame, 203, 300), 0u);  // the y offset of 2
    EXPECT_EQ(Rgb(*frame, 225, 313), 0x00ff00u);
    // At scale 2: A covers 200..215 and 404..427, B starts at 222.
    EXPECT_EQ(Rgb(*frame, 214, 425), 0x00ff00u);
    EXPECT_EQ(Rgb(*frame, 218, 410), 0u);
    EXPECT_EQ(Rgb(*frame, 224, 410), 0x00ff00u);
}

TEST_F(RenderTest, ParticleBurstGlowsAdditively) {
    toolkit_test::WritePng(dir + "dot.png", 8, 8, 0xffffffff);
    toolkit_test::WriteFile(
        dir + "burst.txt",
        "point_scale=1\npoint_red=1\npoint_green=0.5\npoint_blue=0\n"
        "point_alpha=0.5\npoint_alphafactor=-0.1\nemitter_particles_per_burst=2\n"
        "xhandle=4\nyhandle=4\nimage=" +
            dir + "dot.png\n");
    const ParticleEmitterPtr emitter = _kwa_ParticleEmitter::Create("burst", dir + "burst.txt", 0);
    ASSERT_NE(emitter, nullptr);
    ASSERT_NE(emitter->m_Image, nullptr);
    emitter->DoBurst(400, 300, 0);
    emitter->Update(0.016f);
    const RenderStatePtr saved = _kwa_RenderState::Create();
    emitter->Draw();
    saved->Restore();
    const PixmapPtr frame = ReadBackBuffer();
    SaveBackBufferPNG(dir + "burst.png");
    // Two particles at alpha about 0.5 add up to nearly full red and half green.
    const uint32_t centre = Rgb(*frame, 400, 300);
    EXPECT_GE(centre >> 16, 0xf0u);
    EXPECT_NEAR(static_cast<int>((centre >> 8) & 0xff), 127, 6);
    EXPECT_EQ(centre & 0xff, 0u);
    EXPECT_EQ(Rgb(*frame, 405, 300), 0u);
    EXPECT_EQ(GetBlend(), BLEND_ALPHA);
}
