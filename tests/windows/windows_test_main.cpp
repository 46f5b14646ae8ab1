// The Windows test program. Started with --write-settings-forever it is
// instead the writer the kill test ends (settings_kill_test.cpp).
#include <gtest/gtest.h>

#include <cstring>

#include "windows_test_support.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-settings-forever") == 0) {
        WriteSettingsForever(std::atoi(argv[2]));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
