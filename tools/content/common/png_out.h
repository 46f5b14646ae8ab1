#pragma once
// Straight (non-premultiplied) RGBA pictures and their PNG output.
#include <cstdint>
#include <string>
#include <vector>

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // 4 bytes per pixel, rows top to bottom

    RgbaImage() = default;
    RgbaImage(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
    uint8_t* At(int x, int y) { return rgba.data() + (static_cast<size_t>(y) * width + x) * 4; }
    const uint8_t* At(int x, int y) const {
        return rgba.data() + (static_cast<size_t>(y) * width + x) * 4;
    }
};

// Writes an 8-bit RGBA PNG without time stamps; false on failure.
bool WritePng(const RgbaImage& image, const std::string& path);
// Reads an 8-bit RGBA (or expandable) PNG; empty image on failure.
RgbaImage ReadPng(const std::string& path);
// Copies src into dst at (x, y), clipped.
void Blit(const RgbaImage& src, RgbaImage& dst, int x, int y);
