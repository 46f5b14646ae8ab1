#include <gtest/gtest.h>

#include "board/flying_bonus.h"

namespace {

TEST(FlyingBonus, StartsBesideATargetStraightAbove) {
    const FlyingBonusPtr bonus =
        flyingBonus::CreateFB("sb_hints", nullptr, 100.0f, 300.0f, 60.0f, 100.0f, 20.0f, 15.0f);
    EXPECT_EQ(bonus->vPos._x, 102.0f);
    EXPECT_EQ(bonus->vPos._y, 300.0f);
    EXPECT_EQ(bonus->vDir._y, -1.0f);
    EXPECT_EQ(bonus->control, "sb_hints");
    EXPECT_EQ(bonus->Update(16), 1);
}

TEST(FlyingBonus, ArrivesInTheFirstUpdateWhenStartingClose) {
    const FlyingBonusPtr bonus =
        flyingBonus::CreateFB("sb_time", nullptr, 100.0f, 100.0f, 60.0f, 105.0f, 95.0f, 15.0f);
    EXPECT_EQ(bonus->Update(16), 0);
}

TEST(FlyingBonus, ReachesAFarTarget) {
    const FlyingBonusPtr bonus =
        flyingBonus::CreateFB("sb_score", nullptr, 400.0f, 400.0f, 60.0f, 700.0f, 20.0f, 15.0f);
    int frames = 0;
    while (bonus->Update(16) == 1 && frames < 1000) {
        ++frames;
    }
    EXPECT_LT(frames, 1000);
}

}  // namespace
