#include "png_out.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;
}  // namespace

bool WritePng(const RgbaImage& image, const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file || image.width <= 0 || image.height <= 0) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, image.At(0, y));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

RgbaImage ReadPng(const std::string& path) {
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&img, path.c_str())) {
        return {};
    }
    img.format = PNG_FORMAT_RGBA;
    RgbaImage out(static_cast<int>(img.width), static_cast<int>(img.height));
    if (!png_image_finish_read(&img, nullptr, out.rgba.data(), 0, nullptr)) {
        return {};
    }
    return out;
}

void Blit(const RgbaImage& src, RgbaImage& dst, int x, int y) {
    for (int j = 0; j < src.height; ++j) {
        for (int i = 0; i < src.width; ++i) {
            const int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= dst.width || ty >= dst.height) {
                continue;
            }
            const uint8_t* s = src.At(i, j);
            uint8_t* d = dst.At(tx, ty);
            for (int c = 0; c < 4; ++c) {
                d[c] = s[c];
            }
        }
    }
}
