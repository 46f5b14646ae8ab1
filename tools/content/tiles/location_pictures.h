#pragma once
// The 128 x 192 pictures of the locations, collected piece by piece.
#include <cairo.h>

#include "tile_themes.h"

constexpr int PICTURE_WIDTH = 128;
constexpr int PICTURE_HEIGHT = 192;

void PaintScene(cairo_t* cr, SceneKind scene);
