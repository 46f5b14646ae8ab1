// The menu's options: sliders heard at once, cancel and accept, no volume
// drift, and the screen mode both ways.
#include <gtest/gtest.h>

#include "app/line_helpers.h"
#include "forms/button.h"
#include "menu_test_support.h"
#include "platform/graphics.h"
#include "platform/music.h"

namespace {

constexpr int LEFT = 1;

// Drags a slider knob by dx pixels with the mouse, a few pixels a frame.
void DragKnob(const std::string& control, int dx) {
    const ControlPtr knob = _AppModule::appGUI->GetControl("options", control);
    ASSERT_TRUE(knob);
    int x = (knob->position.xs + knob->position.xe) / 2;
    const int y = (knob->position.ys + knob->position.ye) / 2;
    InjectMouseMove(x, y);
    ShippedDataTest::StepFrames(1);
    InjectMouseButton(LEFT, true);
    ShippedDataTest::StepFrames(1);
    const int step = dx < 0 ? -4 : 4;
    for (int moved = 0; moved != dx; moved += step) {
        x += step;
        InjectMouseMove(x, y);
        ShippedDataTest::StepFrames(1);
    }
    InjectMouseButton(LEFT, false);
    ShippedDataTest::StepFrames(2);
}

float Volume(const char* key) {
    return ToFloat(AppSettings().GetConstantValue(key, "", 0));
}

}  // namespace

using OptionsTest = MenuTest;

TEST_F(OptionsTest, SlidersAreHeardAtOnceCancelRestoresAcceptStores) {
    StartMenu();
    ASSERT_FLOAT_EQ(GetSongVolume(), 0.7f);
    ClickControl("menu", "options");
    ASSERT_TRUE(Showing("options"));
    EXPECT_TRUE(ControlShowing("options", "options_cancel"));
    StepFrames(40);  // past the cross-fade
    SaveFrame("menu_form_options");

    // Down to the bottom: silent while dragging, before anything is accepted.
    DragKnob("music_volume", -200);
    EXPECT_FLOAT_EQ(GetSongVolume(), 0.0f);
    DragKnob("sound_volume", -40);
    EXPECT_NEAR(GetEffectVolume(), 0.7f - 40.0f / 240.0f, 0.01f);
    EXPECT_FLOAT_EQ(Volume("musicvolume"), 0.7f);
    ClickControl("options", "options_cancel");
    EXPECT_TRUE(Showing("menu"));
    EXPECT_FLOAT_EQ(GetSongVolume(), 0.7f);
    EXPECT_FLOAT_EQ(GetEffectVolume(), 0.7f);
    EXPECT_FLOAT_EQ(Volume("musicvolume"), 0.7f);

    // Opening and accepting again and again keeps the volumes exactly.
    for (int round = 0; round < 5; ++round) {
        StepFrames(40);
        ClickControl("menu", "options");
        ClickControl("options", "options_accept");
    }
    EXPECT_FLOAT_EQ(GetSongVolume(), 0.7f);
    EXPECT_FLOAT_EQ(GetEffectVolume(), 0.7f);
    EXPECT_FLOAT_EQ(Volume("soundvolume"), 0.7f);

    // A moved slider is stored on accept.
    StepFrames(40);
    ClickControl("menu", "options");
    DragKnob("sound_volume", -48);
    const float chosen = GetEffectVolume();
    EXPECT_NEAR(chosen, 0.5f, 0.01f);
    ClickControl("options", "options_accept");
    EXPECT_FLOAT_EQ(GetEffectVolume(), chosen);
    EXPECT_NEAR(Volume("soundvolume"), chosen, 1e-5);
    EXPECT_FLOAT_EQ(Volume("musicvolume"), 0.7f);
}

TEST_F(OptionsTest, FullScreenAndWindowButtonsSwitchBothWays) {
    AppSettings().SetConstantValue("Fullscreen", "0", 0);
    StartMenu();
    ClickControl("menu", "options");
    ClickControl("options", "windowed");  // already a window: nothing happens
    EXPECT_EQ(AppSettings().GetConstantValue("Fullscreen", "", 0), "0");
    ClickControl("options", "fullscreen");
    EXPECT_EQ(AppSettings().GetConstantValue("Fullscreen", "", 0), "1");
    EXPECT_TRUE(GraphicsOpen());
    ClickControl("options", "fullscreen");  // already full screen
    EXPECT_EQ(AppSettings().GetConstantValue("Fullscreen", "", 0), "1");
    ClickControl("options", "windowed");
    EXPECT_EQ(AppSettings().GetConstantValue("Fullscreen", "", 0), "0");
    EXPECT_TRUE(GraphicsOpen());
    // The re-opened display still draws the form.
    StepFrames(40);
    EXPECT_TRUE(Showing("options"));
    ClickControl("options", "options_accept");
    EXPECT_TRUE(Showing("menu"));
}
