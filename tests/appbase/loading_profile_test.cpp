// Loading profiles: the values of a ".load" file in order, then 100.
#include <gtest/gtest.h>

#include "app/assets.h"
#include "app/loading_profile.h"
#include "support/archive_test_support.h"

namespace {

std::vector<int> Steps(LoadingProfile& profile, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(profile.Update());
    }
    return values;
}

class LoadingProfileTest : public ::testing::Test {
protected:
    void SetUp() override { SetArchivePrefix(""); }
    ScratchUserFolder scratch;
};

}  // namespace

TEST_F(LoadingProfileTest, ShorterProfileGivesItsValuesThen100) {
    const std::string script = scratch.File("menu.txt");
    WriteFileBytes(script + ".load", "18\r\n39\n40\n");
    const auto profile = LoadingProfile::Create(script);
    EXPECT_EQ(profile->filename, script + ".load");
    EXPECT_EQ(Steps(*profile, 5), (std::vector<int>{18, 39, 40, 100, 100}));
}

TEST_F(LoadingProfileTest, MissingOrEmptyProfileShows100) {
    EXPECT_EQ(Steps(*LoadingProfile::Create(scratch.File("none.txt")), 2),
              (std::vector<int>{100, 100}));
    WriteFileBytes(scratch.File("empty.txt.load"), "");
    EXPECT_TRUE(LoadingProfile::Create(scratch.File("empty.txt"))->items.empty());
}

TEST_F(LoadingProfileTest, LinesThatAreNoNumbersCountAsZeroAndValuesAreNotClamped) {
    WriteFileBytes(scratch.File("odd.txt.load"), "abc\n\n 7 \n250\n-3");
    EXPECT_EQ(Steps(*LoadingProfile::Create(scratch.File("odd.txt")), 6),
              (std::vector<int>{0, 0, 7, 250, -3, 100}));
}
