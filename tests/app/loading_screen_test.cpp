// The loading screen: drawn from inside the loader after every resource line,
// with the next value of the loading module's profile.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/loading_screen.h"
#include "app/locale_strings.h"
#include "app/zip_archive.h"
#include "forms/gui.h"
#include "module_test_support.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"

namespace {

const char* const LOADING_SCRIPT = "data/loadingScreen/loadingscreen.txt";

// A loading screen that remembers the progress of every frame it drew.
class RecordingLoadingScreen : public loadingScreen {
public:
    static std::shared_ptr<RecordingLoadingScreen> Create() {
        auto screen = std::make_shared<RecordingLoadingScreen>();
        screen->Initialise(LOADING_SCRIPT, APP_LOADINGSCREEN);
        return screen;
    }
    void Draw() override {
        shown.push_back(loadingProgress);
        loadingScreen::Draw();
        if (shown.size() == 2 && std::getenv("TESS_SAVE_FRAMES") != nullptr) {
            ShippedDataTest::SaveFrame("loading_screen_midload");
        }
        midLoadBar = GrabPixmap(350, 540, 100, 20);
    }
    std::vector<int> shown;
    PixmapPtr midLoadBar;
};

class LoadingScreenTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        localeStringManager::loadLocaleStrings("data/locale/english.txt", 1);
        screen = RecordingLoadingScreen::Create();
    }
    void TearDown() override {
        if (screen) {
            screen->UnloadResources();
        }
        ShippedDataTest::TearDown();
    }

    std::shared_ptr<RecordingLoadingScreen> screen;
    ScratchFolder scratch;
};

}  // namespace

TEST_F(LoadingScreenTest, OwnResourcesAreLoadedWithoutReportingProgress) {
    _AppModule::loadingProgress = -7;
    screen->LoadResources();
    EXPECT_TRUE(screen->shown.empty());
    EXPECT_EQ(_AppModule::loadingProgress, -7);
    EXPECT_EQ(screen->_guiWindows, std::list<std::string>{"loadingscreen"});
    EXPECT_NE(_AppModule::appGUI->GetControl("loadingscreen", "loadingscreen_text"), nullptr);
}

TEST_F(LoadingScreenTest, ShorterProfileShowsItsValuesThen100) {
    const std::string script = scratch.Write(
        "game.txt",
        "CONST speed = 3\nSOUND beep = data/sounds/click.ogg\nfoo bar\n' a comment\n\n"
        "SOUND boop = data/sounds/hover.ogg\nbaz qux\nSOUND last = data/sounds/none.ogg\n");
    scratch.Write("game.txt.load", "20\n45\n70\n");
    const auto module = RecordingModule::Create(script, APP_GAME);
    module->LoadResources();
    EXPECT_EQ(screen->shown, (std::vector<int>{20, 45, 70, 100, 100}));
    EXPECT_EQ(screen->_gotResources, 1) << "the first report loads the loading screen";
    EXPECT_EQ(_AppModule::appGUI->IsWindowShowing("loadingscreen"), 0) << "hidden between frames";
}

TEST_F(LoadingScreenTest, FrameShowsTheBarFilledToTheProgress) {
    const std::string script = scratch.Write("menu.txt", "foo a\nfoo b\nfoo c\n");
    scratch.Write("menu.txt.load", "30\n60\n90\n");
    RecordingModule::Create(script, APP_MAINMENU)->LoadResources();
    ASSERT_EQ(screen->shown.size(), 3u);
    ASSERT_NE(screen->midLoadBar, nullptr);
    const auto colour = [&](int x) { return ReadPixel(*screen->midLoadBar, x, 10) & 0xFFFFFFu; };
    EXPECT_EQ(colour(0), 0xFF3C3Cu) << "filled part";
    EXPECT_EQ(colour(89), 0xFF3C3Cu);
    EXPECT_EQ(colour(90), 0x3C3C3Cu) << "empty part";
    EXPECT_EQ(colour(99), 0x3C3C3Cu);
}
