#include "module_test_support.h"

#include <atomic>
#include <unistd.h>

#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/zip_archive.h"
#include "forms/gui.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/test_seams.h"

namespace {
std::atomic<int> scratchCounter{0};
}

ScratchFolder::ScratchFolder() {
    root = std::filesystem::temp_directory_path() /
           ("tessalune-shell-" + std::to_string(getpid()) + "-" + std::to_string(scratchCounter++));
    std::filesystem::create_directories(root);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string ScratchFolder::Write(const std::string& relative, const std::string& text) const {
    const std::filesystem::path path = root / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

std::shared_ptr<RecordingModule> RecordingModule::Create(const std::string& file, int slot) {
    auto module = std::make_shared<RecordingModule>();
    module->Initialise(file, slot);
    return module;
}

void RecordingModule::Update(int ms) {
    _AppModule::Update(ms);
    for (const std::string& name : watchedButtons) {
        if (guiButtonHit(name)) {
            buttonHits.push_back(std::to_string(updates.size()) + ":" + name);
        }
    }
    updates.push_back(ms);
    if (endOnNextUpdate) {
        endOnNextUpdate = false;
        EndModule();
    }
}

void RecordingModule::Draw() {
    ++draws;
    if (appGUI) {
        appGUI->Draw();
    }
    _AppModule::Draw();
}

void RecordingModule::Start() {
    ++starts;
    _AppModule::Start();
}

void ResetShell() {
    for (auto& slot : _AppModule::appModules) {
        slot.reset();
    }
    _AppModule::currentModule = -1;
    _AppModule::appGUI.reset();
    SetArchivePrefix("");
    ResetMusicService();
}

void ShippedDataTest::SetUpTestSuite() {
    RegisterEmbeddedArchive();
    RegisterZipProtocol();
    OpenGraphics(800, 600, 0, 60);
}

void ShippedDataTest::TearDownTestSuite() {
    CloseGraphics();
}

void ShippedDataTest::SetUp() {
    ResetShell();
    SetArchivePrefix("zip::incbin::data.zip//");
    UseManualClock(true, START_MS);
    _AppModule::lastTickMS = START_MS;
    _AppModule::LoadGUI("data/gui/gui.txt");
}

void ShippedDataTest::TearDown() {
    ResetShell();
    UseManualClock(false);
    FlushMouse();
}
