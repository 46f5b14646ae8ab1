// A dialog built from the shipped GUI file, drawn headless: the pictures land
// where the form puts them, and the frame can be saved for a look by eye.
#include "forms_fixture.h"

#include <cstdlib>

#include "forms/button.h"
#include "forms/input_line.h"
#include "app/locale_strings.h"
#include "toolkit/sprite.h"

namespace {

const char* const DIALOG =
    "name=look\nmodal=true\nbordercolor=10,8,30,170\n"
    "<image>\nclone=dialogPanel\nx=160\ny=120\n</image>\n"
    "<label>\nx=160\ny=140\nwidth=480\nheight=40\nfont=desyrel32.fnt\ncaptioncolor=255,209,102,"
    "255\n"
    "captiontext=Options\n</label>\n"
    "<button>\nclone=checkBox\nname=look_music\nx=210\ny=196\ntogglebutton=1\n</button>\n"
    "<label>\nx=256\ny=196\nwidth=200\nheight=36\ncaptionhjust=0\ncaptiontext=Music\n</label>\n"
    "<button>\nclone=checkBox\nname=look_full\nx=420\ny=196\ntogglebutton=1\n</button>\n"
    "<label>\nx=466\ny=196\nwidth=200\nheight=36\ncaptionhjust=0\ncaptiontext=Full "
    "screen\n</label>\n"
    "<image>\nclone=sliderBar\nx=268\ny=262\n</image>\n"
    "<label>\nx=200\ny=252\nwidth=60\nheight=34\ncaptionhjust=0\ncaptiontext=Sound\n</label>\n"
    "<button>\nclone=sliderKnob\nname=look_volume\nx=268\ny=252\nsliderMin=268\nsliderMax=508\n"
    "sliderDirection=1\n</button>\n"
    "<image>\nclone=inputField\nx=240\ny=300\n</image>\n"
    "<input>\nname=look_name\nx=254\ny=309\nmaxwidth=290\nfont=desyrel24.fnt\ncursorwidth=2\n"
    "cursorheight=24\n</input>\n"
    "<button>\nclone=smallButton\nname=look_yes\nx=250\ny=356\ncaptiontext=Yes\n</button>\n"
    "<button>\nclone=smallButton\nname=look_no\nx=418\ny=356\ncaptiontext=No\n</button>\n";

const char* const BACKDROP =
    "name=backdrop\n<button>\nclone=bigButton\nname=back_play\nx=270\ny=40\ncaptiontext=Play\n</"
    "button>\n"
    "<button>\nclone=bigButton\nname=back_quit\nx=270\ny=500\ncaptiontext=Quit\n</button>\n";

}  // namespace

TEST_F(FormsTest, ShippedControlsDrawAsTheFormPlacesThem) {
    const GuiPtr gui = _qxGUI::Create("data/gui/gui.txt", 1024, 768);
    ASSERT_EQ(gui->fonts.size(), 3u);
    for (const char* clone : {"smallbutton", "bigbutton", "checkbox", "sliderknob", "sliderbar",
                              "inputfield", "dialogpanel"}) {
        EXPECT_NE(_qxGUI::getClone(clone), nullptr) << clone;
    }
    gui->ShowWindow(LoadForm(*gui, "backdrop.txt", BACKDROP), 1);
    gui->ShowWindow(LoadForm(*gui, "look.txt", DIALOG), 1);
    std::dynamic_pointer_cast<_qxButton>(gui->GetControl("look", "look_full"))->SetToggleValue(0);
    std::dynamic_pointer_cast<_qxButton>(gui->GetControl("look", "look_volume"))
        ->SetSliderValue(0.7f, 1.0f);
    for (const char c : std::string("Luna")) {
        InjectChar(c);
        Frame(*gui);
    }
    MoveMouse(316, 378);  // over "Yes"
    Frame(*gui);
    EXPECT_EQ(gui->GetControl("look", "look_yes")->state, STATE_OVER);
    EXPECT_EQ(gui->GetControlCaptionText("look", "look_name"), "Luna");

    UseManualClock(true, 500);  // the input cursor is on
    DrawFrame(*gui);
    if (std::getenv("TESS_SAVE_FRAMES") != nullptr) {
        SaveBackBufferPNG(std::string(TESS_BINARY_DIR) + "/forms_look.png");
    }
    // Veil over the backdrop, the panel's gold rim, teal button bodies.
    const uint32_t veiled = ScreenPixel(20, 20);
    EXPECT_LT(veiled & 0xFF, 0x30u);
    const uint32_t rim = ScreenPixel(400, 127);
    EXPECT_GT(rim >> 16, 0xC0u);
    EXPECT_GT((rim >> 8) & 0xFF, 0x90u);
    const uint32_t noBody = ScreenPixel(500, 385);
    EXPECT_GT((noBody >> 8) & 0xFF, noBody >> 16) << "teal: more green than red";
}

TEST_F(FormsTest, LoadingScreenFormHasItsPictureAndText) {
    localeStringManager::loadLocaleStrings("data/locale/english.txt", 1);
    const GuiPtr gui = _qxGUI::Create("data/gui/gui.txt", 1024, 768);
    ASSERT_EQ(gui->LoadWindow("data/loadingscreen/forms/loadingscreen.txt"), "loadingscreen");
    const ControlPtr text = gui->GetControl("loadingscreen", "loadingscreen_text");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->captionText, "Loading...");
    EXPECT_EQ(text->position.ys, 490);
    const ControlPtr title = gui->GetControl("loadingscreen", "loadingscreen_title");
    ASSERT_NE(title, nullptr);
    ASSERT_NE(title->images[STATE_NORMAL], nullptr);
    ASSERT_NE(title->images[STATE_NORMAL]->Image(), nullptr);
    EXPECT_EQ(title->images[STATE_NORMAL]->Image()->width, 800);
    EXPECT_EQ(title->images[STATE_NORMAL]->Image()->height, 600);

    gui->ShowWindow("loadingscreen", 1);
    DrawFrame(*gui);
    if (std::getenv("TESS_SAVE_FRAMES") != nullptr) {
        SaveBackBufferPNG(std::string(TESS_BINARY_DIR) + "/forms_loadingscreen.png");
    }
    EXPECT_NE(ScreenPixel(400, 20), 0u) << "the picture covers the screen";
}
