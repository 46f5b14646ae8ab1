#pragma once
// The picture decoders behind LoadPixmap. Each returns a PF_BGRA8888 pixmap or
// null (after a debug-log line) and tells whether the source carried alpha.
#include <cstddef>
#include <cstdint>

#include "platform/pixmap.h"

constexpr int MAX_PICTURE_SIDE = 16384;
constexpr int64_t MAX_PICTURE_BYTES = int64_t{256} << 20;

// True when a width x height picture may be decoded; logs the refusal otherwise.
bool PictureSizeAllowed(int width, int height, const char* format);

PixmapPtr DecodePng(const uint8_t* data, size_t size, bool& hasAlpha);
PixmapPtr DecodeJpeg(const uint8_t* data, size_t size, bool& hasAlpha);
PixmapPtr DecodeTga(const uint8_t* data, size_t size, bool& hasAlpha);
PixmapPtr DecodeBmp(const uint8_t* data, size_t size, bool& hasAlpha);

bool LooksLikePng(const uint8_t* data, size_t size);
bool LooksLikeJpeg(const uint8_t* data, size_t size);
bool LooksLikeBmp(const uint8_t* data, size_t size);
