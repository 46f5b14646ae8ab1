// BMP: 24- and 32-bit pictures, bottom-up or top-down, plain or with bit masks.
#include <bit>

#include "platform/byte_reader.h"
#include "platform/debug_log.h"
#include "platform/picture_codecs.h"

namespace {

constexpr uint32_t PLAIN_RGB = 0;
constexpr uint32_t BIT_FIELDS = 3;

// One colour channel of a 32-bit pixel, by its mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static Channel FromMask(uint32_t mask) {
        Channel channel;
        channel.mask = mask;
        if (mask != 0) {
            channel.shift = std::countr_zero(mask);
            channel.bits = std::popcount(mask);
        }
        return channel;
    }
    uint8_t Extract(uint32_t pixel, uint8_t absent) const {
        if (mask == 0) {
            return absent;
        }
        const uint32_t value = (pixel & mask) >> shift;
        if (bits >= 24) {
            return static_cast<uint8_t>(value >> (bits - 8));
        }
        const uint32_t top = (uint32_t{1} << bits) - 1;
        return static_cast<uint8_t>(value * 255 / top);
    }
};

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    size_t pixelOffset = 0;
    size_t rowBytes = 0;
    Channel red, green, blue, alpha;
};

bool ReadMasks(const ByteReader& in, uint32_t headerSize, uint32_t compression, BmpLayout& layout) {
    if (layout.bits == 24 || compression == PLAIN_RGB) {
        layout.red = Channel::FromMask(0x00FF0000u);
        layout.green = Channel::FromMask(0x0000FF00u);
        layout.blue = Channel::FromMask(0x000000FFu);
        layout.alpha = Channel::FromMask(layout.bits == 32 ? 0xFF000000u : 0);
        return true;
    }
    // The masks follow a 40-byte header, or sit inside a larger one.
    const size_t at = 14 + 40;
    if (!in.Has(at, 12)) {
        return false;
    }
    layout.red = Channel::FromMask(in.U32(at));
    layout.green = Channel::FromMask(in.U32(at + 4));
    layout.blue = Channel::FromMask(in.U32(at + 8));
    layout.alpha = Channel::FromMask(headerSize >= 56 ? in.U32(at + 12) : 0);
    return layout.red.mask != 0 && layout.green.mask != 0 && layout.blue.mask != 0;
}

bool ReadLayout(const ByteReader& in, BmpLayout& layout) {
    if (!in.Has(0, 14 + 40)) {
        return false;
    }
    const uint32_t headerSize = in.U32(14);
    const int32_t height = in.S32(22);
    const uint32_t compression = in.U32(30);
    layout.width = in.S32(18);
    layout.topDown = height < 0;
    layout.height = height == INT32_MIN ? 0 : (height < 0 ? -height : height);
    layout.bits = static_cast<int>(in.U16(28));
    layout.pixelOffset = in.U32(10);
    if (headerSize < 40 || (layout.bits != 24 && layout.bits != 32)) {
        return false;
    }
    if (compression != PLAIN_RGB && !(compression == BIT_FIELDS && layout.bits == 32)) {
        return false;
    }
    layout.rowBytes =
        (static_cast<size_t>(layout.width > 0 ? layout.width : 0) * (layout.bits / 8) + 3) &
        ~size_t{3};
    return ReadMasks(in, headerSize, compression, layout);
}

}  // namespace

PixmapPtr DecodeBmp(const uint8_t* data, size_t size, bool& hasAlpha) {
    const ByteReader in{data, size};
    BmpLayout layout;
    if (!ReadLayout(in, layout)) {
        DebugLog("picture: bad BMP: unsupported header");
        return nullptr;
    }
    if (!PictureSizeAllowed(layout.width, layout.height, "BMP")) {
        return nullptr;
    }
    if (!in.Has(layout.pixelOffset, layout.rowBytes * static_cast<size_t>(layout.height))) {
        DebugLog("picture: bad BMP: data ends early");
        return nullptr;
    }
    PixmapPtr pixmap = CreatePixmap(layout.width, layout.height, PF_BGRA8888);
    const size_t step = static_cast<size_t>(layout.bits / 8);
    bool anyAlpha = false;
    for (int y = 0; y < layout.height; ++y) {
        const int row = layout.topDown ? y : layout.height - 1 - y;
        const uint8_t* source =
            data + layout.pixelOffset + layout.rowBytes * static_cast<size_t>(row);
        uint8_t* target = pixmap->Row(y);
        for (int x = 0; x < layout.width; ++x, source += step, target += 4) {
            const uint32_t pixel = source[0] | (source[1] << 8) | (source[2] << 16) |
                                   (step == 4 ? static_cast<uint32_t>(source[3]) << 24 : 0u);
            target[0] = layout.blue.Extract(pixel, 0);
            target[1] = layout.green.Extract(pixel, 0);
            target[2] = layout.red.Extract(pixel, 0);
            target[3] = layout.alpha.Extract(pixel, 255);
            anyAlpha = anyAlpha || (layout.alpha.mask != 0 && target[3] != 0);
        }
    }
    hasAlpha = layout.alpha.mask != 0 && anyAlpha;
    if (layout.alpha.mask != 0 && !anyAlpha) {
        // The fourth byte of most 32-bit files is padding: all zero means opaque.
        for (int y = 0; y < layout.height; ++y) {
            for (int x = 0; x < layout.width; ++x) {
                pixmap->Row(y)[x * 4 + 3] = 255;
            }
        }
    }
    return pixmap;
}
