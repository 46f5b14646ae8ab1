// Shell services on the settings store and the forms: volumes, the screen
// mode switch and its toggle button, volume sliders, the profile list.
#include <gtest/gtest.h>

#include "app/line_helpers.h"
#include "app/settings.h"
#include "support/archive_test_support.h"
#include "forms/button.h"
#include "forms/gui.h"
#include "module_test_support.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"

namespace {

std::string ProfileForm() {
    std::string form = "name=login\n";
    for (int n = 1; n <= 8; ++n) {
        const std::string i = std::to_string(n);
        form += "<label>\nname=name" + i + "\ny=" + std::to_string(n * 40) +
                "\nwidth=200\nheight=30\n</label>\n";
        form += "<button>\nname=select" + i +
                "\nclone=smallButton\nx=220\ny=" + std::to_string(n * 40) + "\n</button>\n";
        form += "<button>\nname=delete" + i +
                "\nclone=smallButton\nx=360\ny=" + std::to_string(n * 40) + "\n</button>\n";
    }
    return form;
}

const char* const OPTIONS_FORM =
    "name=options\n"
    "<button>\nname=opt_full\nclone=checkBox\ntogglebutton=1\nx=100\ny=100\n</button>\n"
    "<button>\nname=opt_music\nclone=smallButton\nx=100\ny=200\nwidth=20\nsliderMin=100\nsliderMax="
    "300\nsliderDirection=1\n</button>\n";

class ShellServicesTest : public ShippedDataTest {
protected:
    static std::string Stored(const std::string& key) {
        return AppSettings().GetConstantValue(key, "", 0);
    }

    ScratchFolder forms;
};

TEST_F(ShellServicesTest, VolumesAreSetAndStoredAtOnce) {
    _AppModule::SetMusicVolume(0.25f);
    _AppModule::SetSoundVolume(0.5f);
    EXPECT_FLOAT_EQ(_AppModule::GetMusicVolume(), 0.25f);
    EXPECT_FLOAT_EQ(_AppModule::GetSoundVolume(), 0.5f);
    AppConstantsManager reread;
    reread.ReadConstants();
    EXPECT_FLOAT_EQ(ToFloat(reread.GetConstantValue("musicvolume", "", 0)), 0.25f);
    EXPECT_FLOAT_EQ(ToFloat(reread.GetConstantValue("soundvolume", "", 0)), 0.5f);
}

TEST_F(ShellServicesTest, ScreenModeFollowsItsToggleButton) {
    _AppModule::appGUI->LoadWindow(forms.Write("options.txt", OPTIONS_FORM));
    auto toggle =
        std::dynamic_pointer_cast<_qxButton>(_AppModule::appGUI->GetControl("options", "opt_full"));
    ASSERT_NE(toggle, nullptr);
    AppSettings().SetConstantValue("Fullscreen", "0", 0);

    _AppModule::UpdateFullscreenButton("options", "opt_full");
    EXPECT_EQ(toggle->GetToggleValue(), 0);

    toggle->SetToggleValue(1);
    _AppModule::UpdateFullscreenFromButton("options", "opt_full");
    EXPECT_EQ(Stored("Fullscreen"), "1");
    EXPECT_TRUE(IsFullscreen());
    EXPECT_TRUE(GraphicsOpen());

    _AppModule::UpdateFullscreenFromButton("options", "opt_full");
    EXPECT_EQ(Stored("Fullscreen"), "1") << "nothing to switch";

    toggle->SetToggleValue(0);
    _AppModule::UpdateFullscreenFromButton("options", "opt_full");
    EXPECT_EQ(Stored("Fullscreen"), "0");
    EXPECT_TRUE(GraphicsOpen());

    _AppModule::UpdateFullscreenFromButton("options", "missing");
    _AppModule::UpdateFullscreenButton("nowhere", "opt_full");
}

TEST_F(ShellServicesTest, VolumeSliderRoundTrip) {
    _AppModule::appGUI->LoadWindow(forms.Write("options.txt", OPTIONS_FORM));
    _AppModule::SetVolumeSliderPosition("options", "opt_music", 0.75f);
    EXPECT_NEAR(_AppModule::GetVolumeSliderPosition("options", "opt_music"), 0.75f, 0.01f);
    EXPECT_FLOAT_EQ(_AppModule::GetVolumeSliderPosition("options", "missing"), 0.0f);
}

TEST_F(ShellServicesTest, ProfileListShowsFilledSlotsOnly) {
    _AppModule::appGUI->LoadWindow(forms.Write("login.txt", ProfileForm()));
    _AppModule::AddNewUser("Ann");
    _AppModule::AddNewUser("Bo");
    _AppModule::RemoveUser(1);
    _AppModule::PopulatePlayerProfileList();

    const GuiPtr& gui = _AppModule::appGUI;
    EXPECT_EQ(gui->GetControlCaptionText("login", "name1"), "");
    EXPECT_EQ(gui->GetControlCaptionText("login", "name2"), "Bo");
    EXPECT_EQ(gui->IsControlShowing("login", "select1"), 0);
    EXPECT_EQ(gui->IsControlShowing("login", "delete1"), 0);
    EXPECT_EQ(gui->IsControlShowing("login", "select2"), 1);
    EXPECT_EQ(gui->IsControlShowing("login", "delete2"), 1);
    EXPECT_EQ(gui->IsControlShowing("login", "select8"), 0);
}

}  // namespace
