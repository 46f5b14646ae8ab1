#pragma once
// The six tile-set themes: colours and the pictures on their 42 faces.
#include <array>
#include <cstdint>
#include <vector>

struct Rgb {
    double r, g, b;
};

enum class SceneKind { Home, Forest, Seaside, Mountains, Castle, Fair };

struct TileTheme {
    const char* name;
    Rgb side;     // tile edge and outline
    Rgb face;     // face colour at the top
    Rgb faceLow;  // face colour at the bottom
    Rgb route;    // glow of the route line
    Rgb block;    // colour of the fixed blocks
    SceneKind scene;
    std::vector<uint32_t> singles;    // faces 0 to 29 (30 pictures)
    std::array<uint32_t, 4> familyA;  // faces 30 to 33
    std::array<uint32_t, 4> familyB;  // faces 34 to 37
    std::array<uint32_t, 4> extras;   // faces 38 to 41
};

constexpr int THEME_COUNT = 6;
const TileTheme& Theme(int index);  // 0 to 5
