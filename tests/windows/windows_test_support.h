#pragma once
// Helpers of the Windows tests: wide paths, a scratch user data folder with a
// non-ASCII name, and the settings writer the kill test ends.
#include <filesystem>
#include <string>

std::wstring WidePath(const std::string& utf8);

// A fresh folder below the temporary folder, named with characters outside
// ASCII, set as TESSALUNE_DATA_DIR while it lives.
class NonAsciiUserFolder {
public:
    NonAsciiUserFolder();
    ~NonAsciiUserFolder();
    NonAsciiUserFolder(const NonAsciiUserFolder&) = delete;
    NonAsciiUserFolder& operator=(const NonAsciiUserFolder&) = delete;

    // The folder as UTF-8, with a trailing "/".
    const std::string& Utf8() const { return utf8; }
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
    std::string utf8;
};

// The number of keys each stored version has.
constexpr int SETTINGS_KEYS = 60;
// Stores ever newer versions of every key, from firstVersion on, until ended.
[[noreturn]] void WriteSettingsForever(int firstVersion);
// The version every key holds, -1 unless they all hold one and the same.
int CompleteSettingsVersion();
