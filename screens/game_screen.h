#pragma once
// The game screen: the module in which every level is played. It runs the
// level flow as a state machine (map, level, progress, dialogs, end story);
// the status bar, the dialogs and the drawing live in files of their own.
#include <list>
#include <map>
#include <memory>
#include <string>

#include "app/app_module.h"
#include "screens/game_config.h"
#include "screens/game_flow.h"
#include "screens/options_form.h"
#include "screens/pair_removal.h"
#include "toolkit/mouse_watch.h"
#include "toolkit/point.h"

class flyingBonus;
class gameGrid;
class gameRoute;
class levelData;
class levelDataShuffler;
class myGame;
using MyGamePtr = std::shared_ptr<myGame>;

class myGame : public _AppModule {
public:
    int _gameState = 0;
    int _RelaxedModeLevel = 0;
    int _RelaxedModeMusic = 0;
    int _RelaxedModeTileset = 0;
    int _RelaxedModebackground = 0;
    std::shared_ptr<gameGrid> playGrid;
    std::string tileSet;
    std::shared_ptr<gameRoute> route;
    std::shared_ptr<gameRoute> hintRoute;
    PointPtr startPoint;
    PointPtr endPoint;
    PointPtr highLight;
    int timeRemainingMS = 0;
    int timeSinceLastGo = 0;
    int timeSinceLastHintPulse = 0;
    int timeSinceLastRetryPulse = 0;
    int routeFlash = 0;
    int iCurrentLevel = 1;
    ImagePtr tutorialImg;
    std::shared_ptr<levelData> ld;
    int ShowHint = 0;
    int iScoreIncrement = 0;
    int iCurrentScore = 0;
    int iCurrentRetries = 0;
    int iCurrentHints = 0;
    int iCurrentUndos = 0;
    int iBackground = 0;
    int iTotalCollectedPictures = 0;
    int collectedPictures[COLLECTED_PICTURES] = {};
    ImagePtr storyImage;
    int iStoryImageNumber = 0;
    std::shared_ptr<levelDataShuffler> shuffler;
    std::string statusText;
    int iCurrentSong = -1;
    float fScreenFade = 0.0f;
    int iTimeBonus = 0;
    int iFirstFadeFromBlack = 1000;
    float fFadeAlpha = 0.0f;
    float fPlayGridAlpha = 0.0f;
    float fFadeOutToEnd = 99.0f;
    SpritePtr squareShadowImage;
    SpritePtr roundShadowImage;
    std::list<std::shared_ptr<flyingBonus>> flyingBonuses;
    std::map<const flyingBonus*, int> flightAges;  // ms each item has been flying

    // The resource script's constants, read when the module starts.
    GameConfig config;
    int developerKeys = 0;
    int lastFrameMs = 0;            // the frame time, for drawing
    std::string shownTip;           // the tool tip drawn last frame
    OptionsVolumes optionsVolumes;  // the volumes when the options opened
    // The keyboard's tile cursor: its cell (null until first shown on a level)
    // and whether it shows; moving the mouse hides it.
    PointPtr keyCursor;
    bool keyCursorShown = false;
    MouseWatch cursorMouse;
    PointPtr matchOutline;  // the tile whose partners are outlined, or null
    int statusKeys = 0;     // the status bar's keys hit this frame (bits)

    static MyGamePtr Create(const std::string& resourceFile);

    void Start() override;
    void Update(int ms) override;
    void Draw() override;

    // One update per state.
    void ShowingProgressBefore_Update(int dt);
    void ShowingProgressAfter_Update(int dt);
    void LevelRunning_Update(int dt);
    void LevelFinished_Update(int dt);
    void AskGiveUp_Update(int dt);
    void AskForRetry_Update(int dt);
    void GameOver_Update(int dt);
    void ShowingOptions_Update(int dt);
    // The options' language button: the next language, in every text shown.
    void _OnLanguage();
    void _LoadTutorialPicture();
    void _SetMapCaption();  // "Level N. <place>" on the map before the level
    void EndStory_Update(int dt);

    void SetGameState(int state);
    int GameState() const { return _gameState; }
    bool Relaxed() const { return _RelaxedModeLevel != 0; }
    // A story game started from the menu: only it writes the player's progress.
    bool KeepsProgress() const;

    void MouseSelect();
    void RemoveSelectedTiles();
    int ProcessGUIButtons();
    void FindHintRoute();
    void IncrementScore();
    void makeFlyingBonus(int code, float x, float y, const std::string& control);
    void LoadLevel();
    void NextLevel();
    void RestartLevel();
    void WriteProgress();
    void SetMusicToCurrentLevel();
    void UpdateStatusText();
    void BeginFade();
    void LoadStoryImage();
    // Opens the options dialog over a running level (its button, or the window left).
    void OpenOptions();
    bool IsTileCell(const Point& cell) const;

    // The time bonus count-down's counter, shared by every game module.
    static int timeBonusCounterMs;

private:
    // Frame parts.
    bool _UpdateExitToSystem();
    void _UpdateFlyingBonuses(int dt);
    void _ApplyBonus(const std::string& control);
    void _UpdateClock(int dt);
    void _UpdateTimeUp();
    void _UpdateStuck(int dt);
    void _DeveloperKeys();
    // Keyboard play on the board.
    void _UpdateTileCursor();
    void _ShowTileCursor();
    void _LogTileCursor(const std::string& what) const;
    void _HighlightUnderMouse();
    void _KeyboardSelect();
    void _UpdateMatchOutline();
    void _ReadStatusKeys();
    bool _StatusPressed(const std::string& button, int key) const;
    // A click, Enter or Space: the map and progress screens move on.
    static bool _ContinueHit();
    void _Pulse(const std::string& sprite, const std::string& control);
    static bool _OnLevel(const Point& cell);
    RemovalScene _RemovalScene(const Point& a, const Point& b) const;
    void _PlayRemoval(const Point& a, const Point& b, const RemovalOutcome& outcome);
    void _PlayPickup(const Pickup& pickup);
    void _StartEndFade(float from);
    void _EnterProgressAfter();
    void _EnterEndStory();

    // Drawing parts.
    void _DrawMap();
    void _DrawBoard();
    void _DrawPieces();
    void _DrawToolTips();
    void _DrawEndStory();
    void _DrawOverlays();
    void _DrawKeyboardMarks();
    int _TileSetNumber() const;
};
