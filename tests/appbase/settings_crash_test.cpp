// A process killed while it writes the settings never leaves a broken file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>
#include <random>

#include "app/settings.h"
#include "support/archive_test_support.h"

namespace {

constexpr int KEYS = 60;

void FillVersion(AppConstantsManager& store, int version) {
    for (int i = 0; i < KEYS; ++i) {
        store.SetConstantValue("key" + std::to_string(i), "version " + std::to_string(version), 1);
    }
}

// Writes ever newer versions of the store until it is killed.
[[noreturn]] void WriteForever(int firstVersion) {
    AppConstantsManager store;
    for (int version = firstVersion;; ++version) {
        FillVersion(store, version);
        store.WriteConstants();
    }
}

// -1 unless every key holds one and the same version.
int CompleteVersion() {
    AppConstantsManager store;
    store.ReadConstants();
    if (store.Constants().size() != KEYS) {
        return -1;
    }
    const std::string first = store.GetConstantValue("key0", "", 0);
    for (const auto& [key, value] : store.Constants()) {
        if (value != first) {
            return -1;
        }
    }
    return std::stoi(first.substr(first.find(' ') + 1));
}

}  // namespace

TEST(SettingsCrashSafety, KilledWriterLeavesAnOldOrNewCompleteStore) {
    ScratchUserFolder scratch;
    AppConstantsManager::SetScrambling(true);
    {
        AppConstantsManager store;
        FillVersion(store, 0);
        store.WriteConstants();
    }
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayUs(0, 30000);
    int lastVersion = 0;
    int newVersions = 0;
    for (int round = 0; round < 80; ++round) {
        const int firstVersion = (round + 1) * 1000000;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteForever(firstVersion);
        }
        usleep(static_cast<useconds_t>(delayUs(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const int version = CompleteVersion();
        ASSERT_GE(version, 0) << "round " << round;
        EXPECT_TRUE(version == lastVersion || version >= firstVersion) << "round " << round;
        if (version != lastVersion) {
            ++newVersions;
        }
        lastVersion = version;
    }
    std::cout << "rounds that left a newer store: " << newVersions << " of 80\n";
    AppConstantsManager::SetScrambling(false);
}
