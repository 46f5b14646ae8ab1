#include "support/scratch_folder.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {
std::atomic<int> scratchCounter{0};
}  // namespace

ScratchFolder::ScratchFolder(const std::string& tag) {
    root = std::filesystem::temp_directory_path() /
           ("tessalune-" + tag + "-" + std::to_string(getpid()) + "-" +
            std::to_string(scratchCounter++));
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    std::filesystem::create_directories(root);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string ScratchFolder::File(const std::string& name) const {
    return (root / name).string();
}

std::string ScratchFolder::Write(const std::string& relative, const std::string& text) const {
    const std::filesystem::path path = root / relative;
    std::filesystem::create_directories(path.parent_path());
    WriteFileBytes(path.string(), text);
    return path.string();
}

void ScratchFolder::Empty() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(root, ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

ScratchUserFolder::ScratchUserFolder() : ScratchFolder("userdata") {
    const char* old = std::getenv("TESSALUNE_DATA_DIR");
    hadOld = old != nullptr;
    if (hadOld) {
        oldValue = old;
    }
    setenv("TESSALUNE_DATA_DIR", Path().c_str(), 1);
}

ScratchUserFolder::~ScratchUserFolder() {
    if (hadOld) {
        setenv("TESSALUNE_DATA_DIR", oldValue.c_str(), 1);
    } else {
        unsetenv("TESSALUNE_DATA_DIR");
    }
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
