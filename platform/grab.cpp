// Copies of the back buffer: into images, pixmaps and PNG files.
#include <algorithm>

#include "platform/graphics.h"
#include "platform/render_backend.h"
#include "platform/test_seams.h"

namespace {

// Copies the back-buffer rectangle at (x, y) into target; parts outside the
// screen are left as they are.
void CopyScreenRect(int x, int y, TPixmap& target) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + target.width, GraphicsWidth());
    const int bottom = std::min(y + target.height, GraphicsHeight());
    if (right <= left || bottom <= top || target.format != PF_BGRA8888) {
        return;
    }
    uint8_t* origin = target.Row(top - y) + static_cast<size_t>(left - x) * 4;
    ReadBackBufferRows(left, top, right - left, bottom - top, origin, target.pitch);
}

}  // namespace

void GrabImage(const ImagePtr& image, int x, int y) {
    if (!image || image->frames.empty() || !image->frames[0] || !RendererReady()) {
        return;
    }
    CopyScreenRect(x, y, *image->frames[0]);
    UnlockImage(image, 0);
}

PixmapPtr GrabPixmap(int x, int y, int width, int height) {
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    if (pixmap && RendererReady()) {
        CopyScreenRect(x, y, *pixmap);
    }
    return pixmap;
}

PixmapPtr ReadBackBuffer() {
    if (!RendererReady()) {
        return nullptr;
    }
    return GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
}

bool SaveBackBufferPNG(const std::string& path) {
    const PixmapPtr pixmap = ReadBackBuffer();
    return pixmap && SavePixmapPNG(*pixmap, path);
}
