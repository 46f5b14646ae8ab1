// The robot's machinery: start-up, frames on the manual clock, input that
// meets controls and tiles where a player's mouse would, the state log,
// screenshots and failure reports.
#include "tools/robot/robot.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "app/app_module.h"
#include "app/app_run.h"
#include "app/line_helpers.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/level_data.h"
#include "board/story_length.h"
#include "forms/button.h"
#include "forms/gui.h"
#include "forms/window.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/system.h"
#include "platform/test_seams.h"
#include "screens/game_screen.h"
#include "screens/main_menu.h"
#include "screens/progress_screen.h"
#include "screens/start_up.h"
#include "tests/support/input_driver.h"

namespace {

constexpr int ROBOT_START_MS = 1000;
constexpr int MEASURED_FRAMES = 40;
// Drawn before the measured ones: the rasterizer compiles its shader variants
// for a screen's first frames, once, which is a start-up cost, not a frame's.
constexpr int WARM_UP_FRAMES = 10;
const char* const MODULE_NAMES[] = {"intro", "loading", "menu", "game", "outro", "pause"};

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::string GameStateName(int state) {
    switch (state) {
        case GS_SHOWING_PROGRESS_BEFORE:
            return "map";
        case GS_SHOWING_PROGRESS_AFTER:
            return "progress";
        case GS_LEVEL_RUNNING:
            return "running";
        case GS_LEVEL_FINISHED:
            return "finished";
        case GS_ASK_GIVEUP:
            return "giveup";
        case GS_ASK_RETRY:
            return "retry";
        case GS_GAME_OVER:
            return "gameover";
        case GS_SHOWING_OPTIONS:
            return "options";
        case GS_END_STORY:
            return "endstory";
        default:
            return "state" + std::to_string(state);
    }
}

}  // namespace

Robot::Robot(RobotOptions options) : runOptions(std::move(options)) {}

Robot::~Robot() {
    if (logFile != nullptr) {
        std::fclose(logFile);
    }
}

void Robot::Log(const std::string& line) {
    const std::string stamped = "[" + std::to_string(MilliSecs()) + " ms, frame " +
                                std::to_string(frameCount) + "] " + line;
    if (logFile != nullptr) {
        std::fprintf(logFile, "%s\n", stamped.c_str());
        std::fflush(logFile);
    }
}

void Robot::Boot() {
    if (!runOptions.userFolder.empty()) {
        std::filesystem::remove_all(runOptions.userFolder);
        std::filesystem::create_directories(runOptions.userFolder);
        SetEnvValue("TESSALUNE_DATA_DIR", runOptions.userFolder);
    }
    if (!runOptions.shotFolder.empty()) {
        std::filesystem::create_directories(runOptions.shotFolder);
    }
    if (!runOptions.logPath.empty()) {
        logFile = std::fopen(runOptions.logPath.c_str(), "w");
    }
    UseManualClock(true, ROBOT_START_MS);
    if (runOptions.figures || runOptions.windowSeconds > 0) {
        // Frames are measured in a window of the game's own size, as the floor's.
        AppSettings().Set(settings_keys::FULLSCREEN, "0", 0);
        AppSettings().WriteConstants();
    }
    // The game's own start-up sequence.
    SetStartLevel(0);
    StartUp();
    if (runOptions.figures) {
        emptyFrameMs = MeasureEmptyFrame();
        // Full screen, where the frame is scaled to the display, then back.
        OpenDisplay(true);
        fullScreenEmptyFrameMs = MeasureEmptyFrame();
        OpenDisplay(false);
    }
    if (Measuring()) {
        FindDensestLevel();
    }
    _AppModule::BeginApp();
    Log("boot: user folder " + runOptions.userFolder);
}

myGame* Robot::Game() const {
    return dynamic_cast<myGame*>(_AppModule::appModules[APP_GAME].get());
}

myMainMenu* Robot::Menu() const {
    return dynamic_cast<myMainMenu*>(_AppModule::appModules[APP_MAINMENU].get());
}

