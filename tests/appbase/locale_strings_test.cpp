#include <gtest/gtest.h>

#include "app/assets.h"
#include "app/locale_strings.h"
#include "support/archive_test_support.h"
#include "platform/debug_log.h"

namespace {

class LocaleStrings : public ::testing::Test {
protected:
    void SetUp() override { SetArchivePrefix(""); }

    void Load(const std::string& text) {
        WriteFileBytes(file, text);
        localeStringManager::loadLocaleStrings(file, 1);
    }

    ScratchUserFolder scratch;
    const std::string file = scratch.File("english.txt");
};

}  // namespace

TEST_F(LocaleStrings, KeysAreCaseSensitiveAndKeepEverythingAfterTheFirstEquals) {
    Load(
        "##Yes=YES\r\n##Sum=1+1=2\n##Spaced =x\n' ##Comment=no\n\n##Empty=\nno equals\n"
        "$$Win ##Title=win\n$$Mac ##Mac=mac\n##Yes=Yes again\n");
    EXPECT_EQ(localeStringManager::getLocaleString("##Yes"), "Yes again");
    EXPECT_EQ(localeStringManager::getLocaleString("##Sum"), "1+1=2");
    EXPECT_EQ(localeStringManager::getLocaleString("##Spaced "), "x");
    EXPECT_EQ(localeStringManager::getLocaleString("##Title"), "win");

    DebugLogCapture log;
    EXPECT_EQ(localeStringManager::getLocaleString("##yes"), "unknown locale##yes");
    EXPECT_TRUE(log.Contains("***Error: Unknown locale: ##yes***"));
    EXPECT_EQ(localeStringManager::getLocaleString("##Spaced"), "unknown locale##Spaced");
    EXPECT_EQ(localeStringManager::getLocaleString("' ##Comment"), "unknown locale' ##Comment");
    EXPECT_EQ(localeStringManager::getLocaleString("##Empty"), "unknown locale##Empty");
    EXPECT_EQ(localeStringManager::getLocaleString("##Mac"), "unknown locale##Mac");
}

TEST_F(LocaleStrings, SecondLoadWithoutReloadKeepsTheFirstTable) {
    Load("##A=first\n");
    WriteFileBytes(file, "##A=second\n");
    localeStringManager::loadLocaleStrings(file, 0);
    EXPECT_EQ(localeStringManager::getLocaleString("##A"), "first");
    localeStringManager::loadLocaleStrings(file, 1);
    EXPECT_EQ(localeStringManager::getLocaleString("##A"), "second");
}

TEST_F(LocaleStrings, MissingOrEmptyFileLeavesAnEmptyTable) {
    Load("##A=first\n");
    DebugLogCapture log;
    localeStringManager::loadLocaleStrings(scratch.File("missing.txt"), 1);
    EXPECT_FALSE(log.Lines().empty());
    EXPECT_EQ(localeStringManager::getLocaleString("##A"), "unknown locale##A");
    Load("");
    EXPECT_EQ(localeStringManager::getLocaleString("##A"), "unknown locale##A");
}

TEST_F(LocaleStrings, LocaleTextReplacesOnlyHashKeys) {
    Load("##Guest=Guest\n");
    EXPECT_EQ(LocaleText("##Guest"), "Guest");
    EXPECT_EQ(LocaleText("Plain"), "Plain");
    EXPECT_EQ(LocaleText("##GUEST"), "unknown locale##GUEST");
}
