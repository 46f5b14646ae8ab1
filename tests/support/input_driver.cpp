#include "support/input_driver.h"

#include <filesystem>

#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/pixmap.h"
#include "platform/test_seams.h"

bool OpenTestDisplay(int hertz) {
    if (!GraphicsOpen() || GraphicsWidth() != TEST_SCREEN_WIDTH ||
        GraphicsHeight() != TEST_SCREEN_HEIGHT) {
        OpenGraphics(TEST_SCREEN_WIDTH, TEST_SCREEN_HEIGHT, 0, hertz);
    }
    return GraphicsOpen();
}

std::string TestFrameFolder() {
    return std::string(TESS_BINARY_DIR) + "/test-frames/";
}

std::string SaveTestFrame(const std::string& name) {
    std::filesystem::create_directories(TestFrameFolder());
    const std::string path = TestFrameFolder() + name + ".png";
    SaveBackBufferPNG(path);
    return path;
}

uint32_t ScreenPixel(int x, int y) {
    const PixmapPtr screen = GrabPixmap(x, y, 1, 1);
    return screen ? ReadPixel(*screen, 0, 0) & 0xFFFFFFu : 0xDEADBEEFu;
}

void ClickAt(int x, int y, const std::function<void()>& frame) {
    InjectMouseMove(x, y);
    frame();
    InjectMouseButton(LEFT_BUTTON, true);
    frame();
    InjectMouseButton(LEFT_BUTTON, false);
    frame();
}
