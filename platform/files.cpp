#include "platform/files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

bool CreateDir(const std::string& path, bool withParents) {
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return true;
    }
    if (withParents) {
        fs::create_directories(path, error);
    } else {
        fs::create_directory(path, error);
    }
    return fs::is_directory(path, error);
}

bool CreateEmptyFile(const std::string& path) {
    std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(path, error);
}

bool DeleteFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(path, error) && fs::remove(path, error);
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

std::string ExtractDir(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> ListDir(const std::string& path) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
