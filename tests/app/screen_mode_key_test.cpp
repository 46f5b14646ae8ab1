// Alt+Enter in the frame loop switches the screen mode as the options do.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "module_test_support.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/test_seams.h"

namespace {

class ScreenModeKeyTest : public ShippedDataTest {
protected:
    static std::string Stored() {
        return AppSettings().GetConstantValue(settings_keys::FULLSCREEN.name, "", 0);
    }

    static void Press(int key) {
        InjectKey(key, true);
        StepFrames(1);
        InjectKey(key, false);
    }

    ScratchFolder folder;
};

TEST_F(ScreenModeKeyTest, AltEnterSwitchesStoresAndKeepsTheDisplay) {
    AppSettings().Set(settings_keys::FULLSCREEN, "0", 0);
    auto module = RecordingModule::Create(folder.Write("m.txt", "CONST a = 1\n"), APP_GAME);
    module->Start();
    const int display = WindowDisplay();
    ASSERT_GE(display, 0);

    // Enter alone is the module's.
    Press(KEY_ENTER);
    EXPECT_EQ(Stored(), "0");
    EXPECT_EQ(KeyHit(KEY_ENTER), 1);

    InjectKey(KEY_LEFT_ALT, true);
    Press(KEY_ENTER);
    EXPECT_EQ(Stored(), "1");
    EXPECT_TRUE(IsFullscreen());
    EXPECT_EQ(KeyHit(KEY_ENTER), 0) << "the switch took the key";
    EXPECT_EQ(WindowDisplay(), display);
    InjectKey(KEY_LEFT_ALT, false);

    InjectKey(KEY_RIGHT_ALT, true);
    Press(KEY_ENTER);
    InjectKey(KEY_RIGHT_ALT, false);
    EXPECT_EQ(Stored(), "0");
    EXPECT_FALSE(IsFullscreen());
    EXPECT_EQ(WindowDisplay(), display);

    // The reopened display still runs the module's frames.
    const int draws = module->draws;
    StepFrames(2);
    EXPECT_EQ(module->draws, draws + 2);
    EXPECT_TRUE(GraphicsOpen());
    EXPECT_EQ(GraphicsWidth(), SCREEN_WIDTH);
}

}  // namespace
