// The form manager: modal forms, focus, click reporting, animation and lookups.
#include "forms_fixture.h"

#include "forms/button.h"
#include "platform/debug_log.h"

namespace {

const std::string MENU_FORM = "name=menu\n" + ButtonBlock("menu_start", 100, 100, 100, 40);
const std::string EXIT_FORM = "name=exit\nmodal=true\nbordercolor=0,0,0,210\n" +
                              ButtonBlock("exit_yes", 300, 300, 80, 40) +
                              ButtonBlock("exit_no", 420, 300, 80, 40);

}  // namespace

TEST_F(FormsTest, ClickIsReportedForOneUpdateOnly) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "menu.txt", MENU_FORM), 1);
    MoveMouse(150, 120);
    Frame(*gui);
    PressMouse();
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 0) << "a press is not a click";
    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 1);
    EXPECT_EQ(gui->ButtonHit("Menu_Start"), 0) << "names compare exactly";
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 0) << "the next update clears the list";
}

TEST_F(FormsTest, ModalFormBlocksTheOthersAndDrawsItsVeil) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "menu.txt", MENU_FORM), 1);
    gui->ShowWindow(LoadForm(*gui, "exit.txt", EXIT_FORM), 1);
    ASSERT_EQ(gui->modalWindow, gui->GetWindow("exit"));

    Click(*gui, 150, 120);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 0);
    EXPECT_EQ(gui->GetControl("menu", "menu_start")->state, STATE_NORMAL);
    Click(*gui, 340, 320);
    EXPECT_EQ(gui->ButtonHit("exit_yes"), 1);

    // The veil: black at 210/255 over a white screen leaves 45.
    SetClsColor(255, 255, 255);
    Cls();
    gui->Draw();
    EXPECT_EQ(ScreenPixel(10, 10), 0x2D2D2Du);
    EXPECT_EQ(ScreenPixel(790, 590), 0x2D2D2Du);

    gui->HideWindow("exit");
    EXPECT_EQ(gui->modalWindow, nullptr);
    Click(*gui, 150, 120);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 1) << "hiding the modal form frees the others";
}

TEST_F(FormsTest, ShowingASecondFormResetsTheFirstOnesPressedControls) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "menu.txt", MENU_FORM), 1);
    LoadForm(*gui, "other.txt", "name=other\n" + ButtonBlock("other_ok", 500, 500, 50, 50));
    MoveMouse(150, 120);
    Frame(*gui);
    PressMouse();
    Frame(*gui);
    ASSERT_EQ(gui->GetControl("menu", "menu_start")->state, STATE_DOWN);

    gui->ShowWindow("other", 1);
    EXPECT_EQ(gui->GetControl("menu", "menu_start")->state, STATE_NORMAL);
    EXPECT_EQ(gui->IsWindowShowing("menu"), 1) << "the first form stays visible";
    ReleaseMouse();
    Frame(*gui);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 0) << "the reset press is not a click";
}

TEST_F(FormsTest, LeadOutKeepsDrawingWithItsControlsBlocked) {
    const GuiPtr gui = MakeGui("");
    const std::string form =
        "name=slide\n<animation>\n<leadoutx>\ndata0=0\ndata1=1000\ndata2=5000\n"
        "</leadoutx>\ntimeout=200\ntimein=0\n</animation>\n" +
        ButtonBlock("slide_go", 100, 100, 100, 100);
    gui->ShowWindow(LoadForm(*gui, "slide.txt", form), 1);
    MoveMouse(150, 150);
    Frame(*gui);
    ASSERT_EQ(gui->GetControl("slide", "slide_go")->state, STATE_OVER);

    gui->HideWindow("slide");
    const WindowPtr window = gui->GetWindow("slide");
    PressMouse();
    Frame(*gui, 100);
    EXPECT_TRUE(window->IsAnimating());
    EXPECT_NEAR(window->animatorOffsetX, 100.0f, 0.5f) << "1000 px/s for 100 ms";
    EXPECT_EQ(gui->GetControl("slide", "slide_go")->state, STATE_OVER) << "blocked: no press";
    ReleaseMouse();
    Frame(*gui, 120);
    EXPECT_FALSE(window->IsAnimating());
    EXPECT_EQ(window->animatorOffsetX, 0.0f);
    EXPECT_EQ(gui->ButtonHit("slide_go"), 0);

    // Hiding a hidden form does not replay the lead-out.
    gui->HideWindow("slide");
    EXPECT_FALSE(window->IsAnimating());
}

TEST_F(FormsTest, LeadInBlocksControlsUntilItEnds) {
    const GuiPtr gui = MakeGui("");
    const std::string form =
        "name=slide\n<animation>\n<leadiny>\ndata0=-300\ndata1=1000\ndata2=0\n"
        "repeat=0\n</leadiny>\ntimein=300\ntimeout=0\n</animation>\n" +
        ButtonBlock("slide_go", 100, 100, 100, 100);
    LoadForm(*gui, "slide.txt", form);
    MoveMouse(150, 150);
    gui->ShowWindow("slide", 1);
    Frame(*gui, 100);
    EXPECT_NEAR(gui->GetWindow("slide")->animatorOffsetY, -200.0f, 0.5f);
    EXPECT_EQ(gui->GetControl("slide", "slide_go")->state, STATE_NORMAL);
    Frame(*gui, 250);
    Frame(*gui);
    EXPECT_EQ(gui->GetControl("slide", "slide_go")->state, STATE_OVER);
}

