// The settings store: any app.dat (plain, scrambled or mixed) reads into a
// bounded table, and what the store writes back reads the same.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/settings.h"
#include "fuzz/fuzz_support.h"

namespace {

const std::filesystem::path& UserFolder() {
    static const std::filesystem::path folder = [] {
        const char* shm = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::filesystem::path path =
            std::filesystem::path(shm) / ("tess-fuzz-settings-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        setenv("TESSALUNE_DATA_DIR", path.c_str(), 1);
        // Removed at exit; the path outlives the statics destroyed before.
        static const std::string* const leftover = new std::string(path.string());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*leftover, ignored);
        });
        return path;
    }();
    return folder;
}

void WriteStoreFile(const uint8_t* data, size_t size) {
    std::ofstream out(AppConstantsManager::FilePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    UserFolder();
    // The first byte picks whether the store writes scrambled.
    const bool scrambled = size > 0 && (data[0] & 1) != 0;
    WriteStoreFile(data, size);
    AppConstantsManager::SetScrambling(scrambled);
    ResetAppSettings();
    const std::map<std::string, std::string> first = AppSettings().Constants();
    size_t bytes = 0;
    for (const auto& [key, value] : first) {
        FUZZ_CHECK(!key.empty());
        bytes += key.size() + value.size();
    }
    FUZZ_CHECK(bytes <= size);

    // Written and read again, every entry that can be stored comes back.
    AppSettings().WriteConstants();
    ResetAppSettings();
    const std::map<std::string, std::string>& second = AppSettings().Constants();
    for (const auto& [key, value] : second) {
        const auto found = first.find(key);
        FUZZ_CHECK(found != first.end());
        FUZZ_CHECK(found->second == value);
    }

    // A value taken from the input is stored and read back unchanged.
    std::string value = FuzzText(data, std::min<size_t>(size, 48));
    value.erase(std::remove_if(value.begin(), value.end(),
                               [](char c) { return c == '\r' || c == '\n' || c == '\0'; }),
                value.end());
    AppSettings().AddConstant("fuzz_value", value, 0);
    ResetAppSettings();
    FUZZ_CHECK(AppSettings().GetConstantValue("fuzz_value", "", 0) == value);
    ResetAppSettings();
    AppConstantsManager::SetScrambling(false);
    return 0;
}
