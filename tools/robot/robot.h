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
    bool figures = false;        // measure per-screen frame costs
    std::string frameFolder;     // the first frame of each measured screen, when set
    std::string frameReference;  // signatures the measured screens must match, when set
    int windowSeconds = 0;       // frame rate of the densest level in a real window, when set
    unsigned seed = 1;
};

// Presented frames on the real clock.
struct WindowFigure {
    double framesPerSecond = 0;
    double worstFrameMs = 0;
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

    const std::vector<FrameFigure>& Figures() const { return frameFigures; }
    double EmptyFrameMs() const { return emptyFrameMs; }
    double FullScreenEmptyFrameMs() const { return fullScreenEmptyFrameMs; }
    const WindowFigure& Window() const { return windowFigure; }
    size_t KeptSongBytes() const { return keptSongBytes; }
    size_t KeptSongDecodedBytes() const { return keptSongDecodedBytes; }
    int64_t Frames() const { return frameCount; }
    int LevelsPlayed() const { return levelsPlayed; }

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
    // CPU time of a frame that only clears and presents.
    static double MeasureEmptyFrame();
    bool Measuring() const;
    // Saves or checks the frame just drawn against its reference signature.
    void CheckFrame(const std::string& screen);
    // Level 49 reached through the menu, then played on the real clock.
    void PlayInWindow();
    void MeasureWindow();
    void FindDensestLevel();
    [[noreturn]] void Fail(const std::string& why);
    void Log(const std::string& line);

    RobotOptions runOptions;
    DebugLogCapture debugLog;
    int64_t frameCount = 0;
    std::string lastState;
    std::set<std::string> shotScreens;
    std::vector<FrameFigure> frameFigures;
    double emptyFrameMs = 0;
    double fullScreenEmptyFrameMs = 0;
    WindowFigure windowFigure;
    size_t keptSongBytes = 0;
    size_t keptSongDecodedBytes = 0;
    int levelsPlayed = 0;
    int densestLevel = 0;  // the level measured in play, -1 once measured
    int pairsThisLevel = 0;
    bool endStorySeen = false;
    bool measuredMap = false;
    std::vector<CellPair> clearingPlan;  // the rest of a way to clear the board
    bool measuredProgress = false;
    bool usedHint = false;
    bool usedUndo = false;
    bool usedRetry = false;
    bool usedOptions = false;
    int playerNumber = 0;
    std::string playerName;
    std::FILE* logFile = nullptr;
};
