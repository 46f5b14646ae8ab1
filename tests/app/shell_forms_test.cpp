// The shell together with the shipped archive: forms loaded by WINDOW lines,
// clicks reaching the module, and the loading screen drawn while loading.
#include <gtest/gtest.h>

#include "app/loading_screen.h"
#include "app/locale_strings.h"
#include "forms/gui.h"
#include "module_test_support.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/test_seams.h"

namespace {

const char* const FORM_PLAIN =
    "name=plain\n"
    "<button>\nname=plain_go\nclone=smallButton\nx=40\ny=40\ncaptiontext=Go\n</button>\n";
const char* const FORM_ASK =
    "name=ask\nmodal=true\nbordercolor=0,0,0,210\n"
    "<image>\nname=ask_panel\nnormal=data/gui/images/"
    "dialogpanel.png\nx=250\ny=200\nwidth=300\nheight=200\n</image>\n"
    "<button>\nname=ask_yes\nclone=smallButton\nx=270\ny=320\ncaptiontext=##Yes\n</button>\n"
    "<button>\nname=ask_no\nclone=smallButton\nx=400\ny=320\ncaptiontext=No\n</button>\n";

class ShellFormsTest : public ShippedDataTest {
protected:
    void SetUp() override {
        ShippedDataTest::SetUp();
        localeStringManager::loadLocaleStrings("data/locale/english.txt", 1);
    }

    static void Frame() {
        AdvanceClock(FRAME_MS);
        _AppModule::Tick();
    }

    ScratchFolder folder;
};

TEST_F(ShellFormsTest, ClickOnAModalButtonReachesTheModuleNextFrame) {
    const std::string script =
        folder.Write("game.txt", "WINDOW " + folder.Write("forms/plain.txt", FORM_PLAIN) + "\n" +
                                     "WINDOW " + folder.Write("forms/ask.txt", FORM_ASK) + "\n");
    auto module = RecordingModule::Create(script, APP_GAME);
    module->watchedButtons = {"plain_go", "ask_yes", "ask_no"};
    module->Start();
    ASSERT_EQ(module->_guiWindows.size(), 2u);
    EXPECT_EQ(module->_guiWindows.front(), "plain");

    _AppModule::appGUI->ShowWindow("plain", 1);
    Frame();
    const uint32_t before = ReadPixel(*ReadBackBuffer(), 100, 60);
    _AppModule::appGUI->ShowWindow("ask", 1);
    Frame();
    const uint32_t veiled = ReadPixel(*ReadBackBuffer(), 100, 60);
    SaveBackBufferPNG(TESS_BINARY_DIR "/shell-modal-dialog.png");
    ASSERT_GT((before >> 8) & 0xFF, 60u) << "the plain form's button is drawn";
    EXPECT_LT((veiled >> 8) & 0xFF, ((before >> 8) & 0xFF) / 3)
        << "the veil darkens what lies under the dialog";

    ClickAt(100, 60, Frame);   // under the veil: blocked
    ClickAt(330, 340, Frame);  // "yes"
    const size_t clickFrame = module->updates.size();
    Frame();
    ASSERT_EQ(module->buttonHits.size(), 1u);
    EXPECT_EQ(module->buttonHits[0], std::to_string(clickFrame) + ":ask_yes");

    Frame();
    EXPECT_EQ(module->buttonHits.size(), 1u) << "a click is reported for one frame only";
}

// Grabs the frame the loading screen presented before the named line loads.
class WatchedLoader : public RecordingModule {
public:
    int LoadingNotify(const std::string& name) override {
        if (name == "third") {
            frameBeforeThird = ReadBackBuffer();
        }
        return 1;
    }
    PixmapPtr frameBeforeThird;
};

TEST_F(ShellFormsTest, LoadingDrawsTheProgressBar) {
    loadingScreen::Create("data/loadingScreen/loadingscreen.txt");
    const std::string script =
        folder.Write("level.txt", "CONST first = 1\nfoo first\nfoo second\nfoo third\n");
    folder.Write("level.txt.load", "20\n50\n80\n");
    auto module = std::make_shared<WatchedLoader>();
    module->Initialise(script, APP_GAME);
    module->Start();

    ASSERT_NE(module->frameBeforeThird, nullptr);
    const TPixmap& frame = *module->frameBeforeThird;
    SavePixmapPNG(frame, TESS_BINARY_DIR "/shell-loading-screen.png");
    EXPECT_EQ(ReadPixel(frame, 355, 550) & 0xFFFFFFu, 0xFF3C3Cu) << "filled to 50%";
    EXPECT_EQ(ReadPixel(frame, 398, 550) & 0xFFFFFFu, 0xFF3C3Cu);
    EXPECT_EQ(ReadPixel(frame, 402, 550) & 0xFFFFFFu, 0x3C3C3Cu) << "empty beyond 50%";
    EXPECT_EQ(_AppModule::loadingProgress, 80);
    EXPECT_EQ(_AppModule::appModules[APP_LOADINGSCREEN]->_gotResources, 1);
}

}  // namespace
