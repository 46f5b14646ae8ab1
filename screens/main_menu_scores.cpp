// The main menu's high-score table: the ten best of table 0.
#include "forms/gui.h"
#include "screens/main_menu.h"
#include "screens/main_menu_forms.h"

std::string myMainMenu::formatHighScoreString(int64_t score, const std::string& name) {
    return std::to_string(score) + "....." + name;
}

void myMainMenu::UpdateHighScoreText() {
    for (int i = 0; i < menu_forms::HIGH_SCORE_ROWS; ++i) {
        const std::string text = highScores[0][i] ? formatHighScoreString(getHighScoreValue(0, i),
                                                                          getHighScoreName(0, i))
                                                  : std::string();
        appGUI->SetControlCaptionText(menu_forms::HIGH_SCORES, "hs" + std::to_string(i), text);
    }
}

void myMainMenu::_OnHighScores(int /*n*/) {
    beginFadeImage();
    UpdateHighScoreText();
    appGUI->HideWindow(menu_forms::MENU);
    appGUI->ShowWindow(menu_forms::HIGH_SCORES, 1);
}

void myMainMenu::_OnHighScoresBack(int /*n*/) {
    beginFadeImage();
    appGUI->HideWindow(menu_forms::HIGH_SCORES);
    appGUI->ShowWindow(menu_forms::MENU, 1);
}
