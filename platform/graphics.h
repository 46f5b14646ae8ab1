#pragma once
// The window, the global drawing state and immediate-mode 2D drawing.
// The game draws in a fixed 800 x 600 space (the size given to OpenGraphics)
// into a back buffer that Flip presents scaled and letterboxed to the window.
#include <string>

#include "platform/image.h"

constexpr int BLEND_MASK = 1;   // written only where alpha >= 0.5, no blending
constexpr int BLEND_SOLID = 2;  // written as is
constexpr int BLEND_ALPHA = 3;  // src*a + dst*(1-a)
constexpr int BLEND_LIGHT = 4;  // src*a + dst
constexpr int BLEND_SHADE = 5;  // src*dst

void SetAppTitle(const std::string& title);
const std::string& AppTitle();
// The name the window gives the desktop to match it with its desktop entry
// (X11 class, Wayland app id); takes effect when video starts.
void SetAppId(const std::string& id);
// The window's icon, for this window and every later one (null: none for later ones).
void SetAppIcon(const PixmapPtr& icon);
// The display (monitor) the window is on; a window opened again, windowed or
// full screen, opens on the display the last one was on.
int WindowDisplay();

// depth 0 opens a window, any other value desktop full screen. Opening while
// open closes first; the drawing state returns to its initial values.
bool OpenGraphics(int width, int height, int depth, int hertz);
void CloseGraphics();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();

void Cls();
// Presents the back buffer, pacing frames to the hertz of OpenGraphics.
void Flip();
// Presents at once, without waiting for the frame's turn: for progress shown
// between frames (the loading screen), which should cost loading no time.
void FlipUnpaced();
void SetMouseVisible(bool visible);
void OpenURL(const std::string& url);
// Hands url to the browser; a full-screen window is minimised for the hand-over
// and restored and raised straight after, without waiting.
void OpenURLFromSmallWindow(const std::string& url);
// True once after the user asked to close the window.
bool AppTerminate();
// True once after SIGTERM or SIGINT (logout, kill, Ctrl+C): the program should
// end, not ask. Watched from the first OpenGraphics on.
bool TerminationRequested();

// Drawing state; the getters return exactly what was set.
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetLineWidth(float width);
float GetLineWidth();
void SetClsColor(int r, int g, int b);
void GetClsColor(int& r, int& g, int& b);

// Drawing; colour, alpha, blend, rotation and scale apply. Null images draw nothing.
void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
void DrawImageRect(const ImagePtr& image, float x, float y, float width, float height,
                   int frame = 0);
// Draws the pixel rectangle (sx, sy, sw, sh) of a frame into (x, y, width, height).
void DrawSubImageRect(const ImagePtr& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, int frame = 0);
void DrawRect(float x, float y, float width, float height);
void DrawLine(float x1, float y1, float x2, float y2);  // the last pixel is drawn
void DrawOval(float x, float y, float width, float height);

// Back-buffer read-back (pending drawing is finished first).
void GrabImage(const ImagePtr& image, int x, int y);
PixmapPtr GrabPixmap(int x, int y, int width, int height);
