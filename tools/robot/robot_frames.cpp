// What the robot sees of its frames: signatures of the measured screens,
// saved or checked against the ones kept with the tests, and the frame rate
// of a level played in a real window.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/app_module.h"
#include "board/game_grid.h"
#include "board/level_data.h"
#include "platform/pixmap.h"
#include "platform/test_seams.h"
#include "screens/game_screen.h"
#include "tools/robot/robot.h"

namespace {

constexpr int BLOCK = 4;      // a signature pixel is the mean of BLOCK x BLOCK pixels
constexpr int TOLERANCE = 1;  // per channel of a block's mean
constexpr int WINDOW_HERTZ = 60;
constexpr int HOVER_FRAMES = 20;  // the mouse moves on to the next cell this often

std::string FileNameOf(const std::string& screen) {
    std::string file;
    for (char c : screen) {
        file += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return file + ".png";
}

// Each channel of each block's mean, rounded: a missing, moved or recoloured
// picture changes it, a rounding step in a single pixel does not.
PixmapPtr Signature(const TPixmap& frame) {
    PixmapPtr signature = CreatePixmap(frame.width / BLOCK, frame.height / BLOCK, PF_BGRA8888);
    if (!signature) {
        return nullptr;
    }
    for (int by = 0; by < signature->height; ++by) {
        for (int bx = 0; bx < signature->width; ++bx) {
            int sums[3] = {0, 0, 0};
            for (int y = 0; y < BLOCK; ++y) {
                for (int x = 0; x < BLOCK; ++x) {
                    const uint32_t pixel = ReadPixel(frame, bx * BLOCK + x, by * BLOCK + y);
                    for (int c = 0; c < 3; ++c) {
                        sums[c] += static_cast<int>((pixel >> (8 * c)) & 0xFF);
                    }
                }
            }
            uint32_t mean = 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                const int n = BLOCK * BLOCK;
                mean |= static_cast<uint32_t>((sums[c] + n / 2) / n) << (8 * c);
            }
            WritePixel(*signature, bx, by, mean);
        }
    }
    return signature;
}

int DifferingBlocks(const TPixmap& seen, const TPixmap& reference) {
    if (seen.width != reference.width || seen.height != reference.height) {
        return seen.width * seen.height;
    }
    int differing = 0;
    for (int y = 0; y < seen.height; ++y) {
        for (int x = 0; x < seen.width; ++x) {
            const uint32_t a = ReadPixel(seen, x, y);
            const uint32_t b = ReadPixel(reference, x, y);
            for (int c = 0; c < 3; ++c) {
                const int da = static_cast<int>((a >> (8 * c)) & 0xFF);
                const int db = static_cast<int>((b >> (8 * c)) & 0xFF);
                if (std::abs(da - db) > TOLERANCE) {
                    ++differing;
                    break;
                }
            }
        }
    }
    return differing;
}

}  // namespace

void Robot::CheckFrame(const std::string& screen) {
    const PixmapPtr frame = ReadBackBuffer();
    const PixmapPtr signature = frame ? Signature(*frame) : nullptr;
    if (!signature) {
        Fail("no frame to read on " + screen);
    }
    const std::string file = FileNameOf(screen);
    if (!runOptions.frameFolder.empty()) {
        std::filesystem::create_directories(runOptions.frameFolder);
        SavePixmapPNG(*signature, runOptions.frameFolder + "/" + file);
        SavePixmapPNG(*frame, runOptions.frameFolder + "/full-" + file);
    }
    if (runOptions.frameReference.empty()) {
        return;
    }
    const PixmapPtr reference = LoadPixmap(runOptions.frameReference + "/" + file);
    if (!reference) {
        Fail("no reference frame " + runOptions.frameReference + "/" + file);
    }
    const int differing = DifferingBlocks(*signature, *reference);
    Log("frame of " + screen + ": " + std::to_string(differing) + " blocks differ");
    if (differing > 0) {
        Fail("the frame of " + screen + " differs from its reference in " +
             std::to_string(differing) + " of " +
             std::to_string(signature->width * signature->height) + " blocks");
    }
}

void Robot::MeasureWindow() {
    using Clock = std::chrono::steady_clock;
    const gameGrid& grid = *Game()->playGrid;
    const Clock::duration period = std::chrono::microseconds(1000000 / WINDOW_HERTZ);
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(runOptions.windowSeconds);
    Clock::time_point last = start;
    Clock::time_point due = start;
    double worstMs = 0;
    int frames = 0;
    while (Clock::now() < end && _AppModule::currentModule == APP_GAME) {
        if (frames % HOVER_FRAMES == 0) {
            const int cell = frames / HOVER_FRAMES;
            InjectMouseMove(grid._cellCentreX(cell % LEVEL_COLUMNS),
                            grid._cellCentreY((cell / LEVEL_COLUMNS) % LEVEL_ROWS));
        }
        Step(true);
        const Clock::time_point now = Clock::now();
        worstMs = std::max(worstMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        ++frames;
        due += period;
        if (due > now) {
            std::this_thread::sleep_until(due);
        } else {
            due = now;  // a late frame restarts the pace, as Flip does
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    windowFigure = {frames / seconds, worstMs};
    Log("window: " + std::to_string(frames) + " frames in " + std::to_string(seconds) + " s");
}
