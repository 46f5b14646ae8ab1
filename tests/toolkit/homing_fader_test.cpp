#include <gtest/gtest.h>

#include "toolkit/fader.h"
#include "toolkit/homing_point.h"

TEST(HomingPointTest, StartsHeadingUpAndNeverRightBelowItsTarget) {
    const HomingPointPtr p = homingPoint::Create(100, 300, 50, 100, 20, 10);
    EXPECT_FLOAT_EQ(p->vPos.GetX(), 102);
    EXPECT_FLOAT_EQ(p->vDir.GetY(), -1);
    EXPECT_FLOAT_EQ(homingPoint::Create(99, 300, 50, 100, 20, 10)->vPos.GetX(), 99);
}

TEST(HomingPointTest, MovesAtTheOldSpeedThenAccelerates) {
    const HomingPointPtr p = homingPoint::Create(0, 500, 100, 0, 0, 5);
    p->Update(100);
    EXPECT_NEAR(p->vPos.GetY(), 490.0f, 1e-4);  // 100 px/s for 0.1 s
    EXPECT_FLOAT_EQ(p->fVel, 180.0f);
}

TEST(HomingPointTest, SteeringDeadZoneKeepsTheHeading) {
    // Target about 0.57 degrees right of straight up: inside the dead zone.
    const HomingPointPtr straight = homingPoint::Create(0, 1000, 0, 10, 0, 1);
    straight->Update(16);
    EXPECT_FLOAT_EQ(straight->vDir.GetX(), 0.0f);
    EXPECT_FLOAT_EQ(straight->vDir.GetY(), -1.0f);

    // 45 degrees right within 100 px: turns by 30% of the error.
    const HomingPointPtr turning = homingPoint::Create(0, 50, 0, 50, 0, 1);
    turning->Update(16);
    EXPECT_NEAR(turning->vDir.GetAngle(), -90.0f + 13.5f, 1e-3);
}

TEST(HomingPointTest, ArrivesWithinTheHitDistance) {
    const HomingPointPtr p = homingPoint::Create(400, 500, 100, 60, 40, 12);
    int frames = 0;
    while (p->Update(16) == 1 && frames < 1000) {
        ++frames;
    }
    EXPECT_LT(frames, 1000);
    TVector left = p->vPos;
    EXPECT_LE(left.SubtractVector(p->vTarget).GetLength(), 12.0f);
}

class ScaleFaderTest : public ::testing::Test {
protected:
    void SetUp() override { scaleFader::Clear(); }
    void TearDown() override { scaleFader::Clear(); }
};

TEST_F(ScaleFaderTest, LastUpdateRemovesWithoutGrowing) {
    const ScaleFaderPtr fader = scaleFader::Create(nullptr, 0, 0, 1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(scaleFader::LiveCount(), 1);
    scaleFader::Update(500);
    EXPECT_FLOAT_EQ(fader->fScale, 1.5f);
    scaleFader::Update(250);
    scaleFader::Update(250);  // alpha reaches exactly 0: removed, scale unchanged
    EXPECT_EQ(scaleFader::LiveCount(), 0);
    EXPECT_FLOAT_EQ(fader->fScale, 1.75f);
}

TEST_F(ScaleFaderTest, RemovalInTheMiddleKeepsTheRest) {
    scaleFader::Create(nullptr, 0, 0, 2.0f, 1.0f, 1.0f, 0.0f);
    scaleFader::Create(nullptr, 0, 0, 0.1f, 1.0f, 1.0f, 0.0f);
    const ScaleFaderPtr last = scaleFader::Create(nullptr, 0, 0, 2.0f, 1.0f, 1.0f, 2.0f);
    scaleFader::Update(200);
    EXPECT_EQ(scaleFader::LiveCount(), 2);
    EXPECT_FLOAT_EQ(last->fScale, 1.4f);
    scaleFader::Clear();
    EXPECT_EQ(scaleFader::LiveCount(), 0);
}