TEST_F(FormsTest, LookupsOnMissingFormsAndControlsAreHarmless) {
    const GuiPtr gui = MakeGui("");
    LoadForm(*gui, "menu.txt", MENU_FORM);
    gui->ShowWindow("nothing", 1);
    gui->HideWindow("nothing");
    gui->DisableControl("menu", "nothing", 1);
    gui->SetControlCaptionText("nothing", "menu_start", "x");
    EXPECT_EQ(gui->IsWindowShowing("nothing"), 0);
    EXPECT_EQ(gui->IsControlShowing("menu", "nothing"), 1);
    EXPECT_EQ(gui->GetWindow("menu")->IsControlShowing("nothing"), 0);
    EXPECT_EQ(gui->GetControlCaptionText("menu", "nothing"), "");
    __Rect rect{1, 2, 3, 4};
    gui->GetControlCaptionRegion("menu", "nothing", rect);
    EXPECT_EQ(rect, (__Rect{1, 2, 3, 4}));
    EXPECT_EQ(gui->GetControlCaptionRegion("menu", "menu_start"), (__Rect{100, 100, 200, 140}));
    EXPECT_EQ(gui->GetControl("menu", "nothing"), nullptr);
    gui->UnloadWindow("nothing");
}

TEST_F(FormsTest, DisabledOrHiddenButtonsIgnoreTheMouse) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "menu.txt", MENU_FORM), 1);
    gui->DisableControl("menu", "menu_start", 1);
    Click(*gui, 150, 120);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 0);
    EXPECT_EQ(gui->MouseOver("menu", "menu_start"), 0);
    gui->EnableControl("menu", "menu_start");
    EXPECT_EQ(gui->MouseOver("menu", "menu_start"), 1);
    gui->HideControl("menu", "menu_start");
    Click(*gui, 150, 120);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 0);
    gui->ShowControl("menu", "menu_start", 1);
    Click(*gui, 150, 120);
    EXPECT_EQ(gui->ButtonHit("menu_start"), 1);
}

TEST_F(FormsTest, MouseOverCountsTheRightAndBottomEdges) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "menu.txt", MENU_FORM), 1);
    MoveMouse(200, 140);
    EXPECT_EQ(gui->MouseOver("menu", "menu_start"), 1);
    MoveMouse(100, 120);
    EXPECT_EQ(gui->MouseOver("menu", "menu_start"), 0);
    gui->HideWindow("menu");
    MoveMouse(150, 120);
    EXPECT_EQ(gui->MouseOver("menu", "menu_start"), 0);
}

TEST_F(FormsTest, UnloadingTheModalFormClearsIt) {
    const GuiPtr gui = MakeGui("");
    gui->ShowWindow(LoadForm(*gui, "exit.txt", EXIT_FORM), 1);
    gui->UnloadWindow("exit");
    EXPECT_EQ(gui->modalWindow, nullptr);
    EXPECT_EQ(gui->GetWindow("exit"), nullptr);
    Frame(*gui);
    gui->Draw();
}

TEST_F(FormsTest, FontAndCloneFallbacks) {
    const GuiPtr gui = MakeGui(
        "<FONTS>\ndesyrel18.fnt\ndesyrel24.fnt\n</FONTS>\n"
        "<clone>\nname=BigOne\nwidth=10\n</clone>\n");
    ASSERT_NE(gui->defaultFont, nullptr);
    EXPECT_EQ(gui->defaultFont, gui->fonts["desyrel18.fnt"]);
    EXPECT_EQ(_qxGUI::getFont("desyrel24.fnt"), gui->fonts["desyrel24.fnt"]);
    EXPECT_NE(_qxGUI::getClone("bigone"), nullptr);
    DebugLogCapture log;
    EXPECT_EQ(_qxGUI::getFont("Desyrel24.fnt"), gui->defaultFont) << "font names are exact";
    EXPECT_TRUE(log.Contains("*** Missing font: Desyrel24.fnt***"));
    EXPECT_EQ(_qxGUI::getClone("smallish"), nullptr);
    EXPECT_TRUE(log.Contains("*** Missing clone control: smallish***"));
}

TEST_F(FormsTest, MissingGuiFileLeavesNoFonts) {
    const GuiPtr gui = _qxGUI::Create((scratch / "absent.txt").string(), 1024, 768);
    EXPECT_EQ(_qxGUI::getFont("desyrel18.fnt"), nullptr);
    gui->ShowWindow(LoadForm(*gui, "menu.txt", MENU_FORM + "<label>\ncaptiontext=hi\n</label>\n"),
                    1);
    Frame(*gui);
    DrawFrame(*gui);
}
