#pragma once
// The main menu: players, options, high scores, the story pictures before the
// first level and the relaxed-mode chooser. It ends after a fade to black,
// either to start a game or to leave the program.
#include <memory>
#include <string>

#include "app/app_module.h"
#include "screens/main_menu_config.h"
#include "screens/options_form.h"
#include "screens/progress_screen.h"

class progressScreen;

class myMainMenu : public _AppModule {
public:
    static constexpr int FADE_TO_EXIT = 0;
    static constexpr int FADE_TO_STARTGAME = 2;
    static constexpr int FADE_MS = 1000;
    static constexpr int CROSS_FADE_MS = 500;

    static std::shared_ptr<myMainMenu> Create(const std::string& resourceFile);

    int fadeToBlack = 0;
    int fadeIn = 0;
    int fadeTarget = FADE_TO_EXIT;
    int currentStoryScreen = 0;
    ImagePtr storyImage;
    int iRelaxedLevel = 1;
    int iRelaxedBackground = 1;
    int iRelaxedMusic = 1;
    int iRelaxedTileset = 1;
    int iPlayerLevel = 0;
    std::shared_ptr<progressScreen> progress;
    ImagePtr relaxedBG;

    int PlayerLevel() const;
    void PrepareRelaxedModeUI();
    void beginFadeImage();
    void UpdateHighScoreText();
    static std::string formatHighScoreString(int64_t score, const std::string& name);
    void ConfirmDeletePlayerProfile(int n);
    void ShowMainMenu();
    void SelectPlayerProfile(int n);
    void ShowLoginDialog();
    void SetPlayerMenuName();

    void Start() override;
    void Update(int ms) override;
    void Draw() override;
    ProfilePtr LoadResources() override;
    void UnloadResources() override;

    // Alpha of the screen picture that dissolves over the next frames.
    float CrossFadeAlpha() const { return crossFadeAlpha; }

private:
    // One button of the menu's forms and what it does.
    struct ButtonAction {
        const char* name;
        void (myMainMenu::*handle)(int n);
        int n;
    };
    static const ButtonAction BUTTONS[];

    // Buttons, in the order in which a frame's hits are handled.
    bool _HandleButtons();
    void _HandleRelaxedChoices();
    void _BeginFadeToGame();

    // The menu and the exit question.
    void _OnExit(int n);
    void _OnQuitYes(int n);
    void _OnQuitNo(int n);
    void _OnDownload(int n);
    void _OnHighScores(int n);
    void _OnHighScoresBack(int n);

    // Players.
    void _OnLogin(int n);
    void _OnLoginNew(int n);
    void _OnLoginBack(int n);
    // The name form, empty; without Cancel its OK sits in the middle of the panel.
    void _ShowNewUserForm(bool canCancel);
    void _OnNewUserOk(int n);
    void _OnNewUserCancel(int n);
    void _OnConfirmDeleteYes(int n);
    void _OnConfirmDeleteNo(int n);
    void _OnDelete(int n);
    void _OnSelect(int n);

    // Options.
    void _OnOptions(int n);
    void _OnOptionsCancel(int n);
    void _OnOptionsAccept(int n);
    void _OnFullscreen(int n);
    void _OnWindowed(int n);
    void _OnLanguage(int n);
    void _OnSoundVolume(int n);
    void _OnMusicVolume(int n);

    // Story pictures and starting a game.
    void _OnStart(int n);
    void _OnStoryNext(int n);
    void _ShowFirstStoryPicture();
    void _LoadStoryPicture();

    // Relaxed mode.
    void _OnFreeplay(int n);
    void _OnRelaxedBack(int n);
    void _OnRelaxedRandom(int n);
    void _DrawRelaxedBackdrop() const;
    void _DrawRelaxedMarks() const;
    void _DrawOverButton(const std::string& sprite, const std::string& button) const;
    bool _Unlocked(RelaxedItem item, int n) const;

    int pendingDeletion = 0;
    int startAfterNewUser = 0;
    int newUserOkX = -1;  // where the form file puts OK, beside Cancel
    OptionsVolumes optionsVolumes;
    MenuConfig config;
    ImagePtr crossFadeImage;
    float crossFadeAlpha = 0.0f;
};
