#pragma once
// A module that records its calls, for the shell tests; the scratch folders,
// ResetProgramState() and the ShippedDataTest fixture are in tests/support.
#include <string>
#include <vector>

#include "app/app_module.h"
#include "support/program_state.h"
#include "support/scratch_folder.h"
#include "support/shipped_data_test.h"

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
