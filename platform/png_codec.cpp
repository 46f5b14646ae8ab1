// PNG through libpng's simplified API (it catches libpng's errors itself).
#include <png.h>

#include <cstring>

#include "platform/debug_log.h"
#include "platform/picture_codecs.h"

PixmapPtr DecodePng(const uint8_t* data, size_t size, bool& hasAlpha) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, data, size) == 0) {
        DebugLog(std::string("picture: bad PNG: ") + image.message);
        return nullptr;
    }
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    if (!PictureSizeAllowed(width, height, "PNG")) {
        png_image_free(&image);
        return nullptr;
    }
    hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA;
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    if (png_image_finish_read(&image, nullptr, pixmap->pixels.data(), pixmap->pitch, nullptr) ==
        0) {
        DebugLog(std::string("picture: bad PNG: ") + image.message);
        png_image_free(&image);
        return nullptr;
    }
    png_image_free(&image);
    return pixmap;
}

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path) {
    if (pixmap.width < 1 || pixmap.height < 1 ||
        (pixmap.format != PF_BGRA8888 && pixmap.format != PF_A8)) {
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixmap.width);
    image.height = static_cast<png_uint_32>(pixmap.height);
    image.format = pixmap.format == PF_A8 ? PNG_FORMAT_GRAY : PNG_FORMAT_BGRA;
    const int stride = pixmap.pitch;  // counted in 8-bit components
    const int ok =
        png_image_write_to_file(&image, path.c_str(), 0, pixmap.pixels.data(), stride, nullptr);
    if (ok == 0) {
        DebugLog("picture: cannot write PNG " + path + ": " + image.message);
    }
    return ok != 0;
}
