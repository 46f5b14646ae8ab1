#include "app/user_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/files.h"

namespace {

std::string& FolderName() {
    static std::string name = "Tessalune/";
    return name;
}

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

std::string EnvText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// fsync of a file or directory by path; false when it cannot be opened or synced.
bool SyncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool WriteAndSync(const std::string& path, const std::string& bytes) {
    StreamPtr stream = WriteStream(path);
    if (!stream) {
        return false;
    }
    const int size = static_cast<int>(bytes.size());
    bool ok = size == 0 || stream->Write(bytes.data(), size) == size;
    ok = stream->Flush() && ok;
    CloseStream(stream);
    return ok && SyncPath(path, O_RDONLY);
}

}  // namespace

void SetUserFolderName(const std::string& folder) {
    FolderName() = folder;
}

const std::string& GetUserFolderName() {
    return FolderName();
}

std::string GetSpecialFolder(int id) {
    if (id != SPECIAL_FOLDER_COMMON_APPDATA) {
        return "";
    }
    const std::string xdg = EnvText("XDG_DATA_HOME");
    if (!xdg.empty()) {
        return WithSlash(xdg);
    }
    const std::string home = EnvText("HOME");
    return home.empty() ? "" : WithSlash(home) + ".local/share/";
}

std::string SettingsFolder(const std::string& folder) {
    if (folder.empty()) {
        return "";
    }
    const std::string replaced = EnvText("TESSALUNE_DATA_DIR");
    if (!replaced.empty()) {
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

bool GrantUsersFullAccess(const std::string&) {
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
    if (!WriteAndSync(temporary, bytes) || !RenameFile(temporary, path)) {
        DeleteFile(temporary);
        return false;
    }
    const std::string dir = ExtractDir(path);
    SyncPath(dir.empty() ? "." : dir, O_RDONLY | O_DIRECTORY);
    return true;
}