std::string Robot::StateName() const {
    const int current = _AppModule::currentModule;
    if (current < 0) {
        return "ended";
    }
    std::string name = current < APP_SLOT_COUNT ? MODULE_NAMES[current] : "module?";
    if (current == APP_GAME && Game() != nullptr) {
        name += "/" + GameStateName(Game()->GameState());
        name += Game()->Relaxed() ? " relaxed" : "";
        name += " level " + std::to_string(Game()->iCurrentLevel);
    }
    const auto& gui = _AppModule::appGUI;
    if (gui) {
        std::string forms;
        for (const auto& [formName, window] : gui->windows) {
            if (window && window->isVisible) {
                forms += (forms.empty() ? "" : ",") + formName;
            }
        }
        name += " [" + forms + "]";
    }
    return name;
}

void Robot::NoteState() {
    const std::string state = StateName();
    if (state != lastState) {
        Log("state: " + state);
        lastState = state;
    }
}

void Robot::Step(bool draw) {
    SkipDrawing(!draw && !runOptions.drawEveryFrame);
    const int before = MilliSecs();
    const int running = _AppModule::Tick();
    ++frameCount;
    if (MilliSecs() == before) {
        AdvanceClock(FRAME_MS);  // a frame that presented nothing still takes time
    }
    if (running == 0 && _AppModule::currentModule >= 0) {
        Fail("the module loop stopped with a module current");
    }
    NoteState();
}

void Robot::StepFor(int ms) {
    const int until = MilliSecs() + ms;
    while (MilliSecs() < until && _AppModule::currentModule >= 0) {
        Step();
    }
}

void Robot::WaitUntil(const std::function<bool()>& done, int limitFrames, const std::string& what) {
    for (int i = 0; !done(); ++i) {
        if (i >= limitFrames) {
            Fail("waited " + std::to_string(limitFrames) + " frames for " + what);
        }
        if (_AppModule::currentModule < 0) {
            Fail("the program ended while waiting for " + what);
        }
        Step();
    }
}

void Robot::Settle() {
    WaitUntil(
        [this] {
            for (const auto& [formName, window] : _AppModule::appGUI->windows) {
                if (window && window->IsAnimating()) {
                    return false;
                }
            }
            if (myMainMenu* menu = Menu(); menu && _AppModule::currentModule == APP_MAINMENU) {
                if (menu->fadeIn > 0 || menu->CrossFadeAlpha() > 0.0f) {
                    return false;
                }
            }
            if (myGame* game = Game(); game && _AppModule::currentModule == APP_GAME) {
                const bool map = game->GameState() == GS_SHOWING_PROGRESS_BEFORE;
                if (game->fFadeAlpha > 0.0f || (map && game->iFirstFadeFromBlack > 0)) {
                    return false;
                }
            }
            return true;
        },
        600, "the screen to settle");
}

void Robot::MoveTo(int x, int y) {
    InjectMouseMove(x, y);
    Step();
}

void Robot::ClickAt(int x, int y) {
    ::ClickAt(x, y, [this] { Step(); });
}

bool Robot::Clickable(const std::string& form, const std::string& control, std::string& why) const {
    const auto& gui = _AppModule::appGUI;
    const WindowPtr window = gui->GetWindow(form);
    if (!window) {
        why = "there is no form \"" + form + "\"";
        return false;
    }
    if (!window->isVisible) {
        why = "form \"" + form + "\" is hidden";
        return false;
    }
    const ControlPtr found = window->GetControl(control);
    if (!found) {
        why = "form \"" + form + "\" has no control \"" + control + "\"";
        return false;
    }
    if (!found->isVisible || found->disabled) {
        why = "\"" + control + "\" is hidden or disabled";
        return false;
    }
    const WindowPtr& modal = gui->modalWindow;
    if (modal && modal != window && modal->isVisible) {
        why = "the modal form \"" + modal->name + "\" covers \"" + form + "\"";
        return false;
    }
    return true;
}

void Robot::ClickControl(const std::string& form, const std::string& control) {
    Settle();
    std::string why;
    if (!Clickable(form, control, why)) {
        Fail("cannot click " + form + "/" + control + ": " + why);
    }
    Shot(lastState);
    const __Rect r = _AppModule::appGUI->GetWindow(form)->GetControl(control)->position;
    Log("click " + form + "/" + control);
    ClickAt((r.xs + r.xe) / 2, (r.ys + r.ye) / 2);
    if (!_AppModule::appGUI->ButtonHit(control)) {
        Fail("the click on " + form + "/" + control + " landed on nothing");
    }
    Step();  // the module reads the click in its next update
}

