#pragma once
// Reads the generated content the way the game does: from the archive linked
// into the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/assets.h"
#include "support/program_state.h"
#include "support/shipped_data_test.h"

namespace content_test {

inline void UseGameArchive() {
    MountShippedArchive();
}

// Where the tests leave pictures for a look by eye.
inline std::string ReportPath(const std::string& name) {
    return std::string(TESS_BINARY_DIR) + "/content-report/" + name;
}

}  // namespace content_test

class ContentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        MountShippedArchive();
    }
    void TearDown() override { ResetProgramState(); }
};
