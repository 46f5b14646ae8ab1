#pragma once
// Images: drawable pictures with frames and a handle. An image keeps its source
// pixels, so it survives the graphics context being closed and opened again.
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.h"

constexpr int IMG_MASKED = 1;
constexpr int IMG_FILTERED = 2;
constexpr int IMG_MIPMAPPED = 4;
constexpr int IMG_DYNAMIC = 8;
constexpr int IMG_DEFAULT = -1;  // masked + filtered

struct ImageTexture;  // renderer-side data of one frame

struct TImage {
    int width = 0;
    int height = 0;
    float handle_x = 0.0f;
    float handle_y = 0.0f;
    int flags = 0;
    std::vector<PixmapPtr> frames;                        // PF_BGRA8888, one per frame
    std::vector<std::shared_ptr<ImageTexture>> textures;  // made by the renderer on use

    TImage() = default;
    TImage(const TImage&) = delete;
    TImage& operator=(const TImage&) = delete;
};
using ImagePtr = std::shared_ptr<TImage>;

// Null when the source cannot be read or decoded. The handle starts at 0,0.
// Masked images whose source has no alpha turn pure black transparent.
ImagePtr LoadImage(const std::string& path, int flags);
ImagePtr LoadImage(TStream& stream, int flags);
ImagePtr LoadImage(const PixmapPtr& pixmap, int flags);
ImagePtr CreateImage(int width, int height, int frames, int flags);

// The pixmap of a frame, to read and rewrite; UnlockImage makes the change show.
PixmapPtr LockImage(const ImagePtr& image, int frame = 0, bool read = true, bool write = true);
void UnlockImage(const ImagePtr& image, int frame = 0);
void SetImageHandle(const ImagePtr& image, float x, float y);
