#pragma once
// Seams that let tests drive whole frames deterministically. The game's normal
// path never calls these.
#include <string>

#include "platform/pixmap.h"

// A manual clock: MilliSecs returns the stepped time and Flip, instead of
// sleeping, moves the clock on to its deadline.
void UseManualClock(bool on, int startMs = 0);
bool ManualClockActive();
void AdvanceClock(int ms);

// Injected input, seen by the next queries as if the user had acted.
void InjectMouseMove(int x, int y);  // game-space coordinates
void InjectMouseButton(int button, bool down);
void InjectKey(int key, bool down);
void InjectChar(int character);
void InjectText(const char* utf8);  // as the window system's text input delivers it
void InjectCloseRequest();
void InjectFocusLoss();  // as if the window lost the focus

// While on, frames are updated and presented but nothing is drawn into the
// back buffer (a robot skips the frames it does not look at).
void SkipDrawing(bool skip);

// The back buffer as a PF_BGRA8888 pixmap, and saved as PNG.
PixmapPtr ReadBackBuffer();
// The window's drawable as last presented, at its own size (bars included).
PixmapPtr ReadPresentedFrame();
bool SaveBackBufferPNG(const std::string& path);
