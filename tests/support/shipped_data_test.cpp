#include "support/shipped_data_test.h"

#include <filesystem>
#include <memory>

#include "app/app_module.h"
#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/settings.h"
#include "forms/gui.h"
#include "app/zip_archive.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/pixmap.h"
#include "platform/test_seams.h"
#include "support/program_state.h"
#include "support/scratch_folder.h"

namespace {

std::unique_ptr<ScratchUserFolder>& UserData() {
    static std::unique_ptr<ScratchUserFolder> folder;
    return folder;
}

}  // namespace

void MountShippedArchive() {
    RegisterEmbeddedArchive();
    RegisterZipProtocol();
    SetArchivePrefix(SHIPPED_ARCHIVE_PREFIX);
}

void ShippedDataTest::SetUpTestSuite() {
    if (!UserData()) {
        UserData() = std::make_unique<ScratchUserFolder>();
    }
    // No frame pacing: the manual clock moves only when a test moves it.
    OpenGraphics(SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0);
}

void ShippedDataTest::TearDownTestSuite() {
    CloseGraphics();
}

void ShippedDataTest::SetUp() {
    ResetProgramState();
    UserData()->Empty();
    MountShippedArchive();
    UseManualClock(true, START_MS);
    _AppModule::lastTickMS = START_MS;
    _AppModule::LoadGUI("data/gui/gui.txt");
}

void ShippedDataTest::TearDown() {
    ResetProgramState();
    UseManualClock(false);
}

void ShippedDataTest::StepFrames(int n, int msPerFrame) {
    for (int i = 0; i < n; ++i) {
        // Flip may have moved the clock on already (a display opened with pacing).
        AdvanceClock(_AppModule::lastTickMS + msPerFrame - MilliSecs());
        _AppModule::Tick();
    }
}

void ShippedDataTest::Click(int x, int y) {
    ClickAt(x, y, [] { StepFrames(1); });
}

void ShippedDataTest::ClickControl(const std::string& form, const std::string& control) {
    const ControlPtr found = _AppModule::appGUI->GetControl(form, control);
    ASSERT_TRUE(found) << form << "/" << control;
    Click((found->position.xs + found->position.xe) / 2,
          (found->position.ys + found->position.ye) / 2);
    StepFrames(1);
}

double MeanBrightness(const TPixmap& picture, int x, int y, int width, int height) {
    double sum = 0.0;
    for (int py = y; py < y + height; ++py) {
        for (int px = x; px < x + width; ++px) {
            const uint32_t argb = ReadPixel(picture, px, py);
            sum += ((argb >> 16) & 0xFF) + ((argb >> 8) & 0xFF) + (argb & 0xFF);
        }
    }
    return width > 0 && height > 0 ? sum / (3.0 * width * height) : 0.0;
}

double ShippedDataTest::Brightness(int x, int y, int width, int height) {
    return MeanBrightness(*ReadBackBuffer(), x, y, width, height);
}

std::string ShippedDataTest::Stored(const std::string& key) {
    AppConstantsManager file;
    file.ReadConstants();
    return file.GetConstantValue(key, "<missing>", 0);
}

std::string ShippedDataTest::FrameFolder() {
    return TestFrameFolder();
}

std::string ShippedDataTest::SaveFrame(const std::string& name) {
    return SaveTestFrame(name);
}

std::string ShippedDataTest::UserFolder() {
    return UserData() ? UserData()->Path().string() + "/" : std::string();
}
