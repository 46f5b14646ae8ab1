#pragma once
// The fixture for tests that run the game's own data: a scratch user folder
// for the process (TESSALUNE_DATA_DIR, emptied before each test), the shipped
// archive mounted as the game mounts it, a headless 800 x 600 display opened
// once per suite, the form manager loaded from data/gui/gui.txt, a manual
// clock at START_MS, and ResetProgramState() before and after each test.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "support/input_driver.h"

struct TPixmap;

class ShippedDataTest : public ::testing::Test {
public:
    static constexpr int START_MS = 5000;
    static constexpr int SCREEN_WIDTH = TEST_SCREEN_WIDTH;
    static constexpr int SCREEN_HEIGHT = TEST_SCREEN_HEIGHT;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Runs _AppModule::Tick() n times, each msPerFrame later on the manual clock.
    static void StepFrames(int n, int msPerFrame = FRAME_MS);
    // Moves the mouse to (x, y) for one tick, holds the left button down for
    // one tick, releases it for one tick.
    static void Click(int x, int y);
    // A click in the middle of a form control, and the frame that handles it.
    static void ClickControl(const std::string& form, const std::string& control);
    // The mean brightness of a rectangle of the back buffer (the whole frame
    // by default).
    static double Brightness(int x = 0, int y = 0, int width = SCREEN_WIDTH,
                             int height = SCREEN_HEIGHT);
    // What app.dat in the user folder holds for a key, read from the file.
    static std::string Stored(const std::string& key);
    // Saves the back buffer as FrameFolder() + name + ".png"; returns the path.
    static std::string SaveFrame(const std::string& name);
    // Where SaveFrame writes: "<build>/test-frames/".
    static std::string FrameFolder();
    // The scratch user data folder of this process, with a trailing "/".
    static std::string UserFolder();
};

// Mean of the red, green and blue values of a rectangle of a picture, 0..255.
double MeanBrightness(const TPixmap& picture, int x, int y, int width, int height);

// Mounts the linked-in archive and reads assets from it, as the game does.
void MountShippedArchive();
