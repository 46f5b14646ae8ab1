// Buttons driven by injected mouse input over whole frames: clicks, toggles, sliders.
#include "forms_fixture.h"

#include "forms/button.h"

#include <cmath>

namespace {

std::shared_ptr<_qxButton> ButtonOf(const _qxGUI& gui, const std::string& form,
                                    const std::string& name) {
    return std::dynamic_pointer_cast<_qxButton>(gui.GetControl(form, name));
}

}  // namespace

TEST_F(FormsTest, PressDraggedOutAndReleasedOutsideClicksOnTheNextHover) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "f.txt", "name=f\n" + ButtonBlock("go", 100, 100, 100, 40)), 1);
    const auto button = ButtonOf(*gui, "f", "go");
    MoveMouse(150, 120);
    Frame(*gui);
    PressMouse();
    Frame(*gui);
    MoveMouse(400, 400);
    Frame(*gui);
    EXPECT_EQ(button->state, STATE_DOWN) << "a press survives leaving the button";
    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(button->state, STATE_DOWN);
    EXPECT_EQ(gui->ButtonHit("go"), 0);
    MoveMouse(150, 120);
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("go"), 1);
    EXPECT_EQ(button->state, STATE_OVER);
}

TEST_F(FormsTest, EdgesOfTheButtonAreOutside) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "f.txt", "name=f\n" + ButtonBlock("go", 100, 100, 100, 40)), 1);
    MoveMouse(100, 120);
    Frame(*gui);
    EXPECT_EQ(ButtonOf(*gui, "f", "go")->state, STATE_NORMAL);
    MoveMouse(199, 139);
    Frame(*gui);
    EXPECT_EQ(ButtonOf(*gui, "f", "go")->state, STATE_OVER);
}

TEST_F(FormsTest, PressingOutsideAndSlidingInIsNoPress) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "f.txt", "name=f\n" + ButtonBlock("go", 100, 100, 100, 40)), 1);
    MoveMouse(50, 50);
    PressMouse();
    Frame(*gui);
    MoveMouse(150, 120);
    Frame(*gui);
    EXPECT_EQ(ButtonOf(*gui, "f", "go")->state, STATE_NORMAL);
    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("go"), 0);
    EXPECT_EQ(ButtonOf(*gui, "f", "go")->state, STATE_OVER);
}

TEST_F(FormsTest, ToggleSwitchesOffAndOnWithEachClick) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(
        LoadForm(*gui, "f.txt",
                 "name=f\n" + ButtonBlock("music", 100, 100, 40, 40, "togglebutton=1\n")),
        1);
    const auto toggle = ButtonOf(*gui, "f", "music");
    MoveMouse(120, 120);
    Frame(*gui);
    EXPECT_EQ(toggle->state, STATE_OVER);
    EXPECT_EQ(toggle->GetToggleValue(), 1);

    PressMouse();
    Frame(*gui);
    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(toggle->state, STATE_OFF_OVER);
    EXPECT_EQ(gui->ButtonHit("music"), 1);
    EXPECT_EQ(toggle->GetToggleValue(), 0);

    PressMouse();
    Frame(*gui);
    EXPECT_EQ(toggle->state, STATE_OFF_DOWN);
    EXPECT_EQ(toggle->GetToggleValue(), 0);
    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(toggle->state, STATE_OVER);
    EXPECT_EQ(gui->ButtonHit("music"), 1);
    EXPECT_EQ(toggle->GetToggleValue(), 1);

    MoveMouse(300, 300);
    Frame(*gui);
    toggle->SetToggleValue(0);
    EXPECT_EQ(toggle->state, STATE_OFF_NORMAL);
    toggle->SetToggleValue(0);
    EXPECT_EQ(toggle->state, STATE_OFF_NORMAL) << "already off";
    toggle->SetToggleValue(7);
    EXPECT_EQ(toggle->state, STATE_NORMAL);
}

