// The bonus emitters and the drop-shadow sprites load through the toolkit,
// with their pictures, and behave as the game uses them.
#include <gtest/gtest.h>

#include "content_fixture.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "toolkit/particle_emitter.h"
#include "toolkit/sprite.h"
#include "support/shipped_data_test.h"

TEST_F(ContentTest, BonusCollectIsOneShortGoldenBurst) {
    DebugLogCapture log;
    const ParticleEmitterPtr emitter =
        _kwa_ParticleEmitter::Create("bonuscollect", "data/effects/bonuscollect.txt", 0);
    ASSERT_NE(emitter, nullptr);
    ASSERT_NE(emitter->m_Image, nullptr);
    EXPECT_EQ(emitter->m_Image->handle_x, emitter->m_Image->width / 2);
    EXPECT_GT(emitter->m_baseParticle.m_fRed, 0.8f);
    emitter->DoBurst(400, 300, 1);
    const int burst = emitter->LiveCount();
    EXPECT_GE(burst, 20);
    // Two bonus cells collected at once fit in the pool many times over, and
    // every particle has faded within two seconds at 60 frames a second.
    for (int frame = 0; frame < 120; ++frame) {
        emitter->Update(1.0f / 60);
    }
    EXPECT_EQ(emitter->LiveCount(), 0);
    EXPECT_EQ(emitter->FreeCount(), EMITTER_POOL_SIZE);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(ContentTest, BonusFlyTrailNeverDrainsThePool) {
    const ParticleEmitterPtr emitter =
        _kwa_ParticleEmitter::Create("bonusfly", "data/effects/bonusfly.txt", 0);
    ASSERT_NE(emitter, nullptr);
    ASSERT_NE(emitter->m_Image, nullptr);
    // Four items flying at once, each bursting every frame, plus an arrival
    // flourish of 20 bursts over a status-bar caption.
    int most = 0;
    for (int frame = 0; frame < 180; ++frame) {
        for (int item = 0; item < 4; ++item) {
            emitter->DoBurst(100.0f + frame, 100.0f + 40 * item, 0);
        }
        if (frame == 90) {
            for (int i = 0; i < 20; ++i) {
                emitter->DoBurst(700, 20, 0);
            }
        }
        emitter->Update(1.0f / 60);
        most = std::max(most, emitter->LiveCount());
    }
    EXPECT_LT(most, EMITTER_POOL_SIZE);
    for (int frame = 0; frame < 120; ++frame) {
        emitter->Update(1.0f / 60);
    }
    EXPECT_EQ(emitter->LiveCount(), 0);
}

TEST_F(ContentTest, ShadowSpritesSitUnderTheTile) {
    for (const char* name : {"squareshadow", "roundshadow"}) {
        SCOPED_TRACE(name);
        DebugLogCapture log;
        const MasterSpritePtr sprite =
            _kwa_MasterSprite::Create(std::string("data/effects/") + name + ".png");
        ASSERT_NE(sprite, nullptr);
        const ImagePtr image = sprite->Image();
        ASSERT_NE(image, nullptr);
        // A 32 x 48 shape with a soft margin of 4; the handle puts the shape's
        // corner where the board draws it.
        EXPECT_EQ(image->width, 40);
        EXPECT_EQ(image->height, 56);
        EXPECT_FLOAT_EQ(image->handle_x, 4.0f);
        EXPECT_FLOAT_EQ(image->handle_y, 4.0f);
        EXPECT_EQ(sprite->m_iBlendType, 0);
        const PixmapPtr pixels = LockImage(image, 0, true, false);
        const uint32_t centre = ReadPixel(*pixels, 20, 28);
        EXPECT_EQ(centre & 0xFFFFFFu, 0u);
        EXPECT_GT(centre >> 24, 80u);
        EXPECT_LT(centre >> 24, 160u);
        EXPECT_EQ(ReadPixel(*pixels, 0, 0) >> 24, 0u);
        UnlockImage(image, 0);
        EXPECT_TRUE(log.Lines().empty());
        sprite->Destroy();
    }
}

class EffectDrawing : public ContentTest {
protected:
    static void SetUpTestSuite() { OpenTestDisplay(); }
};

// Counts pixels of a region brighter than the background by a margin.
int LitPixels(const TPixmap& frame, int x0, int y0, int x1, int y1) {
    int lit = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            lit += ((ReadPixel(frame, x, y) >> 16) & 0xFF) > 120;
        }
    }
    return lit;
}

TEST_F(EffectDrawing, BurstAndTrailGlowOnTheBoard) {
    ASSERT_TRUE(GraphicsOpen());
    const ParticleEmitterPtr collect =
        _kwa_ParticleEmitter::Create("bonuscollect", "data/effects/bonuscollect.txt", 0);
    const ParticleEmitterPtr fly =
        _kwa_ParticleEmitter::Create("bonusfly", "data/effects/bonusfly.txt", 0);
    ASSERT_NE(collect, nullptr);
    ASSERT_NE(fly, nullptr);
    SetClsColor(30, 40, 60);
    Cls();
    collect->DoBurst(200, 300, 0);
    for (int frame = 0; frame < 15; ++frame) {
        collect->Update(1.0f / 60);
    }
    // A bonus flying right along a gentle curve, leaving its trail.
    for (int frame = 0; frame < 40; ++frame) {
        fly->DoBurst(400.0f + frame * 8, 300.0f - frame * 2, 0);
        fly->Update(1.0f / 60);
    }
    SetColor(255, 255, 255);
    collect->Draw();
    fly->Draw();
    const PixmapPtr frame = ReadBackBuffer();
    ASSERT_NE(frame, nullptr);
    SavePixmapPNG(*frame, content_test::ReportPath("effects-frame.png"));
    EXPECT_GT(LitPixels(*frame, 120, 220, 280, 380), 200);
    EXPECT_GT(LitPixels(*frame, 400, 200, 740, 340), 200);
    EXPECT_EQ(LitPixels(*frame, 0, 500, 800, 600), 0);
}
