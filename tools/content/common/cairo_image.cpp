#include "cairo_image.h"

#include <cstdint>
#include <cstring>

RgbaImage FromCairo(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    RgbaImage out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            std::memcpy(&p, data + static_cast<size_t>(y) * stride + x * 4, 4);
            const uint32_t a = p >> 24;
            uint8_t* d = out.At(x, y);
            d[3] = static_cast<uint8_t>(a);
            if (a == 0) {
                continue;
            }
            for (int c = 0; c < 3; ++c) {
                const uint32_t v = (p >> (16 - 8 * c)) & 0xFF;
                d[c] = static_cast<uint8_t>((v * 255 + a / 2) / a);
            }
        }
    }
    return out;
}

CairoCanvas::CairoCanvas(int width, int height)
    : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr(cairo_create(surface)) {}

CairoCanvas::~CairoCanvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
