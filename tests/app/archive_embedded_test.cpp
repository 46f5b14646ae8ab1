// The archive linked into the program holds every staged file, and is found
// with no data folder beside the program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/locale_strings.h"
#include "app/zip_archive.h"
#include "support/archive_test_support.h"
#include "platform/debug_log.h"
#include "support/program_state.h"
#include "support/shipped_data_test.h"
#include "tools/content/common/output_manifest.h"

namespace {

std::vector<std::string> PackedPaths() {
    return ReadOutputManifest(TESS_BINARY_DIR "/archive/manifest.txt");
}

// Runs in a folder without "data/", so only the archive can answer.
class EmbeddedArchive : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetZipSources();
        MountShippedArchive();
        char buffer[4096];
        oldFolder = getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
        ASSERT_EQ(chdir(scratch.Path().string().c_str()), 0);
    }
    void TearDown() override {
        EXPECT_EQ(chdir(oldFolder.c_str()), 0);
        ResetProgramState();
    }

    ScratchUserFolder scratch;
    std::string oldFolder;
};

}  // namespace

TEST_F(EmbeddedArchive, HoldsEveryStagedFile) {
    const std::vector<std::string> paths = PackedPaths();
    ASSERT_FALSE(paths.empty());
    DebugLogCapture log;
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        StreamPtr stream = OpenAssetFile(path);
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(ReadAll(*stream), ReadFileBytes(TESS_BINARY_DIR "/" + path));
    }
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(EmbeddedArchive, ShipsTheEnglishLocale) {
    localeStringManager::loadLocaleStrings("data\\locale\\english.txt", 1);
    EXPECT_NE(localeStringManager::getLocaleString("##Loading").find("Loading"), std::string::npos);
}