void Robot::ClickCell(int column, int row) {
    myGame* game = Game();
    const gameGrid& grid = *game->playGrid;
    ClickAt(grid._cellCentreX(column), grid._cellCentreY(row));
}

void Robot::TypeText(const std::string& text) {
    for (char c : text) {
        InjectChar(static_cast<unsigned char>(c));
        Step();
    }
    Step();
}

void Robot::Shot(const std::string& screen) {
    if (runOptions.shotFolder.empty()) {
        return;
    }
    // One picture per screen: the state without its level number and forms order.
    std::string key = screen;
    if (const size_t level = key.find(" level "); level != std::string::npos) {
        key.erase(level, key.find(' ', level + 7) - level);
    }
    if (!shotScreens.insert(key).second) {
        return;
    }
    std::string file;
    for (char c : key) {
        file += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    while (!file.empty() && file.back() == '_') {
        file.pop_back();
    }
    const std::string number = ZeroPadded(std::to_string(shotScreens.size()), 2);
    const std::string path = runOptions.shotFolder + "/" + number + "-" + file + ".png";
    Step(true);  // the frame saved is drawn in full
    SaveBackBufferPNG(path);
    Log("screenshot " + path);
}

double Robot::MeasureEmptyFrame() {
    double start = ProcessCpuMs();
    for (int i = 0; i < WARM_UP_FRAMES + MEASURED_FRAMES; ++i) {
        if (i == WARM_UP_FRAMES) {
            start = ProcessCpuMs();
        }
        PollSystem();
        Cls();
        Flip();
    }
    return (ProcessCpuMs() - start) / MEASURED_FRAMES;
}

void Robot::FindDensestLevel() {
    int most = -1;
    const int last = ShippedStoryLength();
    const std::vector<int> played = runOptions.full || runOptions.windowSeconds > 0
                                        ? std::vector<int>()
                                        : std::vector<int>{1, 2, last};
    for (int level = 1; level <= last; ++level) {
        if (!played.empty() && std::find(played.begin(), played.end(), level) == played.end()) {
            continue;
        }
        const LevelDataPtr data = levelData::Create(progressScreen::LevelFileName(level));
        int tiles = 0;
        for (const auto& column : data->grid) {
            for (int value : column) {
                tiles += IsTileValue(value) ? 1 : 0;
            }
        }
        if (tiles > most) {
            most = tiles;
            densestLevel = level;
        }
    }
    Log("densest level " + std::to_string(densestLevel) + " with " + std::to_string(most) +
        " tiles");
}

bool Robot::Measuring() const {
    return runOptions.figures || !runOptions.frameFolder.empty() ||
           !runOptions.frameReference.empty() || runOptions.windowSeconds > 0;
}

void Robot::Measure(const std::string& screen) {
    if (!runOptions.frameFolder.empty() || !runOptions.frameReference.empty()) {
        Step(true);
        CheckFrame(screen);
    }
    if (!runOptions.figures) {
        return;
    }
    for (int i = 0; i < WARM_UP_FRAMES; ++i) {
        Step(true);
    }
    const double start = ProcessCpuMs();
    for (int i = 0; i < MEASURED_FRAMES; ++i) {
        Step(true);
    }
    frameFigures.push_back({screen, (ProcessCpuMs() - start) / MEASURED_FRAMES, MEASURED_FRAMES});
    Log("measured " + screen);
}

void Robot::Fail(const std::string& why) {
    const std::string state = StateName();
    std::fprintf(stderr, "robot: FAILED in state %s: %s\n", state.c_str(), why.c_str());
    Log("FAILED: " + why + " (state " + state + ")");
    std::string folder =
        runOptions.shotFolder.empty() ? runOptions.userFolder : runOptions.shotFolder;
    if (folder.empty()) {
        folder = ".";  // --own-folder without --shots: the current folder
    }
    const std::string path = folder + "/failure.png";
    SkipDrawing(false);
    if (_AppModule::currentModule >= 0) {
        _AppModule::Tick();  // one frame drawn in full for the picture
    }
    if (SaveBackBufferPNG(path)) {
        std::fprintf(stderr, "robot: the screen is in %s\n", path.c_str());
    }
    std::fflush(stderr);
    std::_Exit(1);
}
