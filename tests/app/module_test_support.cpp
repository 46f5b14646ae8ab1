#include "module_test_support.h"

#include "forms/gui.h"

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
