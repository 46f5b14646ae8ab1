#pragma once
// The robot player: runs the real game headless on a manual clock and plays
// it through injected mouse and key input only, finding controls by their
// form rectangles and tiles by the board's cell positions.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "board/solver.h"
#include "platform/debug_log.h"

class myGame;
class myMainMenu;
class _qxControl;

struct RobotOptions {
    bool full = false;       // all fifty levels, else the short game
    std::string shotFolder;  // a screenshot of every screen passed, when set
    std::string logPath;     // the state-change log, when set
    std::string userFolder;  // the scratch user data folder (made empty); "": the game's own
    bool drawEveryFrame = false;
    bool figures = false;  // measure per-screen frame costs
    unsigned seed = 1;
};

// CPU time of fully drawn frames on one screen.
struct FrameFigure {
    std::string screen;
    double msPerFrame = 0;
    int frames = 0;
};

class Robot {
public:
    explicit Robot(RobotOptions options);
    ~Robot();

    // Start-up as the game's own, on the manual clock, from an empty user folder.
    void Boot();
    // Plays the whole scenario and runs the checks; false after a failure.
    bool Play();

    const std::vector<FrameFigure>& Figures() const { return figures_; }
    double EmptyFrameMs() const { return emptyFrameMs_; }
    size_t KeptSongBytes() const { return keptSongBytes_; }
    size_t KeptSongDecodedBytes() const { return keptSongDecodedBytes_; }
    int64_t Frames() const { return frames_; }
    int LevelsPlayed() const { return levelsPlayed_; }

private:
    // Frames.
    void Step(bool draw = false);
    void StepFor(int ms);
    // Steps until done() holds; fails the run after limitFrames.
    void WaitUntil(const std::function<bool()>& done, int limitFrames, const std::string& what);
    void Settle();  // until no form animates and no fade runs
    // Waits for a form the level opened, shoots it, clicks its button and
    // waits until the level runs again.
    void AnswerForm(const std::string& form, const std::string& button);

    // Input.
    void MoveTo(int x, int y);
    void ClickAt(int x, int y);
    // Clicks the middle of a control; fails when no player could hit it.
    void ClickControl(const std::string& form, const std::string& control);
    void ClickCell(int column, int row);
    void TypeText(const std::string& text);
    bool Clickable(const std::string& form, const std::string& control, std::string& why) const;

    // The scenario.
    void PassIntro();
    void CreatePlayer(const std::string& name);
    void WatchStory();
    void PlayStoryGame(int lastLevel, bool giveUpAfter);
    void PlayLevel();
    void PlayPair();
    void UseExtras();
    void PassEndStory();
    void PlayRelaxedGame();
    void Quit();
    void Check();

    // State, log, pictures.
    myGame* Game() const;
    myMainMenu* Menu() const;
    std::string StateName() const;
    void NoteState();
    void Shot(const std::string& screen);
    void Measure(const std::string& screen);
    void MeasureEmptyFrame();
    void FindDensestLevel();
    [[noreturn]] void Fail(const std::string& why);
    void Log(const std::string& line);

    RobotOptions options_;
    DebugLogCapture debugLog_;
    int64_t frames_ = 0;
    std::string lastState_;
    std::set<std::string> shotScreens_;
    std::vector<FrameFigure> figures_;
    double emptyFrameMs_ = 0;
    size_t keptSongBytes_ = 0;
    size_t keptSongDecodedBytes_ = 0;
    int levelsPlayed_ = 0;
    int densestLevel_ = 0;  // the level measured in play, -1 once measured
    int pairsThisLevel_ = 0;
    bool endStorySeen_ = false;
    bool measuredMap_ = false;
    std::vector<CellPair> plan_;  // the rest of a way to clear the board
    bool measuredProgress_ = false;
    bool usedHint_ = false;
    bool usedUndo_ = false;
    bool usedRetry_ = false;
    bool usedOptions_ = false;
    int playerNumber_ = 0;
    std::string playerName_;
    std::FILE* log_ = nullptr;
};
