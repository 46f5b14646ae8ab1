// A writer ended in the middle of a settings write never leaves a broken store:
// TerminateProcess at a random moment, then the store holds one whole version.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>

#include "app/settings.h"
#include "windows_test_support.h"

namespace {

// Starts this program as the writer; its process handle, nullptr on failure.
HANDLE StartWriter(int firstVersion) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --write-settings-forever " +
                           std::to_wstring(firstVersion);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

}  // namespace

TEST(WindowsSettingsKill, KilledWriterLeavesAnOldOrNewCompleteStore) {
    NonAsciiUserFolder folder;
    AppConstantsManager::SetScrambling(true);
    {
        AppConstantsManager store;
        for (int i = 0; i < SETTINGS_KEYS; ++i) {
            store.SetConstantValue("key" + std::to_string(i), "version 0", 1);
        }
        store.WriteConstants();
    }
    std::mt19937 random(2718);
    std::uniform_int_distribution<int> delayMs(200, 1200);  // past the writer's start-up
    int lastVersion = 0;
    int newVersions = 0;
    constexpr int ROUNDS = 6;
    for (int round = 0; round < ROUNDS; ++round) {
        const int firstVersion = (round + 1) * 1000000;
        HANDLE writer = StartWriter(firstVersion);
        ASSERT_NE(writer, nullptr);
        Sleep(static_cast<DWORD>(delayMs(random)));
        TerminateProcess(writer, 1);
        WaitForSingleObject(writer, INFINITE);
        CloseHandle(writer);
        const int version = CompleteSettingsVersion();
        ASSERT_GE(version, 0) << "round " << round;
        EXPECT_TRUE(version == lastVersion || version >= firstVersion) << "round " << round;
        newVersions += version != lastVersion ? 1 : 0;
        lastVersion = version;
    }
    // The writer got far enough to replace the store at least once.
    EXPECT_GT(newVersions, 0);
    AppConstantsManager::SetScrambling(false);
}
