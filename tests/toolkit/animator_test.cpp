#include <gtest/gtest.h>

#include <cmath>

#include "platform/debug_log.h"
#include "platform/stream.h"
#include "toolkit/animation_controller.h"
#include "toolkit/animator.h"
#include "toolkit/bitmap_bank.h"
#include "toolkit/toolkit_files.h"

namespace {

AnimatorPtr LoadBlock(const std::string& text, const std::string& endTag = "</x>") {
    StreamPtr stream = CreateMemoryStream(text);
    return _kwa_Animator::Load(*stream, endTag);
}

void Advance(_kwa_Animator& animator, int ms, int steps) {
    for (int i = 0; i < steps; ++i) {
        animator.Update(ms);
    }
}

}  // namespace

TEST(AnimatorTest, SingleDataLineFixesTheValue) {
    const AnimatorPtr a = LoadBlock("data[0]=505\n</x>\n");
    Advance(*a, 100, 50);
    EXPECT_FLOAT_EQ(a->Value(), 505);
}

TEST(AnimatorTest, BlockGrammar) {
    StreamPtr stream =
        CreateMemoryStream("'data0=99\nDATA1=2.5\ndata[1]=7\nscript=1\nrepeat=0\n</X>\ndata0=42\n");
    const AnimatorPtr a = _kwa_Animator::Load(*stream, "</x>");
    EXPECT_FLOAT_EQ(a->init_data[0], 7);  // "data[" counts as entry 0; the comment is skipped
    EXPECT_FLOAT_EQ(a->init_data[1], 2.5);
    EXPECT_EQ(a->scriptID, 1);
    EXPECT_EQ(a->playOnce, 1);
    EXPECT_EQ(ReadLine(*stream), "data0=42");  // the end tag line is consumed, nothing more

    const AnimatorPtr empty = LoadBlock("data0=3\n\ndata0=4\n");
    EXPECT_FLOAT_EQ(empty->init_data[0], 3);  // an empty line ends the block
}

TEST(AnimatorTest, SineSwingsAboutItsBase) {
    const AnimatorPtr a = LoadBlock("data0=1\ndata1=500\ndata2=0.2\nrepeat=1\nscript=1\n</x>\n");
    a->Update(2);
    EXPECT_NEAR(a->Value(), 1.2f + 0.2f * 0.017452f, 1e-4);
    a->Restart();
    a->Update(180);  // a quarter period: the top
    EXPECT_NEAR(a->Value(), 1.4f, 1e-5);
    a->Update(360);  // three quarters: the bottom
    EXPECT_NEAR(a->Value(), 1.0f, 1e-5);
    a->Update(180);  // one whole period of 0.72 s
    EXPECT_NEAR(a->Value(), 1.2f, 1e-5);
}

TEST(AnimatorTest, LinearRepeatDropsTheExcess) {
    const AnimatorPtr a = LoadBlock("data0=0\ndata1=100\ndata2=50\nrepeat=1\n</x>\n");
    Advance(*a, 100, 4);
    EXPECT_FLOAT_EQ(a->Value(), 40);
    a->Update(100);
    EXPECT_FLOAT_EQ(a->Value(), 50);  // not above the end yet
    a->Update(100);
    EXPECT_FLOAT_EQ(a->Value(), 0);
    EXPECT_EQ(a->expired, 0);
}

TEST(AnimatorTest, LinearPlayOnceStopsForGood) {
    const AnimatorPtr a = LoadBlock("data0=0\ndata1=100\ndata2=50\nrepeat=0\n</x>\n");
    Advance(*a, 100, 6);
    EXPECT_FLOAT_EQ(a->Value(), 60);
    EXPECT_EQ(a->expired, 1);
    Advance(*a, 100, 5);
    EXPECT_FLOAT_EQ(a->Value(), 60);
    a->Restart();
    EXPECT_FLOAT_EQ(a->Value(), 0);
    EXPECT_EQ(a->expired, 0);
}

TEST(AnimatorTest, UpdateOfOneMillisecondDoesNothing) {
    const AnimatorPtr a = LoadBlock("data1=100\ndata2=50\n</x>\n");
    a->Update(1);
    EXPECT_EQ(a->ageMS, 0);
    EXPECT_FLOAT_EQ(a->Value(), 0);
}

TEST(AnimatorTest, BounceStopsAtItsFloor) {
    const AnimatorPtr a =
        LoadBlock("script=2\ndata0=0\ndata1=0\ndata2=100\ndata3=-0.5\ndata4=1000\n</x>\n");
    Advance(*a, 100, 20);
    EXPECT_LE(a->Value(), 100.0f);
}

TEST(AnimatorTest, DuplicateRestartsWithTheScript) {
    const AnimatorPtr a = LoadBlock("data0=5\ndata1=100\ndata2=500\n</x>\n");
    Advance(*a, 100, 3);
    const AnimatorPtr copy = a->Duplicate();
    EXPECT_FLOAT_EQ(copy->Value(), 5);
    EXPECT_FLOAT_EQ(copy->init_data[1], 100);
    EXPECT_EQ(copy->ageMS, 0);
}

