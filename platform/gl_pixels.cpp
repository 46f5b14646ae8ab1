// BGRA pixels in and out of OpenGL. Where the context takes only RGBA (the
// browser's), red and blue swap on the way.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gl_calls.h"

namespace {

constexpr bool SWAP_RED_BLUE = GL_TARGET.pixelFormat == GL_RGBA;

void SwapRedBlue(uint8_t* pixels, int width, int height) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i) {
        std::swap(pixels[i * 4], pixels[i * 4 + 2]);
    }
}

}  // namespace

void UploadBgraTexture(int width, int height, const void* bgra) {
    std::vector<uint8_t> swapped;
    if (SWAP_RED_BLUE && bgra != nullptr) {
        const auto* bytes = static_cast<const uint8_t*>(bgra);
        swapped.assign(bytes, bytes + static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
        SwapRedBlue(swapped.data(), width, height);
        bgra = swapped.data();
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_TARGET.pixelFormat,
                 GL_UNSIGNED_BYTE, bgra);
}

void ReadBgraPixels(int x, int y, int width, int height, void* bgra) {
    glReadPixels(x, y, width, height, GL_TARGET.pixelFormat, GL_UNSIGNED_BYTE, bgra);
    if (SWAP_RED_BLUE) {
        SwapRedBlue(static_cast<uint8_t*>(bgra), width, height);
    }
}
