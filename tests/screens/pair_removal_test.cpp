// What a removed pair does, decided without a screen: points, bonuses,
// picture pieces, the flowers' time and the sound.
#include <gtest/gtest.h>

#include "screens/pair_removal.h"

namespace {

RemovalScene Scene(int startBonus, int endBonus, bool relaxed = false) {
    RemovalScene scene;
    scene.start = Point(3, 4);
    scene.end = Point(7, 4);
    scene.startBonus = startBonus;
    scene.endBonus = endBonus;
    scene.startLevelTile = 5;
    scene.relaxed = relaxed;
    scene.flowersBonus = 8;
    scene.timeRemainingMs = 20000;
    return scene;
}

}  // namespace

TEST(PairRemoval, PlainPairsAndBonusItems) {
    RemovalOutcome plain = DecideRemoval(Scene(0, 0));
    EXPECT_EQ(plain.points, 10);
    EXPECT_TRUE(plain.pickups.empty());
    EXPECT_FALSE(plain.flowerTime);
    EXPECT_EQ(plain.timeRemainingMs, 20000);
    EXPECT_EQ(plain.sound, "ChooseSecond");

    // Start cell first; each item flies to its control.
    RemovalOutcome items = DecideRemoval(Scene(4, 1));
    ASSERT_EQ(items.pickups.size(), 2u);
    EXPECT_EQ(items.pickups[0].cell.x, 3);
    EXPECT_EQ(items.pickups[0].kind, PickupKind::FLIES);
    EXPECT_EQ(items.pickups[0].control, "sb_hints");
    EXPECT_EQ(items.pickups[1].control, "sb_score");
    EXPECT_EQ(items.sound, "GetBonus");

    // Relaxed mode has no score or clock: those two are lost, and alone say nothing.
    RemovalOutcome relaxed = DecideRemoval(Scene(1, 5, true));
    EXPECT_EQ(relaxed.pickups[0].kind, PickupKind::LOST);
    EXPECT_EQ(relaxed.pickups[1].kind, PickupKind::LOST);
    EXPECT_EQ(relaxed.sound, "ChooseSecond");
    EXPECT_EQ(DecideRemoval(Scene(2, 0, true)).pickups[0].kind, PickupKind::FLIES);
    // An unknown code still counts as a bonus for the sound.
    EXPECT_EQ(DecideRemoval(Scene(99, 0)).pickups[0].kind, PickupKind::NOTHING);
    EXPECT_EQ(DecideRemoval(Scene(99, 0)).sound, "GetBonus");
}

TEST(PairRemoval, PicturePiecesUpToSixteen) {
    RemovalScene scene = Scene(6 + 9, 3);
    scene.collectedPieces = 15;
    const RemovalOutcome outcome = DecideRemoval(scene);
    EXPECT_EQ(outcome.pickups[0].kind, PickupKind::PIECE);
    EXPECT_EQ(outcome.pickups[0].piece, 9);
    EXPECT_EQ(outcome.collectedPieces, 16);
    EXPECT_EQ(outcome.sound, "PicFound");

    scene.collectedPieces = 16;
    const RemovalOutcome full = DecideRemoval(scene);
    EXPECT_EQ(full.pickups[0].kind, PickupKind::NO_ROOM);
    EXPECT_EQ(full.collectedPieces, 16);
    EXPECT_EQ(full.sound, "GetBonus");

    EXPECT_EQ(DecideRemoval(Scene(6, 0, true)).pickups[0].kind, PickupKind::LOST);
}

TEST(PairRemoval, FlowersAddTimeInTheStoryOnly) {
    RemovalScene scene = Scene(0, 0);
    scene.startLevelTile = 35;
    RemovalOutcome story = DecideRemoval(scene);
    EXPECT_TRUE(story.flowerTime);
    EXPECT_EQ(story.timeRemainingMs, 28000);
    EXPECT_EQ(story.sound, "GetBonus");

    scene.flowersBonus = 2000000000;  // a damaged level: the clock stays bounded
    EXPECT_EQ(DecideRemoval(scene).timeRemainingMs, 100000 * 1000);

    scene.relaxed = true;
    const RemovalOutcome relaxed = DecideRemoval(scene);
    EXPECT_FALSE(relaxed.flowerTime);
    EXPECT_EQ(relaxed.timeRemainingMs, 20000);
}