class FrameListTest : public ::testing::Test {
protected:
    std::string dir = toolkit_test::ScratchDir("framelist");
};

TEST_F(FrameListTest, FrameBoundariesShowTheEarlierFrame) {
    toolkit_test::WriteFile(dir + "walk.csv", "name,duration\n\"f1\",\"6\"\n\nf2,6\r\nf3,12\n");
    _kwa_SpriteAnimationController c;
    c.Load(dir + "walk.csv");
    ASSERT_EQ(c.m_iFrameCount, 3);
    EXPECT_NEAR(c.m_fFrameTimeList[1], 0.1f, 1e-6);
    EXPECT_NEAR(c.m_fFrameTimeList[2], 0.2f, 1e-6);
    EXPECT_NEAR(c.MaxTime(), 0.4f, 1e-6);
    EXPECT_EQ(c.BitmapID(0.0f), c.m_iBitmapIDList[0]);
    EXPECT_EQ(c.BitmapID(c.m_fFrameTimeList[1]), c.m_iBitmapIDList[0]);
    EXPECT_EQ(c.BitmapID(0.15f), c.m_iBitmapIDList[1]);
    EXPECT_EQ(c.BitmapID(0.3f), c.m_iBitmapIDList[2]);
    EXPECT_EQ(c.BitmapID(0.5f), c.m_iBitmapIDList[0]);  // past the end
    EXPECT_EQ(BitmapBank().GetEntry(c.m_iBitmapIDList[1])->m_strUrl, dir + "f2.tga");
    c.Unload();
    EXPECT_EQ(c.m_iBitmapIDList[0], BITMAP_NONE);
}

TEST_F(FrameListTest, WrongNameOrMissingFileGivesNoFrames) {
    DebugLogCapture log;
    _kwa_SpriteAnimationController notCsv;
    notCsv.Load(dir + "walk.txt");
    EXPECT_TRUE(log.Contains("Files must be *.cvs!"));
    _kwa_SpriteAnimationController missing;
    missing.Load(dir + "none.CSV");
    EXPECT_TRUE(log.Contains("Cound not open .csv file: " + dir + "none.CSV***"));
    EXPECT_EQ(missing.m_iFrameCount, 0);
    EXPECT_EQ(missing.BitmapID(0.0f), BITMAP_NONE);
}

TEST_F(FrameListTest, HostileFrameListsAreClampedAndSkipped) {
    std::string lines = ",6\nnocomma\n\"\",3\nhuge,99999999999999\nneg,-60\n";
    for (int i = 0; i < 1005; ++i) {
        lines += "same,1\n";
    }
    toolkit_test::WriteFile(dir + "bad.csv", lines);
    DebugLogCapture log;
    _kwa_SpriteAnimationController c;
    c.Load(dir + "bad.csv");
    EXPECT_EQ(c.m_iFrameCount, CONTROLLER_MAX_FRAMES);
    EXPECT_TRUE(log.Contains("Too many frames"));
    EXPECT_TRUE(log.Contains("Bad frame line"));
    EXPECT_TRUE(std::isfinite(c.MaxTime()));
    EXPECT_NEAR(c.m_fFrameTimeList[2] - c.m_fFrameTimeList[1], 0.0f, 1e-3);  // negative -> 0
    EXPECT_EQ(BitmapBank().AccessCount(c.m_iBitmapIDList[2]), CONTROLLER_MAX_FRAMES - 2);
    c.Unload();
    EXPECT_EQ(BitmapBank().GetEntry(c.m_iBitmapIDList[2]), nullptr);
}

TEST_F(FrameListTest, BankHandsOutSlotsAndCopesWithBadIds) {
    toolkit_test::WriteFile(dir + "one.csv", "a,30\n");
    _kwa_SpriteAnimationControllerBank bank;
    const int first = bank.CreateAnimationController(dir + "one.csv");
    const int dummy = bank.CreateDummyController(dir + "a.png");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(dummy, 1);
    EXPECT_FLOAT_EQ(bank.GetControllerMaxTime(first), 0.5f);
    EXPECT_FLOAT_EQ(bank.GetControllerMaxTime(dummy), 0.0f);
    EXPECT_EQ(bank.GetBitmapID(dummy, 12.0f), bank.GetController(dummy)->m_iBitmapIDList[0]);
    bank.DestroyAnimationController(first);
    EXPECT_EQ(bank.CreateDummyController(dir + "b.png"), 0);  // the freed slot again

    EXPECT_EQ(bank.GetBitmapID(CONTROLLER_NONE, 0.0f), BITMAP_NONE);
    EXPECT_EQ(bank.GetBitmapID(-5, 0.0f), BITMAP_NONE);
    EXPECT_FLOAT_EQ(bank.GetControllerMaxTime(CONTROLLER_NONE), 0.0f);
    EXPECT_EQ(bank._SetImageHandle(CONTROLLER_NONE, 1, 1), 0);
    EXPECT_EQ(bank.DestroyAnimationController(CONTROLLER_NONE), 0);
    bank.DestroyAnimationController(0);
    bank.DestroyAnimationController(dummy);
}
