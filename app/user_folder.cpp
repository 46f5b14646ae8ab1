#include "app/user_folder.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/system.h"

namespace {

std::string& FolderName() {
    static std::string name = "Tessalune/";
    return name;
}

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/' && path.back() != '\\') {
        path.push_back('/');
    }
    return path;
}

bool WriteAndFlush(const std::string& path, const std::string& bytes) {
    StreamPtr stream = WriteStream(path);
    if (!stream) {
        return false;
    }
    const int size = static_cast<int>(bytes.size());
    bool ok = size == 0 || stream->Write(bytes.data(), size) == size;
    ok = stream->Flush() && ok;
    CloseStream(stream);
    return ok && FlushFileToDisk(path);
}

}  // namespace

void SetUserFolderName(const std::string& folder) {
    FolderName() = folder;
    SetDebugLogFolder(SettingsFolder(folder));
}

const std::string& GetUserFolderName() {
    return FolderName();
}

std::string GetSpecialFolder(int id) {
    if (id != SPECIAL_FOLDER_COMMON_APPDATA) {
        return "";
    }
    return CommonAppDataFolder();
}

std::string SettingsFolder(const std::string& folder) {
    if (folder.empty()) {
        return "";
    }
    const char* replaced = std::getenv("TESSALUNE_DATA_DIR");
    if (replaced != nullptr && replaced[0] != '\0') {
        return WithSlash(replaced);
    }
    return GetSpecialFolder(SPECIAL_FOLDER_COMMON_APPDATA) + folder;
}

bool PrepareSettingsFolder(const std::string& folder) {
    const std::string base = SettingsFolder(folder);
    if (base.empty() || DirectoryExists(base)) {
        return true;
    }
    if (!CreateDir(base, true)) {
        return false;
    }
    GrantUsersFullAccess(base);
    return true;
}

StreamPtr OpenSettingsFile(const std::string& folder, const std::string& file) {
    StreamPtr stream = ReadStream(SettingsFolder(folder) + file);
    return stream ? stream : ReadStream(file);
}

StreamPtr CreateSettingsFile(const std::string& folder, const std::string& file) {
    if (!PrepareSettingsFolder(folder)) {
        return nullptr;
    }
    return WriteStream(SettingsFolder(folder) + file);
}

bool ReplaceFileSafely(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    if (!WriteAndFlush(temporary, bytes) || !ReplaceFileWith(temporary, path)) {
        DeleteFile(temporary);
        return false;
    }
    return true;
}
