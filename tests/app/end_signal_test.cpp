// SIGTERM (a logout, a kill) ends the module loop at the next frame, without
// the question the close button gets.
#include <gtest/gtest.h>

#include <csignal>

#include "module_test_support.h"
#include "platform/graphics.h"

namespace {

class EndSignalTest : public ShippedDataTest {
protected:
    ScratchFolder folder;
};

TEST_F(EndSignalTest, SigtermEndsTheLoopAtTheNextFrame) {
    auto menu = RecordingModule::Create(folder.Write("m.txt", "CONST a = 1\n"), APP_MAINMENU);
    menu->Start();
    StepFrames(2);
    ASSERT_EQ(menu->updates.size(), 2u);

    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_EQ(_AppModule::Tick(), 0);
    EXPECT_EQ(_AppModule::currentModule, -1);
    EXPECT_EQ(menu->updates.size(), 2u) << "no frame after the signal";
    EXPECT_FALSE(TerminationRequested()) << "seen once";
    EXPECT_FALSE(AppTerminate()) << "not a close request";
}

}  // namespace
