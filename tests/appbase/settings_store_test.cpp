// The settings store and its file: scrambled round trips, hand-written files,
// bad input and failed writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings.h"
#include "support/archive_test_support.h"
#include "platform/debug_log.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { AppConstantsManager::SetScrambling(true); }
    void TearDown() override { AppConstantsManager::SetScrambling(false); }

    std::string FileText() const { return ReadFileBytes(AppConstantsManager::FilePath()); }

    ScratchUserFolder scratch;
};

size_t CountLines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(SettingsScrambling, IsAPermutationThatHidesTheText) {
    const std::string plain = "player1name=Ann Smith, 0.70 data\\locale\\english.txt";
    const std::string scrambled = AppConstantsManager::_encrypt(plain);
    EXPECT_EQ(scrambled.substr(0, 2), "@@");
    EXPECT_EQ(scrambled.find("player"), std::string::npos);
    EXPECT_EQ(scrambled.find('=', 2), plain.find('=') + 2);  // "=" is outside the alphabet
    EXPECT_EQ(AppConstantsManager::_decrypt(scrambled), plain);
    EXPECT_EQ(AppConstantsManager::_decrypt("plain text"), "plain text");
    EXPECT_EQ(AppConstantsManager::_decrypt("@@\xe9\x01~"), "\xe9\x01~");
}

TEST_F(SettingsStore, RoundTripThroughTheScrambledFile) {
    AppConstantsManager store;
    store.ReadConstants();
    store.SetConstantValue("player1name", "Ann", 1);
    store.SetConstantValue("formula", "a=b=c", 1);
    store.SetConstantValue("Fullscreen", "0", 0);
    const std::string text = FileText();
    EXPECT_EQ(text.find("Ann"), std::string::npos);
    EXPECT_EQ(text.find("player1name"), std::string::npos);
    EXPECT_EQ(CountLines(text), 3u);

    AppConstantsManager again;
    again.ReadConstants();
    EXPECT_EQ(again.Constants(), store.Constants());
    EXPECT_EQ(again.GetConstantValue("formula", "", 0), "a=b=c");
}

TEST_F(SettingsStore, HandWrittenPlainFileIsReadAndRewrittenScrambled) {
    WriteFileBytes(AppConstantsManager::FilePath(),
                   "soundvolume=0.5\r\nlastplayer=2\nno equals here\n=empty key\n");
    AppConstantsManager store;
    store.ReadConstants();
    EXPECT_EQ(store.GetConstantValue("soundvolume", "0.70", 0), "0.5");
    EXPECT_EQ(store.GetConstantValue("lastplayer", "-1", 0), "2");
    EXPECT_EQ(store.Constants().size(), 2u);
    store.WriteConstants();
    const std::string text = FileText();
    EXPECT_EQ(text.find("soundvolume"), std::string::npos);
    EXPECT_EQ(text.substr(0, 2), "@@");
    AppConstantsManager again;
    again.ReadConstants();
    EXPECT_EQ(again.Constants(), store.Constants());
}

TEST_F(SettingsStore, MissingKeyWithStoreDefaultIsWrittenAtOnce) {
    AppConstantsManager store;
    {
        DebugLogCapture log;
        store.ReadConstants();
        EXPECT_TRUE(log.Contains("cannot open constants file"));
    }
    EXPECT_EQ(store.GetConstantValue("musicvolume", "0.70", 0), "0.70");
    EXPECT_FALSE(std::filesystem::exists(AppConstantsManager::FilePath()));
    EXPECT_EQ(store.GetConstantValue("locale", "data\\locale\\english.txt", 1),
              "data\\locale\\english.txt");
    EXPECT_EQ(store.GetConstantValue("Fullscreen", "1", 1), "1");

    AppConstantsManager reread;
    reread.ReadConstants();
    EXPECT_EQ(reread.Constants().size(), 2u);
    EXPECT_EQ(reread.GetConstantValue("locale", "", 0), "data\\locale\\english.txt");
    EXPECT_EQ(reread.GetConstantValue("Fullscreen", "", 0), "1");
    EXPECT_EQ(FileText().find("Fullscreen"), std::string::npos);  // scrambled
}

TEST_F(SettingsStore, DeferredWritesWaitAndLastValueWins) {
    AppConstantsManager store;
    store.SetConstantValue("a", "1", 1);
    EXPECT_FALSE(std::filesystem::exists(AppConstantsManager::FilePath()));
    store.SetConstantValue("a", "2", 0);
    EXPECT_EQ(CountLines(FileText()), 1u);
    store.RemoveConstant("a", 0);
    EXPECT_EQ(FileText(), "");
    EXPECT_EQ(store.GetConstantValue("a", "gone", 0), "gone");
}

TEST_F(SettingsStore, BadFilesGiveDefaultsAndTheNextWriteIsWellFormed) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 37) % 256));
    }
    const std::string cases[] = {
        binary,
        std::string(1024 * 1024, 'x') + "=" + "y\nkept=1\n",
        "@@\x80\x81=@@~~~\nkept=1\n",
        std::string("\0\0\0=\0", 5),
    };
    for (const std::string& content : cases) {
        WriteFileBytes(AppConstantsManager::FilePath(), content);
        AppConstantsManager store;
        store.ReadConstants();
        store.SetConstantValue("fresh", "value", 0);
        AppConstantsManager reread;
        reread.ReadConstants();
        EXPECT_EQ(reread.Constants(), store.Constants());
        EXPECT_EQ(reread.GetConstantValue("fresh", "", 0), "value");
    }
    DebugLogCapture log;
    WriteFileBytes(AppConstantsManager::FilePath(), std::string(1024 * 1024, 'x') + "=1\nkept=1\n");
    AppConstantsManager store;
    store.ReadConstants();
    EXPECT_TRUE(log.Contains("too long"));
    EXPECT_EQ(store.GetConstantValue("kept", "", 0), "1");
}

TEST_F(SettingsStore, ValuesWithLineBreaksStayOnOneLine) {
    AppConstantsManager store;
    store.SetConstantValue("player1name", "two\nlines\r", 0);
    store.SetConstantValue("bad=key", "x", 0);
    AppConstantsManager reread;
    reread.ReadConstants();
    EXPECT_EQ(reread.GetConstantValue("player1name", "", 0), "twolines");
    EXPECT_EQ(reread.Constants().size(), 1u);
}

TEST_F(SettingsStore, FailedWriteKeepsTheOldFileAndTheValuesInMemory) {
    AppConstantsManager store;
    store.SetConstantValue("kept", "old", 0);
    const std::string before = FileText();
    // A folder where the temporary file should go makes every write fail.
    std::filesystem::create_directory(AppConstantsManager::FilePath() + ".tmp");
    DebugLogCapture log;
    store.SetConstantValue("kept", "new", 0);
    EXPECT_TRUE(log.Contains("Cannot open config file for writing"));
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(store.GetConstantValue("kept", "", 0), "new");
}

TEST_F(SettingsStore, UnwritableFolderIsReportedNotFatal) {
    WriteFileBytes(scratch.File("plainfile"), "x");
    setenv("TESSALUNE_DATA_DIR", scratch.File("plainfile/sub").c_str(), 1);
    AppConstantsManager store;
    DebugLogCapture log;
    store.SetConstantValue("a", "1", 0);
    EXPECT_TRUE(log.Contains("Cannot open config file for writing"));
    EXPECT_EQ(store.GetConstantValue("a", "", 0), "1");
}
