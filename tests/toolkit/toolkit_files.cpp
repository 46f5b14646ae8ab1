#include "toolkit/toolkit_files.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/pixmap.h"

namespace toolkit_test {

std::string ScratchDir(const std::string& name) {
    // One folder per process: ctest runs test cases side by side.
    const std::filesystem::path dir =
        std::filesystem::path(TESS_BINARY_DIR) / "test-toolkit" / std::to_string(getpid()) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WritePng(const std::string& path, int width, int height, uint32_t argb) {
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    ClearPixels(*pixmap, argb);
    SavePixmapPNG(*pixmap, path);
}

}  // namespace toolkit_test
