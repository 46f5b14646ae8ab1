// The game screen's dialogs: give up, retry, game over, the options inside
// the game, leaving the program, and the end story's pictures.
#include "app/app_module.h"
#include "board/game_route.h"
#include "forms/gui.h"
#include "platform/input.h"
#include "platform/music.h"
#include "screens/game_screen.h"

void myGame::_StartEndFade(float from) {
    RequestSong("");
    fFadeOutToEnd = from;
}

bool myGame::_UpdateExitToSystem() {
    if (guiButtonHit("exittosys_yes")) {
        DestroyModule(APP_MAINMENU);
        _StartEndFade(0.01f);
        return true;
    }
    if (guiButtonHit("exittosys_no")) {
        appGUI->HideWindow("exittosystem");
        FlushMouse();  // the answer's click is not the screen's below
        FlushKeys();
        return true;
    }
    return false;
}

void myGame::AskGiveUp_Update(int) {
    if (fFadeOutToEnd <= 1.0f) {
        return;
    }
    if (guiButtonHit("giveup_no")) {
        appGUI->HideWindow("giveup");
        SetGameState(GS_LEVEL_RUNNING);
    } else if (guiButtonHit("giveup_yes")) {
        appGUI->HideWindow("giveup");
        WriteProgress();
        _StartEndFade(0.0f);
    }
}

void myGame::AskForRetry_Update(int) {
    if (guiButtonHit("retry_yes")) {
        RestartLevel();
        appGUI->HideWindow("retry");
        SetGameState(GS_LEVEL_RUNNING);
        --iCurrentRetries;
    } else if (guiButtonHit("retry_no")) {
        appGUI->HideWindow("retry");
        if (hintRoute->IsEmpty() == 0 && timeRemainingMS >= 1000) {
            SetGameState(GS_LEVEL_RUNNING);
        } else {
            WriteProgress();  // the game ends here, as after game over
            _StartEndFade(0.01f);
        }
    }
}

void myGame::GameOver_Update(int) {
    if (fFadeOutToEnd > 1.0f && guiButtonHit("gameover_ok")) {
        _StartEndFade(0.0f);
    }
}

void myGame::ShowingOptions_Update(int) {
    if (guiButtonHit("options_accept")) {
        SetMusicVolume(optionsVolumes.Music("options"));
        SetSoundVolume(optionsVolumes.Sound("options"));
        appGUI->HideWindow("options");
        SetGameState(GS_LEVEL_RUNNING);
    } else if (guiButtonHit("options_cancel")) {
        // The shared form's cancel: the volumes as they were, back to the level.
        SetMusicVolume(optionsVolumes.SavedMusic());
        SetSoundVolume(optionsVolumes.SavedSound());
        appGUI->HideWindow("options");
        SetGameState(GS_LEVEL_RUNNING);
    } else if (guiButtonHit("fullscreen")) {
        ShowFullscreen(true);
    } else if (guiButtonHit("windowed")) {
        ShowFullscreen(false);
    } else if (guiButtonHit("language")) {
        _OnLanguage();
    } else if (guiButtonHit("sound_volume")) {
        SetSoundVolume(optionsVolumes.Sound("options"));
    } else if (guiButtonHit("music_volume")) {
        SetMusicVolume(optionsVolumes.Music("options"));
    }
}

void myGame::EndStory_Update(int) {
    if (!guiButtonHit("story_next")) {
        return;
    }
    BeginFade();
    LoadStoryImage();
    if (!storyImage) {
        appGUI->HideWindow("story");
        _StartEndFade(0.0f);
    }
}
