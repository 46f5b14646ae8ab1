#pragma once
// Pixmaps: pixel buffers in memory. Rows are aligned to 4 bytes.
// Pixel access always exchanges 0xAARRGGBB, whatever the format.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TStream;

constexpr int PF_A8 = 2;        // one byte of alpha per pixel
constexpr int PF_BGRA8888 = 5;  // blue, green, red, alpha bytes

struct TPixmap {
    int width = 0;
    int height = 0;
    int pitch = 0;  // bytes per row
    int format = 0;
    std::vector<uint8_t> pixels;

    uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * pitch; }
    const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * pitch; }
};
using PixmapPtr = std::shared_ptr<TPixmap>;

// Null for sizes below 1 or above 16384 on a side, or an unknown format.
PixmapPtr CreatePixmap(int width, int height, int format);
PixmapPtr CopyPixmap(const TPixmap& pixmap);
// Out-of-range coordinates read 0 and write nothing.
uint32_t ReadPixel(const TPixmap& pixmap, int x, int y);
void WritePixel(TPixmap& pixmap, int x, int y, uint32_t argb);
void ClearPixels(TPixmap& pixmap, uint32_t argb);
// Whether any pixel of a PF_BGRA8888 pixmap has an alpha below 255.
bool CarriesAlpha(const TPixmap& pixmap);

// PNG, JPEG, TGA (raw and RLE, 24/32 bit) and BMP (24/32 bit), always as
// PF_BGRA8888. hasAlpha (optional) tells whether the source carried alpha.
// Null on a missing, malformed, truncated or oversized source.
PixmapPtr LoadPixmap(const std::string& path, bool* hasAlpha = nullptr);
PixmapPtr LoadPixmap(TStream& stream, bool* hasAlpha = nullptr);
PixmapPtr DecodePixmap(const uint8_t* data, size_t size, bool* hasAlpha = nullptr);

// Writes a PF_BGRA8888 or PF_A8 pixmap as PNG; false on failure.
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path);
