// The game screen's status bar: its texts, its buttons and their pulses.
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/undo_action.h"
#include "forms/gui.h"
#include "screens/game_screen.h"
#include "toolkit/fader.h"
#include "toolkit/sprite.h"

void myGame::UpdateStatusText() {
    if (!appGUI) {
        return;
    }
    if (Relaxed()) {
        appGUI->SetControlCaptionText("statusbar", "sb_score", "");
        appGUI->SetControlCaptionText("statusbar", "sb_time", "");
    } else {
        appGUI->SetControlCaptionText("statusbar", "sb_score", ScoreText(iCurrentScore));
        appGUI->SetControlCaptionText("statusbar", "sb_time",
                                      std::to_string(timeRemainingMS / 1000));
    }
    appGUI->SetControlCaptionText("statusbar", "sb_undos", std::to_string(iCurrentUndos));
    appGUI->SetControlCaptionText("statusbar", "sb_retries", std::to_string(iCurrentRetries));
    appGUI->SetControlCaptionText("statusbar", "sb_hints", std::to_string(iCurrentHints));
    appGUI->SetControlCaptionText("statusbar", "sb_status", statusText);
}

int myGame::ProcessGUIButtons() {
    if (_StatusPressed("sb_undo", 'U') && iCurrentUndos > 0) {
        if (const UndoActionPtr undo = undoAction::popUndoAction()) {
            --iCurrentUndos;
            if (undo->Point1) {
                playGrid->SetCellData(*undo->Point1, undo->iTile1);
            }
            if (undo->Point2) {
                playGrid->SetCellData(*undo->Point2, undo->iTile2);
            }
            FindHintRoute();
            ShowHint = 0;
            statusText = config.selectFirst;
            timeSinceLastGo = 0;
        }
        return 0;
    }
    if (_StatusPressed("sb_retry", 'R') && iCurrentRetries > 0) {
        if (hintRoute->IsEmpty() != 0 || timeRemainingMS == 0) {
            --iCurrentRetries;
            RestartLevel();
        } else {
            SetGameState(GS_ASK_RETRY);
        }
        return 1;
    }
    if (_StatusPressed("sb_hint", 'H') && iCurrentHints > 0) {
        if (hintRoute->IsEmpty() == 0) {
            if (ShowHint != 0) {
                playGrid->FindHintRoute(*hintRoute, 1);
            }
            ShowHint = 1;
            --iCurrentHints;
        }
        timeSinceLastGo = 0;
        return 0;
    }
    if (guiButtonHit("sb_giveup")) {
        SetGameState(GS_ASK_GIVEUP);
        return 0;
    }
    if (_StatusPressed("sb_options", 'O')) {
        OpenOptions();
    }
    return 0;
}

void myGame::OpenOptions() {
    SetGameState(GS_SHOWING_OPTIONS);
    optionsVolumes.Open("options");
    appGUI->ShowWindow("options", 1);
}

void myGame::_Pulse(const std::string& sprite, const std::string& control) {
    const SpritePtr pulse = GetSprite(sprite);
    if (!pulse) {
        return;
    }
    const __Rect region = appGUI->GetControlCaptionRegion("statusbar", control);
    scaleFader::Create(pulse->Image(), static_cast<float>(region.xs), static_cast<float>(region.ys),
                       1.0f, 1.0f, 1.0f, 1.0f);
}

void myGame::_DrawToolTips() {
    std::string tip;
    if (appGUI && !appGUI->modalWindow) {
        if (appGUI->MouseOver("statusbar", "sb_hint") != 0) {
            tip = "tiphint";
        } else if (appGUI->MouseOver("statusbar", "sb_undo") != 0) {
            tip = "tipundo";
        } else if (appGUI->MouseOver("statusbar", "sb_retry") != 0) {
            tip = "tipretry";
        }
    }
    const SpritePtr sprite = tip.empty() ? nullptr : GetSprite(tip);
    if (sprite && tip != shownTip) {
        sprite->ResetTime();  // each tip grows in afresh
    }
    shownTip = tip;
    if (sprite) {
        sprite->Draw(static_cast<float>(lastFrameMs) * 0.001f);
    }
}
