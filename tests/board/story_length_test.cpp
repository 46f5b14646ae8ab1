// The story's length as the shared script names it, and what a damaged
// script gives.
#include <gtest/gtest.h>

#include "board/story_length.h"
#include "platform/debug_log.h"

TEST(StoryLength, ReadFromTheSharedScript) {
    EXPECT_EQ(StoryLength("' the levels\nCONST NumberOfLevels = 50\nCONST Other = 3\n"), 50);
    EXPECT_EQ(StoryLength("const numberoflevels=7\r\n"), 7);

    DebugLogCapture log;
    EXPECT_EQ(StoryLength(""), 0);
    EXPECT_EQ(StoryLength("CONST NumberOfLevels = 61\n"), 0);  // beyond any level file
    EXPECT_EQ(StoryLength("CONST NumberOfLevels = many\n"), 0);
    EXPECT_EQ(StoryLength("' CONST NumberOfLevels = 5\n"), 0);  // a comment
    EXPECT_EQ(log.Lines().size(), 4u);
}
