#include "platform/files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/system.h"

namespace fs = std::filesystem;

namespace {

std::string Utf8Text(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

fs::path FsPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

bool CreateDir(const std::string& path, bool withParents) {
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    if (fs::is_directory(FsPath(path), error)) {
        return true;
    }
    if (withParents) {
        fs::create_directories(FsPath(path), error);
    } else {
        fs::create_directory(FsPath(path), error);
    }
    return fs::is_directory(FsPath(path), error);
}

bool CreateEmptyFile(const std::string& path) {
    std::FILE* file = path.empty() ? nullptr : OpenFile(path, "wb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(FsPath(path), error);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(FsPath(path), error);
}

bool DeleteFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(FsPath(path), error) &&
           fs::remove(FsPath(path), error);
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(FsPath(from), FsPath(to), error);
    return !error;
}

std::string ExtractDir(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> ListDir(const std::string& path) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(FsPath(path), error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(Utf8Text(it->path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}
