#pragma once
// Shared set-up for the form tests, on tests/support: one 800 x 600 context,
// the manual clock, the shipped archive, scratch files and whole frames of a
// form manager driven through the input seams.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "forms/gui.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/test_seams.h"
#include "support/program_state.h"
#include "support/scratch_folder.h"
#include "support/shipped_data_test.h"

class FormsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OpenTestDisplay(); }

    void SetUp() override {
        ResetProgramState();
        MountShippedArchive();
        UseManualClock(true, 0);
        ReleaseMouse();
        FlushMouse();
    }

    void TearDown() override {
        ReleaseMouse();
        FlushKeys();
        FlushMouse();
        // Unload every form so that shared sounds and bitmaps are released.
        if (const GuiPtr& gui = _qxGUI::Current()) {
            while (!gui->windows.empty()) {
                gui->UnloadWindow(gui->windows.begin()->first);
            }
        }
        ResetProgramState();
        UseManualClock(false);
    }

    // Writes a scratch file and returns its path.
    std::string WriteFile(const std::string& name, const std::string& text) const {
        return scratchFolder.Write(name, text);
    }

    // A manager from a GUI file of the given text.
    GuiPtr MakeGui(const std::string& guiText) const {
        return _qxGUI::Create(WriteFile("gui.txt", guiText), 1024, 768);
    }
    GuiPtr MakeGuiWithFont() const { return MakeGui("<FONTS>\ndesyrel18.fnt\n</FONTS>\n"); }

    // Loads a form from text and returns its name.
    std::string LoadForm(_qxGUI& gui, const std::string& file, const std::string& text) const {
        return gui.LoadWindow(WriteFile(file, text));
    }

    // One frame of the form manager, after the input injected so far.
    static void Frame(_qxGUI& gui, int ms = FRAME_MS) {
        gui.Update(ms);
        AdvanceClock(ms);
    }
    static void MoveMouse(int x, int y) { InjectMouseMove(x, y); }
    static void PressMouse() { InjectMouseButton(LEFT_BUTTON, true); }
    static void ReleaseMouse() { InjectMouseButton(LEFT_BUTTON, false); }
    static void TapKey(int key) {
        InjectKey(key, true);
        InjectKey(key, false);
    }
    // Hover, press and release over (x, y), one frame each.
    static void Click(_qxGUI& gui, int x, int y) {
        ClickAt(x, y, [&gui] { Frame(gui); });
    }

    // Draws every form on a cleared frame.
    static void DrawFrame(const _qxGUI& gui) {
        SetClsColor(0, 0, 0);
        Cls();
        SetColor(255, 255, 255);
        SetAlpha(1.0f);
        SetBlend(BLEND_SOLID);
        gui.Draw();
    }
    // The back buffer's rectangle; read pixels with At.
    static PixmapPtr Region(int x, int y, int width, int height) {
        return GrabPixmap(x, y, width, height);
    }
    static uint32_t At(const PixmapPtr& region, int x, int y) {
        return ReadPixel(*region, x, y) & 0xFFFFFFu;
    }

    ScratchFolder scratchFolder{"forms"};
    const std::filesystem::path& scratch = scratchFolder.Path();
};

// A form block of one button at (x, y), w x h.
inline std::string ButtonBlock(const std::string& name, int x, int y, int w, int h,
                               const std::string& extra = "") {
    return "<button>\nname=" + name + "\nx=" + std::to_string(x) + "\ny=" + std::to_string(y) +
           "\nwidth=" + std::to_string(w) + "\nheight=" + std::to_string(h) + "\n" + extra +
           "</button>\n";
}
