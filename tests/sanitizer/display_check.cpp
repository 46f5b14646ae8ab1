// The platform layer under LeakSanitizer: a window with its GL context opened
// twice, pictures drawn and grabbed, a sound played on the mixer, everything
// closed. Run with tests/sanitizer/lsan.supp, only Mesa's own leaks are
// forgiven; a leak of ours fails the run.
#include <cstdio>

#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/pixmap.h"

namespace {

bool DrawSomeFrames() {
    if (!OpenGraphics(320, 240, 0, 0)) {
        std::fprintf(stderr, "display_check: cannot open the display\n");
        return false;
    }
    PixmapPtr pixmap = CreatePixmap(64, 32, PF_BGRA8888);
    ClearPixels(*pixmap, 0x80ff8040u);
    ImagePtr image = LoadImage(pixmap, IMG_DEFAULT);
    ImagePtr grabbed = CreateImage(32, 32, 1, IMG_DEFAULT);
    for (int frame = 0; frame < 10; ++frame) {
        Cls();
        SetRotation(static_cast<float>(frame * 10));
        DrawImage(image, 100.0f, 100.0f);
        DrawRect(10.0f, 10.0f, 50.0f, 20.0f);
        DrawLine(0.0f, 0.0f, 319.0f, 239.0f);
        GrabImage(grabbed, 0, 0);
        Flip();
    }
    CloseGraphics();
    return true;
}

}  // namespace

int main() {
    // Twice: images and textures must survive the context going away.
    if (!DrawSomeFrames() || !DrawSomeFrames()) {
        return 1;
    }
    auto sound = std::make_shared<TSound>();
    sound->samples.assign(4410 * 2, 1000);
    ChannelPtr channel = PlaySound(sound);
    int16_t out[512];
    MixAudio(out, 256);
    Stop(channel);
    CloseAudio();
    std::printf("display_check: drawn, grabbed, played and closed\n");
    return 0;
}
