#pragma once
// The big pictures: the 25 backgrounds behind the board, the map, the menu
// and chooser backgrounds, the presentation card and the story pages.
#include <string>
#include <vector>

#include "../content/common/png_out.h"

constexpr int SCREEN_W = 800;
constexpr int SCREEN_H = 600;
constexpr int BACKGROUND_COUNT = 25;

// Background n (1 to 25), calm in the middle.
RgbaImage PaintBackground(int n);
RgbaImage PaintMap();
RgbaImage PaintMenuBackground();
RgbaImage PaintPresentationCard(const std::string& team, const std::string& presents);
struct TileSheet;

// A story page: page 1 to 5 before the first level, 6 to 9 after the last,
// with its text set in and room left for the "next" button. The page that
// shows how to play draws the home tile set's tiles.
RgbaImage PaintStoryPage(int page, const std::string& text, const TileSheet& home);
// The map's places: home, then the marker positions of locations 2 to 5.
struct MapSpot {
    double x, y;
};
const std::vector<MapSpot>& MapSpots();