TEST_F(FormsTest, SliderSetAndGet) {
    const GuiPtr gui = MakeGui("");
    LoadForm(
        *gui, "f.txt",
        "name=f\n" +
            ButtonBlock("h", 150, 200, 20, 20,
                        "sliderMin=100\nsliderMax=300\nsliderDirection=1\n") +
            ButtonBlock("v", 50, 50, 20, 20, "sliderMin=40\nsliderMax=240\nsliderDirection=2\n") +
            ButtonBlock("plain", 0, 0, 10, 10));
    const auto horizontal = ButtonOf(*gui, "f", "h");
    horizontal->SetSliderValue(0.5f, 1.0f);
    EXPECT_EQ(horizontal->position, (__Rect{200, 200, 220, 220}));
    EXPECT_FLOAT_EQ(horizontal->GetSliderValue(1.0f), 0.5f);
    horizontal->SetSliderValue(35.0f, 100.0f);
    EXPECT_EQ(horizontal->position.xs, 170);
    // Every options dialog goes volume -> slider -> volume: nothing may drift.
    for (const float volume : {0.7f, 0.9f, 0.3f, 0.05f, 0.995f}) {
        float value = volume;
        for (int round = 0; round < 5; ++round) {
            horizontal->SetSliderValue(value, 1.0f);
            value = horizontal->GetSliderValue(1.0f);
        }
        EXPECT_FLOAT_EQ(value, volume);
    }
    horizontal->SetSliderValue(0.704f, 1.0f);
    EXPECT_EQ(horizontal->position.xs, 240) << "between positions the knob still goes down";
    horizontal->SetSliderValue(3.0f, 1.0f);
    EXPECT_EQ(horizontal->position.xs, 300) << "the knob stays inside its range";
    horizontal->SetSliderValue(-1.0f, 1.0f);
    EXPECT_EQ(horizontal->position.xs, 100);
    horizontal->SetSliderValue(1.0e30f, 1.0f);
    EXPECT_EQ(horizontal->position.xs, 300);

    const auto vertical = ButtonOf(*gui, "f", "v");
    vertical->SetSliderValue(0.25f, 1.0f);
    EXPECT_EQ(vertical->position, (__Rect{50, 90, 70, 110}));
    EXPECT_FLOAT_EQ(vertical->GetSliderValue(1.0f), 0.25f);

    const auto plain = ButtonOf(*gui, "f", "plain");
    plain->SetSliderValue(0.5f, 1.0f);
    EXPECT_EQ(plain->position.xs, 0);
    EXPECT_EQ(plain->GetSliderValue(1.0f), 0.0f);
}

TEST_F(FormsTest, SliderWithAnEmptyRangeOrZeroScaleDoesNotDivideByZero) {
    const GuiPtr gui = MakeGui("");
    LoadForm(*gui, "f.txt",
             "name=f\n" + ButtonBlock("flat", 150, 200, 20, 20,
                                      "sliderMin=150\nsliderMax=150\nsliderDirection=1\n"));
    const auto flat = ButtonOf(*gui, "f", "flat");
    EXPECT_EQ(flat->GetSliderValue(1.0f), 0.0f);
    flat->SetSliderValue(0.7f, 0.0f);
    EXPECT_EQ(flat->position.xs, 150);
    flat->SetSliderValue(std::nanf(""), 1.0f);
    EXPECT_EQ(flat->position.xs, 150);
    gui->ShowWindow("f", 1);
    MoveMouse(160, 210);
    Frame(*gui);
    PressMouse();
    Frame(*gui);
    MoveMouse(200, 210);
    Frame(*gui);
    EXPECT_EQ(flat->position.xs, 150);
}

TEST_F(FormsTest, SliderDragReportsEachStepAndStopsAtTheRangeEnd) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(
        LoadForm(*gui, "f.txt",
                 "name=f\n" + ButtonBlock("vol", 100, 200, 20, 20,
                                          "sliderMin=100\nsliderMax=300\nsliderDirection=1\n")),
        1);
    const auto knob = ButtonOf(*gui, "f", "vol");
    knob->SetSliderValue(1.0f, 1.0f);  // xs 300
    MoveMouse(310, 210);
    Frame(*gui);
    PressMouse();
    Frame(*gui);
    ASSERT_EQ(knob->state, STATE_DOWN);

    MoveMouse(290, 210);
    Frame(*gui);
    EXPECT_EQ(knob->position.xs, 280);
    EXPECT_EQ(gui->ButtonHit("vol"), 1) << "every drag step reports";
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("vol"), 0) << "no movement, no report";

    MoveMouse(305, 210);  // xs would be 295
    Frame(*gui);
    EXPECT_EQ(knob->position.xs, 295);
    MoveMouse(355, 210);  // 50 more would be 345: refused
    Frame(*gui);
    EXPECT_EQ(knob->position.xs, 295);
    EXPECT_EQ(gui->ButtonHit("vol"), 0);
    EXPECT_FLOAT_EQ(knob->GetSliderValue(1.0f), 0.975f);

    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(knob->state, STATE_NORMAL) << "released away from the knob";
    EXPECT_EQ(gui->ButtonHit("vol"), 0);
}
