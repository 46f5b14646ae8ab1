#include <gtest/gtest.h>

#include "platform/test_seams.h"
#include "toolkit/particle_emitter.h"
#include "toolkit/toolkit_files.h"

namespace {

const char* const BASIC =
    "point_weight=0\n"
    "point_scale=1\n"
    "point_scalefactor=0\n"
    "point_velocity_min=0\n"
    "point_velocity_max=0\n"
    "point_alpha=1\n"
    "point_alphafactor=-1\n"
    "emitter_particles_per_burst=40\n";

class ParticleTest : public ::testing::Test {
protected:
    ParticleEmitterPtr Make(const std::string& text) {
        toolkit_test::WriteFile(dir + "e.txt", text);
        return _kwa_ParticleEmitter::Create("test", dir + "e.txt", 1);
    }
    void TearDown() override { UseManualClock(false); }

    std::string dir = toolkit_test::ScratchDir("particles");
};

}  // namespace

TEST_F(ParticleTest, FileKeysInTheirOrder) {
    const ParticleEmitterPtr e = Make(
        "point_weight=10\npoint_scale=0.2\npoint_scalefactor=1.6\n'point_weight=5\n\n"
        "point_velocity_min=-350\nPOINT_VELOCITY_MAX=350\npoint_red=1\npoint_redfactor=0.5\n"
        "point_green=0.25\npoint_greenfactor=1\npoint_blue=0.75\npoint_bluefactor=2\n"
        "point_alpha=1\npoint_alphafactor=-1\npoint_rotationfactor=90\n"
        "emitter_particles_per_burst=40\nemitter_life=3\nxhandle=4\nyhandle=5\n"
        "image=nowhere.tga\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_strName, "test");
    EXPECT_FLOAT_EQ(e->m_fPointWeight, 10);
    EXPECT_FLOAT_EQ(e->m_baseParticle.m_fScale, 0.2f);
    EXPECT_FLOAT_EQ(e->m_fScaleFactor, 1.6f);
    EXPECT_FLOAT_EQ(e->m_fVelocityMax, 350);
    EXPECT_FLOAT_EQ(e->m_fRedFactor, 0.5f);
    EXPECT_FLOAT_EQ(e->m_baseParticle.m_fRed, 1);
    EXPECT_FLOAT_EQ(e->m_baseParticle.m_fGreen, 0.25f);
    EXPECT_FLOAT_EQ(e->m_fBlueFactor, 2);
    EXPECT_FLOAT_EQ(e->m_fAlphaFactor, -1);
    EXPECT_FLOAT_EQ(e->m_fRotationFactor, 90);
    EXPECT_EQ(e->m_iParticlesPerBurst, 40);
    EXPECT_EQ(e->m_iYHandle, 5);
    EXPECT_EQ(e->m_Image, nullptr);  // created without images
    EXPECT_EQ(e->FreeCount(), EMITTER_POOL_SIZE);

    EXPECT_EQ(_kwa_ParticleEmitter::Create("none", dir + "missing.txt", 1), nullptr);
}

TEST_F(ParticleTest, ParticleLivesUntilAlphaDropsBelowZero) {
    const ParticleEmitterPtr e = Make(std::string(BASIC) + "emitter_particles_per_burst=1\n");
    e->DoBurst(10, 20, 0);
    ASSERT_EQ(e->LiveCount(), 1);
    for (int i = 0; i < 4; ++i) {
        e->Update(0.25f);
    }
    EXPECT_EQ(e->LiveCount(), 1);
    EXPECT_FLOAT_EQ(e->m_liveParticles.front().m_fAlpha, 0.0f);
    e->Update(0.25f);
    EXPECT_EQ(e->LiveCount(), 0);
    EXPECT_EQ(e->FreeCount(), EMITTER_POOL_SIZE);
}

TEST_F(ParticleTest, ShrinkingAwayAlsoEndsAParticle) {
    const ParticleEmitterPtr e = Make(
        "point_scale=0.5\npoint_scalefactor=-1\npoint_alpha=1\nemitter_particles_per_burst=3\n");
    e->DoBurst(0, 0, 0);
    e->Update(0.5f);
    EXPECT_EQ(e->LiveCount(), 3);
    e->Update(0.1f);
    EXPECT_EQ(e->LiveCount(), 0);
}

TEST_F(ParticleTest, PoolRunsDry) {
    const ParticleEmitterPtr e = Make(BASIC);
    e->DoBurst(0, 0, 0);
    EXPECT_EQ(e->FreeCount(), 560);
    for (int i = 1; i < 15; ++i) {
        e->DoBurst(0, 0, 0);
    }
    EXPECT_EQ(e->LiveCount(), EMITTER_POOL_SIZE);
    EXPECT_EQ(e->FreeCount(), 0);
    e->DoBurst(0, 0, 0);
    EXPECT_EQ(e->LiveCount(), EMITTER_POOL_SIZE);
}

TEST_F(ParticleTest, ThrottledBurstsAtMostEveryTwentyMilliseconds) {
    const ParticleEmitterPtr e = Make(BASIC);
    UseManualClock(true, 0);
    e->DoBurst(0, 0, 1);
    EXPECT_EQ(e->LiveCount(), 40);  // the very first burst is never held back
    AdvanceClock(10);
    e->DoBurst(0, 0, 1);
    EXPECT_EQ(e->LiveCount(), 40);
    e->DoBurst(0, 0, 0);
    EXPECT_EQ(e->LiveCount(), 80);
    AdvanceClock(10);
    e->DoBurst(0, 0, 1);
    EXPECT_EQ(e->LiveCount(), 120);
}

TEST_F(ParticleTest, EmptyBurstSizeStillSpawnsOne) {
    const ParticleEmitterPtr e = Make("point_alpha=1\nemitter_particles_per_burst=0\n");
    e->DoBurst(0, 0, 0);
    EXPECT_EQ(e->LiveCount(), 1);
    const ParticleEmitterPtr negative = Make("point_alpha=1\nemitter_particles_per_burst=-7\n");
    negative->DoBurst(0, 0, 0);
    EXPECT_EQ(negative->LiveCount(), 1);
}

TEST_F(ParticleTest, WeightPullsDownAndSlowsBothAxes) {
    const ParticleEmitterPtr e = Make(std::string(BASIC) + "point_weight=10\n");
    e->DoBurst(100, 200, 0);
    e->Update(0.1f);
    const __kwa_Particle& p = e->m_liveParticles.front();
    EXPECT_NEAR(p.m_fY, 200.1f, 1e-4);
    EXPECT_FLOAT_EQ(p.m_fX, 100.0f);
    EXPECT_FLOAT_EQ(p.m_fVelocityX, -1.0f);
    EXPECT_FLOAT_EQ(p.m_fVelocityY, -1.0f);
}

TEST_F(ParticleTest, VelocitiesStayInTheirRange) {
    const ParticleEmitterPtr e =
        Make(std::string(BASIC) + "point_velocity_min=-350\npoint_velocity_max=350\n");
    e->DoBurst(0, 0, 0);
    for (const __kwa_Particle& p : e->m_liveParticles) {
        EXPECT_GE(p.m_fVelocityX, -350.0f);
        EXPECT_LT(p.m_fVelocityY, 350.0f);
    }
    e->Destroy();
    EXPECT_EQ(e->LiveCount(), 0);
    e->DoBurst(0, 0, 0);  // nothing left to spawn
    EXPECT_EQ(e->LiveCount(), 0);
}
