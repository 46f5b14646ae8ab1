// Hover and click sounds: one table entry per path, counted by its users.
#include "forms_fixture.h"

#include "platform/debug_log.h"

TEST_F(FormsTest, GuiSoundsAreSharedAndStayUntilOneFreeTooMany) {
    const std::string path = "data/sounds/click.ogg";
    const GuiSoundPtr first = guiSound::Create(path);
    ASSERT_NE(first, nullptr) << "the click sound is in the archive";
    const GuiSoundPtr second = guiSound::Create(path);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->refCount, 2);
    guiSound::Free(first);
    guiSound::Free(second);
    EXPECT_EQ(first->refCount, 0);
    EXPECT_EQ(guiSound::Create(path), first) << "as many frees as creates keep the entry";
    guiSound::Free(first);
    DebugLogCapture log;
    guiSound::Free(first);
    EXPECT_TRUE(log.Contains("gui sound unloaded: " + path));
    EXPECT_EQ(guiSound::Table().count(path), 0u);
    const GuiSoundPtr fresh = guiSound::Create(path);
    EXPECT_NE(fresh, first);
    EXPECT_EQ(fresh->refCount, 1);
    guiSound::Free(fresh);
    guiSound::Free(fresh);
}

TEST_F(FormsTest, MissingGuiSoundIsNullAndSilent) {
    DebugLogCapture log;
    EXPECT_EQ(guiSound::Create("data/sounds/none.ogg"), nullptr);
    EXPECT_TRUE(log.Contains("***Failed to load gui sound:data/sounds/none.ogg***"));
    guiSound::Free(nullptr);
    _qxControl::PlayGUISound(nullptr);
}

TEST_F(FormsTest, ControlsShareTheirSoundsAndReleaseThemOnUnload) {
    const GuiPtr gui = MakeGui("");
    const std::string sounds =
        "soundover=data/sounds/hover.ogg\nsoundclick=data/sounds/click.ogg\n";
    gui->ShowWindow(LoadForm(*gui, "f.txt",
                             "name=f\n" + ButtonBlock("a", 0, 0, 50, 50, sounds) +
                                 ButtonBlock("b", 60, 0, 50, 50, sounds)),
                    1);
    const GuiSoundPtr hover = gui->GetControl("f", "a")->overSound;
    ASSERT_NE(hover, nullptr);
    EXPECT_EQ(hover, gui->GetControl("f", "b")->overSound);
    EXPECT_EQ(hover->refCount, 2);
    Click(*gui, 25, 25);  // plays both sounds through the mixer
    EXPECT_EQ(gui->ButtonHit("a"), 1);
    gui->UnloadWindow("f");
    EXPECT_EQ(hover->refCount, 0);
}
