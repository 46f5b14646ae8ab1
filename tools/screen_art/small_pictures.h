#pragma once
// The small pictures: the status bar and its buttons, tool tips, panels,
// the cursor, the chooser's lock and highlight sprites and the icon.
#include <cairo.h>

#include <string>

#include "../content/common/png_out.h"

RgbaImage PaintStatusBar();
// kind "undo", "retry", "hint" or "widebutton"; state "normal", "over", "down".
RgbaImage PaintBarButton(const std::string& kind, const std::string& state, int w, int h);
RgbaImage PaintToolTip(const std::string& text, int w, int h);
// A panel with a title band (title height 0 for none).
RgbaImage PaintPanel(int w, int h, double titleHeight);
// The progress panel with the frame of the 4 x 4 picture at (px, py).
RgbaImage PaintProgressPanel(int w, int h, int px, int py);
RgbaImage PaintCursor();
RgbaImage PaintLock(int w, int h);
RgbaImage PaintHighlight(int w, int h);
// The icon drawn into any context at size s (PNG sizes and the SVG).
void PaintIcon(cairo_t* cr, double s);
RgbaImage PaintIconPng(int size);
bool WriteIconSvg(const std::string& path, int size);
// A marker for the map: a pulsing ring in the place's colour with its sign.
RgbaImage PaintMarker(int location, int size);
