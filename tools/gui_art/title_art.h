#pragma once
// The loading screen's title picture: a night sky over hills, a crescent moon,
// floating tiles joined by a route, and the game's name.
#include <string>

#include "../content/common/png_out.h"

RgbaImage PaintTitle(int width, int height, const std::string& name);
