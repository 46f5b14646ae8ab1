// Images on the CPU side: their pixels, frames, flags and handle. Textures are
// made from the pixels by the renderer when an image is first drawn.
#include "platform/image.h"

#include "platform/debug_log.h"
#include "platform/stream.h"

namespace {

int NormalizeFlags(int flags) {
    return flags == IMG_DEFAULT ? IMG_MASKED | IMG_FILTERED : flags;
}

// Pure black becomes transparent, everything else opaque.
void ApplyMask(TPixmap& pixmap) {
    for (int y = 0; y < pixmap.height; ++y) {
        uint8_t* p = pixmap.Row(y);
        for (int x = 0; x < pixmap.width; ++x, p += 4) {
            p[3] = (p[0] | p[1] | p[2]) == 0 ? 0 : 255;
        }
    }
}

PixmapPtr ToBgra(const TPixmap& source) {
    if (source.format == PF_BGRA8888) {
        return CopyPixmap(source);
    }
    PixmapPtr pixmap = CreatePixmap(source.width, source.height, PF_BGRA8888);
    if (pixmap) {
        for (int y = 0; y < source.height; ++y) {
            for (int x = 0; x < source.width; ++x) {
                WritePixel(*pixmap, x, y, ReadPixel(source, x, y));
            }
        }
    }
    return pixmap;
}

ImagePtr MakeImage(PixmapPtr pixels, bool sourceHasAlpha, int flags) {
    auto image = std::make_shared<TImage>();
    image->flags = NormalizeFlags(flags);
    image->width = pixels->width;
    image->height = pixels->height;
    if ((image->flags & IMG_MASKED) != 0 && !sourceHasAlpha) {
        ApplyMask(*pixels);
    }
    image->frames.push_back(std::move(pixels));
    image->textures.resize(1);
    return image;
}

bool ValidFrame(const ImagePtr& image, int frame) {
    return image && frame >= 0 && frame < static_cast<int>(image->frames.size());
}

}  // namespace

ImagePtr LoadImage(const std::string& path, int flags) {
    bool hasAlpha = false;
    PixmapPtr pixels = LoadPixmap(path, &hasAlpha);
    return pixels ? MakeImage(std::move(pixels), hasAlpha, flags) : nullptr;
}

ImagePtr LoadImage(TStream& stream, int flags) {
    bool hasAlpha = false;
    PixmapPtr pixels = LoadPixmap(stream, &hasAlpha);
    return pixels ? MakeImage(std::move(pixels), hasAlpha, flags) : nullptr;
}

ImagePtr LoadImage(const PixmapPtr& pixmap, int flags) {
    if (!pixmap || pixmap->width < 1 || pixmap->height < 1) {
        return nullptr;
    }
    PixmapPtr pixels = ToBgra(*pixmap);
    if (!pixels) {
        return nullptr;
    }
    const bool hasAlpha = pixmap->format == PF_A8 || CarriesAlpha(*pixels);
    return MakeImage(std::move(pixels), hasAlpha, flags);
}

ImagePtr CreateImage(int width, int height, int frames, int flags) {
    if (frames < 1) {
        frames = 1;
    }
    PixmapPtr first = CreatePixmap(width, height, PF_BGRA8888);
    if (!first) {
        DebugLog("image: cannot create an image of " + std::to_string(width) + " x " +
                 std::to_string(height));
        return nullptr;
    }
    auto image = std::make_shared<TImage>();
    image->flags = NormalizeFlags(flags);
    image->width = width;
    image->height = height;
    image->frames.push_back(first);
    for (int i = 1; i < frames; ++i) {
        image->frames.push_back(CopyPixmap(*first));
    }
    image->textures.resize(image->frames.size());
    return image;
}

PixmapPtr LockImage(const ImagePtr& image, int frame, bool, bool) {
    return ValidFrame(image, frame) ? image->frames[frame] : nullptr;
}

void UnlockImage(const ImagePtr& image, int frame) {
    if (ValidFrame(image, frame) && frame < static_cast<int>(image->textures.size())) {
        image->textures[frame].reset();  // made again from the pixels on the next draw
    }
}

void SetImageHandle(const ImagePtr& image, float x, float y) {
    if (image) {
        image->handle_x = x;
        image->handle_y = y;
    }
}
