#pragma once
// A scratch folder of resource scripts and a module that records its calls.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_module.h"

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    // Writes a file below the folder and returns its path.
    std::string Write(const std::string& relative, const std::string& text) const;
    const std::filesystem::path& Path() const { return root; }

private:
    std::filesystem::path root;
};

// A module that counts its updates and draws and can be told to end.
class RecordingModule : public _AppModule {
public:
    static std::shared_ptr<RecordingModule> Create(const std::string& file, int slot);

    void Update(int ms) override;
    void Draw() override;
    void Start() override;

    // Buttons whose clicks Update records, as "frame:name".
    std::vector<std::string> watchedButtons;
    std::vector<std::string> buttonHits;

    std::vector<int> updates;
    int draws = 0;
    int starts = 0;
    bool endOnNextUpdate = false;
};

// Empties every module slot and the shell's shared state between tests.
void ResetShell();

// A window for the whole suite, assets from the linked-in archive, the form
// manager from the shipped GUI file and a manual clock at START_MS.
class ShippedDataTest : public ::testing::Test {
protected:
    static constexpr int START_MS = 5000;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;
};
