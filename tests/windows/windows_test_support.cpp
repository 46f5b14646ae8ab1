#include "windows_test_support.h"

#include <windows.h>

#include <cstdlib>

#include "app/settings.h"
#include "platform/system.h"

std::wstring WidePath(const std::string& utf8) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

NonAsciiUserFolder::NonAsciiUserFolder() {
    path = std::filesystem::temp_directory_path() /
           (u8"Tessalune-Spielstände-日本-" +
            std::u8string(reinterpret_cast<const char8_t*>(std::to_string(ProcessId()).c_str())));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    const std::u8string text = path.u8string() + u8"/";
    utf8.assign(text.begin(), text.end());
    SetEnvValue("TESSALUNE_DATA_DIR", utf8);
}

NonAsciiUserFolder::~NonAsciiUserFolder() {
    _putenv_s("TESSALUNE_DATA_DIR", "");
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

namespace {

void FillVersion(AppConstantsManager& store, int version) {
    for (int i = 0; i < SETTINGS_KEYS; ++i) {
        store.SetConstantValue("key" + std::to_string(i), "version " + std::to_string(version), 1);
    }
}

}  // namespace

void WriteSettingsForever(int firstVersion) {
    AppConstantsManager::SetScrambling(true);
    AppConstantsManager store;
    for (int version = firstVersion;; ++version) {
        FillVersion(store, version);
        store.WriteConstants();
    }
}

int CompleteSettingsVersion() {
    AppConstantsManager store;
    store.ReadConstants();
    if (store.Constants().size() != SETTINGS_KEYS) {
        return -1;
    }
    const std::string first = store.GetConstantValue("key0", "", 0);
    for (const auto& [key, value] : store.Constants()) {
        if (value != first) {
            return -1;
        }
    }
    return std::atoi(first.substr(first.find(' ') + 1).c_str());
}
