#include <gtest/gtest.h>

#include "app/app_run.h"
#include "module_test_support.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"

namespace {

class ModuleLoopTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OpenTestDisplay(); }
    static void TearDownTestSuite() { CloseGraphics(); }

    void SetUp() override {
        ResetProgramState();
        UseManualClock(true, 1000);
        _AppModule::lastTickMS = 1000;
    }
    void TearDown() override {
        ResetProgramState();
        UseManualClock(false);
    }

    std::shared_ptr<RecordingModule> Make(int slot) {
        return RecordingModule::Create(
            folder.Write("m" + std::to_string(slot) + ".txt", "CONST a = 1\n"), slot);
    }

    ScratchFolder folder;
};

TEST_F(ModuleLoopTest, NoModuleEndsTheLoop) {
    EXPECT_EQ(_AppModule::Tick(), 0);
}

TEST_F(ModuleLoopTest, ElapsedTimeIsCappedAtFiftyMilliseconds) {
    auto game = Make(APP_GAME);
    game->Start();
    AdvanceClock(2000);
    EXPECT_EQ(_AppModule::Tick(), 1);
    AdvanceClock(20);
    _AppModule::Tick();
    ASSERT_EQ(game->updates.size(), 2u);
    EXPECT_EQ(game->updates[0], 50);
    EXPECT_GE(game->updates[1], 20);
    EXPECT_EQ(game->draws, 2);
}

TEST_F(ModuleLoopTest, FrameTimeIsNeverNegativeAndSurvivesTheClockWrap) {
    auto game = Make(APP_GAME);
    game->Start();
    _AppModule::lastTickMS = 1100;  // the clock went back
    _AppModule::Tick();
    UseManualClock(true, INT32_MIN + 10);
    _AppModule::lastTickMS = INT32_MAX - 5;  // 16 ms before the wrap
    _AppModule::Tick();
    ASSERT_EQ(game->updates.size(), 2u);
    EXPECT_EQ(game->updates[0], 0);
    EXPECT_EQ(game->updates[1], 16);
}

TEST_F(ModuleLoopTest, ASlotPastTheTableEndsTheLoop) {
    DebugLogCapture log;
    _AppModule::currentModule = APP_SLOT_COUNT;
    EXPECT_EQ(_AppModule::Tick(), 0);
    EXPECT_EQ(_AppModule::currentModule, -1);
    EXPECT_EQ(log.Lines().size(), 1u);
}

TEST_F(ModuleLoopTest, HandOverFollowsTheFixedOrder) {
    auto intro = Make(APP_INTRO);
    auto menu = Make(APP_MAINMENU);
    _AppModule::BeginApp();
    EXPECT_EQ(_AppModule::currentModule, APP_INTRO);

    intro->EndModule();
    EXPECT_EQ(_AppModule::appModules[APP_INTRO], nullptr);
    EXPECT_EQ(_AppModule::currentModule, APP_MAINMENU);
    EXPECT_EQ(menu->starts, 1);

    auto game = Make(APP_GAME);
    menu->EndModule();
    EXPECT_EQ(_AppModule::currentModule, APP_GAME);
    EXPECT_EQ(menu->_gotResources, 0);
    EXPECT_EQ(_AppModule::appModules[APP_MAINMENU], menu);

    game->EndModule();
    EXPECT_EQ(_AppModule::appModules[APP_GAME], nullptr);
    EXPECT_EQ(_AppModule::currentModule, APP_MAINMENU);
    EXPECT_EQ(menu->starts, 2);
    EXPECT_EQ(menu->_gotResources, 1);
}

TEST_F(ModuleLoopTest, LastModuleEndingStopsTheLoop) {
    auto menu = Make(APP_MAINMENU);
    menu->Start();
    menu->endOnNextUpdate = true;
    EXPECT_EQ(_AppModule::Tick(), 1);
    EXPECT_EQ(_AppModule::currentModule, -1);
    EXPECT_EQ(menu->draws, 0);
    EXPECT_EQ(_AppModule::Tick(), 0);
}

TEST_F(ModuleLoopTest, EndModuleOfAModuleThatIsNotCurrentDoesNothing) {
    auto menu = Make(APP_MAINMENU);
    auto game = Make(APP_GAME);
    menu->Start();
    game->EndModule();
    EXPECT_EQ(_AppModule::currentModule, APP_MAINMENU);
    EXPECT_NE(_AppModule::appModules[APP_GAME], nullptr);
}

TEST_F(ModuleLoopTest, DestroyModuleUnloadsAndEmptiesTheSlot) {
    auto intro = Make(APP_INTRO);
    intro->LoadResources();
    _AppModule::DestroyModule(APP_INTRO);
    EXPECT_EQ(_AppModule::appModules[APP_INTRO], nullptr);
    EXPECT_EQ(intro->_gotResources, 0);
    _AppModule::DestroyModule(APP_INTRO);
}

TEST_F(ModuleLoopTest, ScreenGrabHoldsTheDrawnFrame) {
    auto game = Make(APP_GAME);
    game->Start();
    SetClsColor(10, 200, 30);
    Cls();
    ImagePtr grab = game->screenGrab();
    SetClsColor(0, 0, 0);
    ASSERT_NE(grab, nullptr);
    PixmapPtr pixels = LockImage(grab);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(ReadPixel(*pixels, 400, 300) & 0x00FFFFFFu, 0x000AC81Eu);
    EXPECT_EQ(game->bDoScreenGrab, 0);
}

TEST(StartLevel, OnlyOneToSixtyStartsALevel) {
    const char* none[] = {"tessalune"};
    EXPECT_EQ(ParseStartLevel(1, none), 0);
    for (const char* argument : {"", "0", "61", "-3", "abc", " 7", "+7"}) {
        const char* argv[] = {"tessalune", argument};
        EXPECT_EQ(ParseStartLevel(2, argv), 0) << argument;
    }
    const char* seven[] = {"tessalune", "7", "extra"};
    EXPECT_EQ(ParseStartLevel(3, seven), 7);
    const char* sixty[] = {"tessalune", "60x"};
    EXPECT_EQ(ParseStartLevel(2, sixty), 60);
}

}  // namespace
