#include "graphics_fixture.h"
#include "platform/clock.h"
#include "platform/input.h"

using InputTest = GraphicsTest;

TEST_F(InputTest, MouseHitCountsOnceAndResets) {
    FlushMouse();
    InjectMouseButton(1, true);
    InjectMouseButton(1, false);
    InjectMouseButton(1, true);
    EXPECT_TRUE(MouseDown(1));
    EXPECT_EQ(MouseHit(1), 2);
    EXPECT_EQ(MouseHit(1), 0) << "the second call in a frame sees nothing";
    EXPECT_EQ(MouseHit(2), 0);
    EXPECT_EQ(MouseHit(9), 0);
    FlushMouse();
    EXPECT_FALSE(MouseDown(1));
    InjectMouseMove(640, 480);
    EXPECT_EQ(MouseX(), 640);
    EXPECT_EQ(MouseY(), 480);
}

TEST_F(InputTest, KeysAndTypedCharacters) {
    FlushKeys();
    InjectKey(KEY_ENTER, true);
    InjectKey(KEY_ENTER, false);
    InjectKey('H', true);
    EXPECT_TRUE(KeyDown('H'));
    EXPECT_EQ(KeyHit(KEY_ENTER), 1);
    EXPECT_EQ(KeyHit(KEY_ENTER), 0);
    InjectChar('a');
    InjectChar(0xE9);
    InjectChar(0x263A);  // not Latin-1: dropped
    EXPECT_EQ(GetChar(), 'a');
    EXPECT_EQ(GetChar(), 0xE9);
    EXPECT_EQ(GetChar(), 0);
    for (int i = 0; i < 300; ++i) {
        InjectChar('x');
    }
    int queued = 0;
    while (GetChar() != 0) {
        ++queued;
    }
    EXPECT_EQ(queued, 256);
    InjectChar('z');
    FlushKeys();
    EXPECT_FALSE(KeyDown('H'));
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputTest, CloseRequestIsSeenOnce) {
    EXPECT_FALSE(AppTerminate());
    InjectCloseRequest();
    EXPECT_TRUE(AppTerminate());
    EXPECT_FALSE(AppTerminate());
}

TEST_F(InputTest, FlipWithTheManualClockMovesToTheDeadline) {
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60));
    UseManualClock(true, 10000);
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60));  // the pacer starts on the manual clock
    for (int i = 0; i < 60; ++i) {
        Flip();
    }
    EXPECT_EQ(MilliSecs(), 11000);
    AdvanceClock(100);  // a slow frame
    Flip();
    EXPECT_EQ(MilliSecs(), 11100);
    Flip();
    EXPECT_NEAR(MilliSecs(), 11116.5, 0.5) << "16 or 17 ms after the late frame";
    UseManualClock(false);
}
