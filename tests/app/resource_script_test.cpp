#include <gtest/gtest.h>

#include "app/locale_strings.h"
#include "module_test_support.h"
#include "platform/debug_log.h"
#include "platform/pixmap.h"

namespace {

class ResourceScriptTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    std::shared_ptr<RecordingModule> Load(const std::string& script, int slot = APP_GAME) {
        auto module = RecordingModule::Create(folder.Write("game.txt", script), slot);
        module->LoadResources();
        return module;
    }

    std::string Picture(const std::string& name) const {
        PixmapPtr pixmap = CreatePixmap(4, 4, PF_BGRA8888);
        ClearPixels(*pixmap, 0xFF00FF00u);
        const std::string path = folder.Write(name, "");
        SavePixmapPNG(*pixmap, path);
        return path;
    }

    ScratchFolder folder;
};

TEST_F(ResourceScriptTest, NamesAreLowerCasedAndFoundInAnyCase) {
    auto module = Load("SPRITE Background = " + Picture("bg.png") + "\n");
    ASSERT_EQ(module->Sprites.count("background"), 1u);
    EXPECT_NE(module->GetSprite("BACKGROUND"), nullptr);
}

TEST_F(ResourceScriptTest, LeadingSpaceIsIgnoredLeadingTabIsRead) {
    const std::string picture = Picture("p.png");
    auto module = Load("  SPRITE spaced = " + picture + "\n\tSPRITE tabbed = " + picture + "\n");
    EXPECT_EQ(module->Sprites.count("spaced"), 0u);
    EXPECT_EQ(module->Sprites.count("tabbed"), 1u);
}

TEST_F(ResourceScriptTest, ConstValuesKeepCommasAndTakeLocaleText) {
    localeStringManager::loadLocaleStrings(folder.Write("english.txt", "##Level=Level %1\n"), 1);
    auto module = Load("CONST Level =\t\t##Level\nCONST Pos2 = 80,405\nCONST Eq = a=b\n");
    EXPECT_EQ(module->getConstant("LEVEL"), "Level %1");
    EXPECT_EQ(module->getConstant("pos2"), "80,405");
    EXPECT_EQ(module->getConstant("eq"), "a=b");
    EXPECT_EQ(module->getConstant("missing"), "");
    EXPECT_EQ(module->constInt("missing"), 0);
}

TEST_F(ResourceScriptTest, PlatformLinesAndComments) {
    auto module = Load("$$Win CONST a = 1\n$$Mac CONST b = 2\n'CONST c = 3\n\nCONST d = 4.5\n");
    EXPECT_EQ(module->constInt("a"), 1);
    EXPECT_EQ(module->getConstant("b"), "");
    EXPECT_EQ(module->getConstant("c"), "");
    EXPECT_FLOAT_EQ(module->constFloat("d"), 4.5f);
}

TEST_F(ResourceScriptTest, KindIsChosenByPrefix) {
    auto module = Load("sounds click = " + folder.Path().string() + "/none.ogg\n");
    ASSERT_EQ(module->Sounds.count("click"), 1u);
    EXPECT_EQ(module->Sounds["click"], nullptr);
}

TEST_F(ResourceScriptTest, UnknownIdentIsLoggedAndAdvancesProgress) {
    folder.Write("game.txt.load", "10\n20\n30\n");
    DebugLogCapture log;
    auto module = Load("foo bar = 1\nCONST x = 1\n");
    EXPECT_TRUE(log.Contains("***Invalid resource Ident :foo***"));
    EXPECT_EQ(_AppModule::loadingProgress, 10);
}

TEST_F(ResourceScriptTest, ProgressRunsOutAtHundred) {
    folder.Write("game.txt.load", "10\n");
    auto module = Load("foo a\nfoo b\n");
    EXPECT_EQ(_AppModule::loadingProgress, 100);
}

TEST_F(ResourceScriptTest, ResourceLinesLoadIntoTheSameModule) {
    const std::string shared = folder.Write("shared.txt", "CONST Shared = yes\n");
    auto module = Load("RESOURCE " + shared + "\nCONST Own = 1\n");
    EXPECT_EQ(module->getConstant("shared"), "yes");
    EXPECT_EQ(module->constInt("own"), 1);
}

TEST_F(ResourceScriptTest, ResourceCycleEnds) {
    const std::string a = folder.Path().string() + "/a.txt";
    const std::string b = folder.Write("b.txt", "RESOURCE " + a + "\nCONST FromB = 2\n");
    folder.Write("a.txt", "RESOURCE " + b + "\nCONST FromA = 1\n");
    DebugLogCapture log;
    auto module = RecordingModule::Create(a, APP_GAME);
    module->LoadResources();
    EXPECT_EQ(module->constInt("froma"), 1);
    EXPECT_EQ(module->constInt("fromb"), 2);
    EXPECT_TRUE(log.Contains("includes itself"));
}

TEST_F(ResourceScriptTest, MissingScriptLoadsNothing) {
    DebugLogCapture log;
    auto module = RecordingModule::Create("no/such/script.txt", APP_GAME);
    module->LoadResources();
    EXPECT_TRUE(log.Contains("***Failed to open resource file: no/such/script.txt***"));
    EXPECT_TRUE(module->Constants.empty());
    EXPECT_EQ(module->_gotResources, 1);
}

TEST_F(ResourceScriptTest, MissingResourcesAreNullAndLogged) {
    auto module = Load("CONST a = 1\n");
    DebugLogCapture log;
    EXPECT_EQ(module->GetSprite("ghost"), nullptr);
    EXPECT_EQ(module->GetSound("ghost"), nullptr);
    EXPECT_EQ(module->GetEmitter("ghost"), nullptr);
    EXPECT_TRUE(log.Contains("***Error: App module cannot find sprite :ghost***"));
    EXPECT_TRUE(log.Contains("***Error: App module cannot find sound :ghost***"));
    EXPECT_TRUE(log.Contains("***Error: App module cannot find emitter ID :ghost***"));
    module->PlaySoundByName("ghost");
}

TEST_F(ResourceScriptTest, UnloadClearsEverythingButSongs) {
    const std::string song = folder.Path().string() + "/song.ogg";
    auto module =
        Load("CONST a = 1\nSONG tune = " + song + "\nSPRITE s = " + Picture("s.png") + "\n");
    module->UnloadResources();
    EXPECT_EQ(module->_gotResources, 0);
    EXPECT_TRUE(module->Constants.empty());
    EXPECT_TRUE(module->Sprites.empty());
    EXPECT_EQ(module->LoadResources() != nullptr, true);
    EXPECT_EQ(module->LoadResources(), nullptr);
}

}  // namespace
