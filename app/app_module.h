#pragma once
// Screen modules: every screen is an _AppModule that owns what its resource
// script names, is driven once per frame by Tick, and hands over by ending.
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/image.h"

class _kwa_MasterSprite;
class _kwa_ParticleEmitter;
class _kwa_RenderState;
class _qxGUI;
class LoadingProfile;

constexpr int APP_INTRO = 0;
constexpr int APP_LOADINGSCREEN = 1;
constexpr int APP_MAINMENU = 2;
constexpr int APP_GAME = 3;
constexpr int APP_OUTRO = 4;
constexpr int APP_PAUSEMENU = 5;
constexpr int APP_SLOT_COUNT = 6;

// One high-score entry: the decimal score and the player's name.
class highScore {
public:
    std::string score;
    std::string name;
};

constexpr int HIGHSCORE_TABLES = 4;
constexpr int HIGHSCORE_POSITIONS = 100;

class _AppModule : public std::enable_shared_from_this<_AppModule> {
public:
    using SpritePtr = std::shared_ptr<_kwa_MasterSprite>;
    using EmitterPtr = std::shared_ptr<_kwa_ParticleEmitter>;
    using ProfilePtr = std::shared_ptr<LoadingProfile>;

    _AppModule() = default;
    virtual ~_AppModule();
    _AppModule(const _AppModule&) = delete;
    _AppModule& operator=(const _AppModule&) = delete;

    // Shell-wide state.
    static std::shared_ptr<_AppModule> appModules[APP_SLOT_COUNT];
    static int currentModule;
    static int lastTickMS;
    static int loadingProgress;
    static std::shared_ptr<_qxGUI> appGUI;
    static std::shared_ptr<_kwa_RenderState> appRenderState;
    static std::string currentPlayerName;
    static std::shared_ptr<highScore> highScores[HIGHSCORE_TABLES][HIGHSCORE_POSITIONS];

    // Static services.
    static void BeginApp();
    static float GetSoundVolume();
    static void SetSoundVolume(float volume);
    static float GetMusicVolume();
    static void SetMusicVolume(float volume);
    static void SetVolumeSliderPosition(const std::string& window, const std::string& control,
                                        float volume);
    static float GetVolumeSliderPosition(const std::string& window, const std::string& control);
    static void UpdateFullscreenFromButton(const std::string& window, const std::string& control);
    static void UpdateFullscreenButton(const std::string& window, const std::string& control);
    static int Tick();

    // Per-module operations.
    ImagePtr screenGrab();
    void DestroyScreenGrabImage();
    virtual void Update(int ms);
    virtual void Draw();
    virtual ProfilePtr LoadResources();
    void _LoadResources(const std::string& file, const ProfilePtr& profile);
    virtual int LoadingNotify(const std::string& name);
    void ReplaceSpriteResource(const std::string& name, const std::string& file);
    // Sprites the script named through a locale key, loaded again in the current language.
    void RefreshLocaleSprites();
    std::string constString(const std::string& name) const;
    float constFloat(const std::string& name) const;
    int constInt(const std::string& name) const;
    std::string getConstant(const std::string& name) const;
    int guiButtonHit(const std::string& name) const;
    SpritePtr GetSprite(const std::string& name) const;
    // A sprite or emitter the script may leave out: null, without a debug line.
    SpritePtr OptionalSprite(const std::string& name) const;
    EmitterPtr OptionalEmitter(const std::string& name) const;
    SoundPtr GetSound(const std::string& name) const;
    void PlaySoundByName(const std::string& name);
    void PlaySound(const SoundPtr& sound, float volume);
    EmitterPtr GetEmitter(const std::string& name) const;
    void DrawParticleEmitters();
    void ParticleEmitOverControlCaptionRegion(const std::string& window, const std::string& control,
                                              int count, const std::string& emitterName);
    int ParticleCount() const;
    void OpenBrowser(const std::string& url);
    virtual void Start();
    virtual void Stop();
    void UnloadSprites();
    virtual void UnloadResources();
    void Initialise(const std::string& file, int slot);
    void Uninitialise();
    void EndModule();
    static void DestroyModule(int slot);
    static void ToggleFullscreen();
    static void UpdateLoadingProgress(int progress);
    static void LoadGUI(const std::string& file);

    // Profiles and high scores, kept in the settings store.
    static int CountUsers();
    static int AddNewUser(const std::string& name);
    static void SelectUser(int n);
    static int UserID();
    static void RemoveUser(int n);
    static void PopulatePlayerProfileList();
    static std::string PlayerProfileName(int n);
    static int addHighScore(int table, int64_t score);
    static std::string _scoreString(int table, int position);
    static void _insertHighScore(int table, int position, int64_t score);
    static int64_t getHighScoreValue(int table, int position);
    static std::string getHighScoreName(int table, int position);
    static void ReadHighScores();
    static void WriteHighScores();
    static void AddDummyHighScores(int table, const std::string& name, int64_t startScore,
                                   int64_t step, int count);

    // Resources, keyed by lower-cased name.
    std::map<std::string, SpritePtr> Sprites;
    std::map<std::string, SoundPtr> Sounds;
    std::map<std::string, std::string> Constants;
    std::map<std::string, EmitterPtr> ParticleEmitters;
    std::list<std::string> _guiWindows;
    std::list<std::string> _songs;
    int _modID = 0;
    std::string _resourceFile;
    int _gotResources = 0;
    int _isPaused = 0;
    int KeepSongsInMemory = 0;
    ImagePtr screenGrabImage;
    int bDoScreenGrab = 0;

private:
    void _LoadResourceLine(const std::string& line, const ProfilePtr& profile);
    void _RememberLocaleSprite(const std::string& name, const std::string& rawValue);

    std::vector<std::string> resourceStack;  // scripts being read, for RESOURCE nesting
    // Sprite name -> the "##" key its script line gave.
    std::map<std::string, std::string> localeSprites;
};

// Window size, depth and full-screen flag shared by start-up and the shell.
struct AppDisplay {
    static int width;
    static int height;
    static int depth;
};
bool IsFullscreen();
// Loads the locale file the settings name, unless a table is loaded already.
void LoadLocaleFromSettings();
// Switches the game to another language at once: the setting, the table, every
// form caption given by key and the current module's locale sprites.
void ApplyLocaleFile(const std::string& file);
bool OpenAppGraphics(int width, int height, int depth);
// Opens the display again at the remembered size, full screen or windowed.
void OpenDisplay(bool fullscreen);
