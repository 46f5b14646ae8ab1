// LoadPixmap: reads a source and picks the decoder by the file's signature.
#include <algorithm>

#include "platform/debug_log.h"
#include "platform/picture_codecs.h"
#include "platform/stream.h"

bool PictureSizeAllowed(int width, int height, const char* format) {
    const bool allowed = width >= 1 && height >= 1 && width <= MAX_PICTURE_SIDE &&
                         height <= MAX_PICTURE_SIDE &&
                         int64_t{width} * height * 4 <= MAX_PICTURE_BYTES;
    if (!allowed) {
        DebugLog(std::string("picture: ") + format + " of unsupported size " +
                 std::to_string(width) + " x " + std::to_string(height));
    }
    return allowed;
}

bool LooksLikePng(const uint8_t* data, size_t size) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return size >= 8 && std::equal(signature, signature + 8, data);
}

bool LooksLikeJpeg(const uint8_t* data, size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool LooksLikeBmp(const uint8_t* data, size_t size) {
    return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

PixmapPtr DecodePixmap(const uint8_t* data, size_t size, bool* hasAlpha) {
    bool alpha = false;
    PixmapPtr pixmap;
    if (data == nullptr || size == 0) {
        DebugLog("picture: empty source");
    } else if (LooksLikePng(data, size)) {
        pixmap = DecodePng(data, size, alpha);
    } else if (LooksLikeJpeg(data, size)) {
        pixmap = DecodeJpeg(data, size, alpha);
    } else if (LooksLikeBmp(data, size)) {
        pixmap = DecodeBmp(data, size, alpha);
    } else {
        pixmap = DecodeTga(data, size, alpha);  // TGA has no signature
    }
    if (hasAlpha != nullptr) {
        *hasAlpha = pixmap && alpha;
    }
    return pixmap;
}

PixmapPtr LoadPixmap(TStream& stream, bool* hasAlpha) {
    const std::string bytes = ReadAll(stream);
    return DecodePixmap(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), hasAlpha);
}

PixmapPtr LoadPixmap(const std::string& path, bool* hasAlpha) {
    StreamPtr stream = ReadStream(path);
    if (!stream) {
        DebugLog("picture: cannot open " + path);
        if (hasAlpha != nullptr) {
            *hasAlpha = false;
        }
        return nullptr;
    }
    PixmapPtr pixmap = LoadPixmap(*stream, hasAlpha);
    if (!pixmap) {
        DebugLog("picture: cannot decode " + path);
    }
    return pixmap;
}
