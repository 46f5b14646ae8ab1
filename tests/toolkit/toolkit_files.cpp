#include "toolkit/toolkit_files.h"

#include <filesystem>

#include "platform/pixmap.h"
#include "support/scratch_folder.h"

namespace toolkit_test {

std::string ScratchDir(const std::string& name) {
    // One scratch folder of the process, removed at its end (tests/support).
    static const ScratchFolder folder("toolkit");
    const std::filesystem::path dir = folder.Path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

void WriteFile(const std::string& path, const std::string& bytes) {
    WriteFileBytes(path, bytes);
}

void WritePng(const std::string& path, int width, int height, uint32_t argb) {
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    ClearPixels(*pixmap, argb);
    SavePixmapPNG(*pixmap, path);
}

}  // namespace toolkit_test
