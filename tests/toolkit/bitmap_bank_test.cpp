#include <gtest/gtest.h>

#include "platform/debug_log.h"
#include "toolkit/bitmap_bank.h"
#include "toolkit/toolkit_files.h"

class BitmapBankTest : public ::testing::Test {
protected:
    std::string dir = toolkit_test::ScratchDir("bank");
    _kwa_BitmapResourceBank bank;
};

TEST_F(BitmapBankTest, SharedLoadsAreCounted) {
    toolkit_test::WritePng(dir + "b.png", 4, 4, 0xff00ff00);
    const int index = bank.LoadBitmap(dir + "b.png");
    EXPECT_EQ(bank.LoadBitmap(dir + "b.png"), index);
    EXPECT_EQ(bank.AccessCount(index), 2);
    ASSERT_NE(bank.GetImage(index), nullptr);
    EXPECT_EQ(bank.GetImage(index)->width, 4);

    bank.UnloadBitmap(index);
    EXPECT_EQ(bank.AccessCount(index), 1);
    DebugLogCapture log;
    bank.UnloadBitmap(index);
    EXPECT_EQ(bank.GetEntry(index), nullptr);
    EXPECT_TRUE(log.Contains("Bitmap unloaded:" + dir + "b.png"));
    bank.UnloadBitmap(index);  // already empty
    EXPECT_EQ(bank.UsedSlots(), 0);
}

TEST_F(BitmapBankTest, PrefixMatchIgnoresCase) {
    toolkit_test::WritePng(dir + "b.png", 2, 2, 0xffffffff);
    const int index = bank.LoadBitmap(dir + "b.png");
    std::string upper = dir + "B";
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(bank.LoadBitmap(upper), index);
    EXPECT_EQ(bank.AccessCount(index), 2);
    EXPECT_EQ(bank.UsedSlots(), 1);
}

TEST_F(BitmapBankTest, MissingTgaFallsBackToPng) {
    toolkit_test::WritePng(dir + "x.png", 3, 5, 0xffff0000);
    DebugLogCapture log;
    const int index = bank.LoadBitmap(dir + "x.tga");
    ASSERT_NE(bank.GetImage(index), nullptr);
    EXPECT_EQ(bank.GetImage(index)->height, 5);
    EXPECT_EQ(bank.GetEntry(index)->m_strUrl, dir + "x.tga");
    EXPECT_FALSE(log.Contains("***Error: Failed to load bitmap"));
}

TEST_F(BitmapBankTest, MissingInBothFormsKeepsANullSlot) {
    DebugLogCapture log;
    const int index = bank.LoadBitmap(dir + "gone.tga");
    EXPECT_GE(index, 0);
    EXPECT_EQ(bank.GetImage(index), nullptr);
    EXPECT_TRUE(log.Contains("***Error: Failed to load bitmap: " + dir + "gone.tga*** or :" + dir +
                             "gone.png***"));
    EXPECT_EQ(bank.DrawBitmap(index, 0, 0), 0);
    EXPECT_EQ(bank._SetImageHandle(index, 1, 1), 0);
}

TEST_F(BitmapBankTest, FullBankAndBadIndicesAreHarmless) {
    for (int i = 0; i < BITMAP_BANK_SLOTS; ++i) {
        ASSERT_EQ(bank.LoadBitmap(dir + "n" + std::to_string(i) + "_.tga"), i);
    }
    DebugLogCapture log;
    EXPECT_EQ(bank.LoadBitmap(dir + "one_more.tga"), BITMAP_NONE);
    EXPECT_EQ(bank.LoadBitmap(""), BITMAP_NONE);  // an empty prefix would match anything
    EXPECT_EQ(bank.GetImage(BITMAP_NONE), nullptr);
    EXPECT_EQ(bank.AccessCount(BITMAP_BANK_SLOTS), 0);
    EXPECT_EQ(bank.UnloadBitmap(BITMAP_NONE), 0);
    EXPECT_EQ(bank.DrawBitmap(BITMAP_NONE, 0, 0), 0);
}
