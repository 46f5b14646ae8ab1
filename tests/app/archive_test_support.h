#pragma once
// Helpers for the archive, settings and profile tests: a scratch folder that
// stands in for the user data folder, and zip archives built on the spot.
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace archive_test {

// A fresh folder, used as TESSALUNE_DATA_DIR while the object lives.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tess-archive-XXXXXX").string();
        path = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
        const char* old = std::getenv("TESSALUNE_DATA_DIR");
        hadOld = old != nullptr;
        if (hadOld) {
            oldValue = old;
        }
        setenv("TESSALUNE_DATA_DIR", path.c_str(), 1);
    }
    ~ScratchFolder() {
        if (hadOld) {
            setenv("TESSALUNE_DATA_DIR", oldValue.c_str(), 1);
        } else {
            unsetenv("TESSALUNE_DATA_DIR");
        }
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return path + "/" + name; }

    std::string path;

private:
    bool hadOld = false;
    std::string oldValue;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

using ZipEntries = std::vector<std::pair<std::string, std::string>>;

// A zip archive (deflated entries) with the given names and contents.
inline std::string BuildZip(const std::string& scratchFile, const ZipEntries& entries) {
    int error = 0;
    zip_t* archive = zip_open(scratchFile.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& [name, content] : entries) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_RAW);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0);
    }
    zip_close(archive);
    std::string bytes = ReadBytes(scratchFile);
    std::filesystem::remove(scratchFile);
    return bytes;
}

}  // namespace archive_test
