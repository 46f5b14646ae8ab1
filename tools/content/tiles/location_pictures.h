#pragma once
// The 128 x 192 pictures of the locations, collected piece by piece.
#include <cairo.h>

#include "tile_themes.h"

constexpr int kPictureWidth = 128;
constexpr int kPictureHeight = 192;

void PaintScene(cairo_t* cr, SceneKind scene);
