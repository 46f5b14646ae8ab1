#pragma once
// What a test (or the robot) drives the game with, needing only the platform
// layer: the headless display, the frame length, clicks, and the screen's
// pixels.
#include <cstdint>
#include <functional>
#include <string>

// One frame of the 60 Hz pacing on the manual clock, in whole ms.
constexpr int FRAME_MS = 16;
constexpr int LEFT_BUTTON = 1;
constexpr int TEST_SCREEN_WIDTH = 800;
constexpr int TEST_SCREEN_HEIGHT = 600;

// A headless 800 x 600 window (SDL offscreen), opened unless one is open at
// that size already; false when there is no OpenGL context.
bool OpenTestDisplay(int hertz = 60);
// Saves the back buffer as TestFrameFolder() + name + ".png"; returns the path.
std::string SaveTestFrame(const std::string& name);
// Where the tests leave frames for a look by eye: "<build>/test-frames/".
std::string TestFrameFolder();

// The screen's pixel at (x, y) as 0xRRGGBB; 0xDEADBEEF when it cannot be read.
uint32_t ScreenPixel(int x, int y);
// Hover over (x, y), press the left button, release it: frame() runs after
// each of the three, as a player's click spans frames.
void ClickAt(int x, int y, const std::function<void()>& frame);
