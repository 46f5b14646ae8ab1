// The game screen in another language: a choice in the options takes effect
// at once, in the status line, the captions, the map's caption and the
// tutorial picture.
#include "app/app_module.h"
#include "app/languages.h"
#include "screens/game_screen.h"

namespace {

// The status texts a game screen shows, as its configuration holds them.
constexpr std::string GameConfig::*STATUS_TEXTS[] = {
    &GameConfig::selectFirst, &GameConfig::selectNext,  &GameConfig::noMatch,
    &GameConfig::noRoute,     &GameConfig::noMoreMoves, &GameConfig::useUndoOrRetry,
    &GameConfig::timeUp,      &GameConfig::finished,
};

// The same status text in the new configuration; other text stays as it is.
std::string Translated(const std::string& text, const GameConfig& before, const GameConfig& after) {
    for (const auto member : STATUS_TEXTS) {
        if (before.*member == text) {
            return after.*member;
        }
    }
    return text;
}

}  // namespace

void myGame::_OnLanguage() {
    const GameConfig before = config;
    ApplyLocaleFile(NextLocaleFile(ChosenLocaleFile()));
    config = ReadGameConfig(*this);
    statusText = Translated(statusText, before, config);
    _LoadTutorialPicture();
    _SetMapCaption();
}
