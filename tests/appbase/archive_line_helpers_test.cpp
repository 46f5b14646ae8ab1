#include <gtest/gtest.h>

#include "app/line_helpers.h"

TEST(LineHelpers, KeyAndValueSplitAtTheFirstEquals) {
    EXPECT_EQ(KeyOf("a=b=c"), "a");
    EXPECT_EQ(ValueOf("a=b=c"), "b=c");
    EXPECT_EQ(KeyOf("no equals"), "");
    EXPECT_EQ(ValueOf("no equals"), "no equals");
    EXPECT_EQ(KeyOf("=x"), "");
    EXPECT_EQ(ValueOf("k="), "");
}

TEST(LineHelpers, StartsWithNoCase) {
    EXPECT_TRUE(StartsWithNoCase("SPRITE=x", "sprite"));
    EXPECT_TRUE(StartsWithNoCase("anything", ""));
    EXPECT_FALSE(StartsWithNoCase("spr", "sprite"));
    EXPECT_FALSE(StartsWithNoCase("sound=x", "sprite"));
}

TEST(LineHelpers, TrimSpacesDropsControlCodes) {
    EXPECT_EQ(TrimSpaces(" \t\r a b \n\x01"), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
}

TEST(LineHelpers, ParseColor4RepeatsTheLastNumber) {
    int r = -1, g = -1, b = -1, a = -1;
    ParseColor4("0,0,0,210", r, g, b, a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{0, 0, 0, 210}));
    ParseColor4("255", r, g, b, a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{255, 255, 255, 255}));
    ParseColor4("10,20", r, g, b, a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{10, 20, 20, 20}));
    ParseColor4("", r, g, b, a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{0, 0, 0, 0}));
    ParseColor4("1x,2,,4", r, g, b, a);
    EXPECT_EQ((std::vector<int>{r, g, b, a}), (std::vector<int>{1, 2, 0, 4}));
}

TEST(LineHelpers, FilterPlatformLineKeepsOnlyWindowsLines) {
    EXPECT_EQ(FilterPlatformLine("$$Win ##WindowTitle=x"), "##WindowTitle=x");
    EXPECT_EQ(FilterPlatformLine("$$Mac ##WindowTitle=y"), "");
    EXPECT_EQ(FilterPlatformLine("$$win"), "");
    EXPECT_EQ(FilterPlatformLine("##Plain=z"), "##Plain=z");
}

TEST(LineHelpers, Conversions) {
    EXPECT_EQ(ToInt("42abc"), 42);
    EXPECT_EQ(ToInt("-7"), -7);
    EXPECT_EQ(ToInt("abc"), 0);
    EXPECT_EQ(ToInt("99999999999999"), 2147483647);
    EXPECT_EQ(ToInt("-99999999999999"), -2147483647 - 1);
    EXPECT_FLOAT_EQ(ToFloat("0.70"), 0.7f);
    EXPECT_FLOAT_EQ(ToFloat("-1.5e2x"), -150.0f);
    EXPECT_EQ(ToFloat("nan"), 0.0f);
    EXPECT_EQ(ToFloat("1e999"), 0.0f);
    EXPECT_EQ(ToFloat("."), 0.0f);
    EXPECT_EQ(ToLower("MiXeD/Path"), "mixed/path");
    int a = 1, b = 2;
    SwapValues(a, b);
    EXPECT_EQ(a * 10 + b, 21);
}
