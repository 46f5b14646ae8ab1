#include "platform/pixmap.h"

#include <algorithm>

#include "platform/picture_codecs.h"

namespace {

int BytesPerPixel(int format) {
    return format == PF_A8 ? 1 : 4;
}

bool Inside(const TPixmap& pixmap, int x, int y) {
    return x >= 0 && y >= 0 && x < pixmap.width && y < pixmap.height;
}

}  // namespace

PixmapPtr CreatePixmap(int width, int height, int format) {
    if (format != PF_A8 && format != PF_BGRA8888) {
        return nullptr;
    }
    if (width < 1 || height < 1 || width > MAX_PICTURE_SIDE || height > MAX_PICTURE_SIDE) {
        return nullptr;
    }
    auto pixmap = std::make_shared<TPixmap>();
    pixmap->width = width;
    pixmap->height = height;
    pixmap->format = format;
    pixmap->pitch = (width * BytesPerPixel(format) + 3) & ~3;
    pixmap->pixels.assign(static_cast<size_t>(pixmap->pitch) * static_cast<size_t>(height), 0);
    return pixmap;
}

PixmapPtr CopyPixmap(const TPixmap& pixmap) {
    return std::make_shared<TPixmap>(pixmap);
}

uint32_t ReadPixel(const TPixmap& pixmap, int x, int y) {
    if (!Inside(pixmap, x, y)) {
        return 0;
    }
    const uint8_t* p = pixmap.Row(y) + static_cast<size_t>(x) * BytesPerPixel(pixmap.format);
    if (pixmap.format == PF_A8) {
        return (static_cast<uint32_t>(p[0]) << 24) | 0xFFFFFFu;
    }
    return (static_cast<uint32_t>(p[3]) << 24) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[1]) << 8) | p[0];
}

void WritePixel(TPixmap& pixmap, int x, int y, uint32_t argb) {
    if (!Inside(pixmap, x, y)) {
        return;
    }
    uint8_t* p = pixmap.Row(y) + static_cast<size_t>(x) * BytesPerPixel(pixmap.format);
    if (pixmap.format == PF_A8) {
        p[0] = static_cast<uint8_t>(argb >> 24);
        return;
    }
    p[0] = static_cast<uint8_t>(argb);
    p[1] = static_cast<uint8_t>(argb >> 8);
    p[2] = static_cast<uint8_t>(argb >> 16);
    p[3] = static_cast<uint8_t>(argb >> 24);
}

void ClearPixels(TPixmap& pixmap, uint32_t argb) {
    if (pixmap.width < 1 || pixmap.height < 1) {
        return;
    }
    for (int x = 0; x < pixmap.width; ++x) {
        WritePixel(pixmap, x, 0, argb);
    }
    const size_t rowBytes = static_cast<size_t>(pixmap.width) * BytesPerPixel(pixmap.format);
    for (int y = 1; y < pixmap.height; ++y) {
        std::copy_n(pixmap.Row(0), rowBytes, pixmap.Row(y));
    }
}

bool CarriesAlpha(const TPixmap& pixmap) {
    for (int y = 0; y < pixmap.height; ++y) {
        const uint8_t* p = pixmap.Row(y);
        for (int x = 0; x < pixmap.width; ++x, p += 4) {
            if (p[3] != 255) {
                return true;
            }
        }
    }
    return false;
}
