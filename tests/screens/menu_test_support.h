#pragma once
// The main menu running through the shell on the shipped data: started as the
// game starts it, driven by injected clicks, hits and typing.
#include <memory>
#include <string>

#include "app/app_module.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "platform/test_seams.h"
#include "screens/main_menu.h"
#include "support/screen_test.h"

class MenuTest : public ScreenTest {
protected:
    // Creates the menu alone and runs it past its fade in from black.
    std::shared_ptr<myMainMenu> StartMenu() {
        menu = myMainMenu::Create("data/main/main.txt");
        _AppModule::BeginApp();
        StepFrames(70, FRAME_MS);
        return menu;
    }

    // A player who is current, at the given level.
    static void MakePlayer(const std::string& name, int level) {
        const int n = _AppModule::AddNewUser(name);
        AppSettings().SetPlayer(n, settings_keys::PLAYER_LEVEL, std::to_string(level), 0);
    }

    // The named buttons as if clicked in the last form update; the next frame handles them.
    static void Hit(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            AddButtonHit(name);
        }
        StepFrames(1, FRAME_MS);
    }

    static void Type(const std::string& text) {
        for (const char c : text) {
            InjectChar(c);
            StepFrames(1, FRAME_MS);
        }
    }

    static bool Showing(const std::string& form) {
        return _AppModule::appGUI->IsWindowShowing(form) != 0;
    }

    static bool ControlShowing(const std::string& form, const std::string& control) {
        return _AppModule::appGUI->IsControlShowing(form, control) != 0;
    }

    std::shared_ptr<myMainMenu> menu;
};
