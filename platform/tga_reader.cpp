// TGA: true-colour pictures, raw (type 2) or run-length packed (type 10), 24 or 32 bit.
#include "platform/byte_reader.h"
#include "platform/debug_log.h"
#include "platform/picture_codecs.h"

namespace {

constexpr size_t HEADER_SIZE = 18;

struct TgaLayout {
    int width;
    int height;
    int bytesPerPixel;
    bool packed;
    bool topDown;
    bool rightToLeft;
    size_t pixelOffset;
};

bool ReadLayout(const ByteReader& in, TgaLayout& layout) {
    if (!in.Has(0, HEADER_SIZE)) {
        return false;
    }
    const uint32_t colorMapType = in.U8(1);
    const uint32_t imageType = in.U8(2);
    const uint32_t bits = in.U8(16);
    if (colorMapType > 1 || (imageType != 2 && imageType != 10) || (bits != 24 && bits != 32)) {
        return false;
    }
    const uint32_t descriptor = in.U8(17);
    const size_t colorMapBytes = colorMapType == 1 ? in.U16(5) * ((in.U8(7) + 7) / 8) : 0;
    layout.width = static_cast<int>(in.U16(12));
    layout.height = static_cast<int>(in.U16(14));
    layout.bytesPerPixel = static_cast<int>(bits / 8);
    layout.packed = imageType == 10;
    layout.topDown = (descriptor & 0x20) != 0;
    layout.rightToLeft = (descriptor & 0x10) != 0;
    layout.pixelOffset = HEADER_SIZE + in.U8(0) + colorMapBytes;
    return true;
}

// Unpacks every pixel in file order into out (BGRA); false when the data ends early.
bool ReadPixels(const ByteReader& in, const TgaLayout& layout, uint8_t* out) {
    const size_t total = static_cast<size_t>(layout.width) * layout.height;
    const size_t bpp = static_cast<size_t>(layout.bytesPerPixel);
    size_t at = layout.pixelOffset;
    size_t done = 0;
    while (done < total) {
        size_t count = 1;
        bool repeat = false;
        if (layout.packed) {
            if (!in.Has(at, 1)) {
                return false;
            }
            const uint32_t header = in.U8(at++);
            count = (header & 0x7F) + 1;
            repeat = (header & 0x80) != 0;
            if (count > total - done) {
                return false;
            }
        } else {
            count = total;
        }
        const size_t sourceBytes = repeat ? bpp : count * bpp;
        if (!in.Has(at, sourceBytes)) {
            return false;
        }
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* p = in.data + at + (repeat ? 0 : i * bpp);
            uint8_t* q = out + (done + i) * 4;
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
            q[3] = bpp == 4 ? p[3] : 255;
        }
        at += sourceBytes;
        done += count;
    }
    return true;
}

// A file too short for the size it claims fails before anything is allocated:
// raw pixels take bpp bytes each, a packet covers at most 128 pixels.
bool LongEnough(const ByteReader& in, const TgaLayout& layout) {
    const size_t total = static_cast<size_t>(layout.width) * layout.height;
    const size_t bpp = static_cast<size_t>(layout.bytesPerPixel);
    const size_t least = layout.packed ? (total + 127) / 128 * (1 + bpp) : total * bpp;
    return in.Has(layout.pixelOffset, least);
}

}  // namespace

PixmapPtr DecodeTga(const uint8_t* data, size_t size, bool& hasAlpha) {
    const ByteReader in{data, size};
    TgaLayout layout{};
    if (!ReadLayout(in, layout)) {
        DebugLog("picture: unknown picture format");
        return nullptr;
    }
    if (!PictureSizeAllowed(layout.width, layout.height, "TGA")) {
        return nullptr;
    }
    if (!LongEnough(in, layout)) {
        DebugLog("picture: bad TGA: data ends early");
        return nullptr;
    }
    PixmapPtr raw = CreatePixmap(layout.width, layout.height, PF_BGRA8888);
    if (!ReadPixels(in, layout, raw->pixels.data())) {
        DebugLog("picture: bad TGA: data ends early");
        return nullptr;
    }
    PixmapPtr pixmap = CreatePixmap(layout.width, layout.height, PF_BGRA8888);
    bool anyAlpha = false;
    for (int y = 0; y < layout.height; ++y) {
        const uint8_t* source = raw->Row(layout.topDown ? y : layout.height - 1 - y);
        uint8_t* target = pixmap->Row(y);
        for (int x = 0; x < layout.width; ++x) {
            const int sx = layout.rightToLeft ? layout.width - 1 - x : x;
            for (int c = 0; c < 4; ++c) {
                target[x * 4 + c] = source[sx * 4 + c];
            }
            anyAlpha = anyAlpha || target[x * 4 + 3] != 0;
        }
    }
    hasAlpha = layout.bytesPerPixel == 4 && anyAlpha;
    if (layout.bytesPerPixel == 4 && !anyAlpha) {
        // A 32-bit file whose alpha is all zero keeps no alpha at all.
        for (int y = 0; y < layout.height; ++y) {
            for (int x = 0; x < layout.width; ++x) {
                pixmap->Row(y)[x * 4 + 3] = 255;
            }
        }
    }
    return pixmap;
}
