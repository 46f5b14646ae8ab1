#include "game_screen_test_support.h"

#include "app/app_module.h"
#include "app/app_run.h"
#include "screens/start_game.h"

std::shared_ptr<myGame> GameScreenTest::StartStory(int level, int hints, int undos, int retries) {
    AppConstantsManager& settings = AppSettings();
    settings.Set(settings_keys::LAST_PLAYER, std::to_string(PLAYER), 1);
    settings.SetPlayer(PLAYER, settings_keys::PLAYER_NAME, "Tess", 1);
    settings.SetPlayer(PLAYER, settings_keys::PLAYER_LEVEL, std::to_string(level), 1);
    settings.SetPlayer(PLAYER, settings_keys::PLAYER_HINTS, std::to_string(hints), 1);
    settings.SetPlayer(PLAYER, settings_keys::PLAYER_UNDOS, std::to_string(undos), 1);
    settings.SetPlayer(PLAYER, settings_keys::PLAYER_RETRIES, std::to_string(retries), 0);
    StartGame(0, 0, 0, 0, 0);
    _AppModule::BeginApp();
    return Game();
}

std::shared_ptr<myGame> GameScreenTest::StartRelaxed(int level) {
    StartGame(1, level, 3, 6, 12);
    _AppModule::BeginApp();
    return Game();
}

std::shared_ptr<myGame> GameScreenTest::StartCommandLine(int level) {
    SetStartLevel(level);
    StartGame(0, 1, 1, 1, 1);
    _AppModule::BeginApp();
    return Game();
}

std::shared_ptr<myGame> GameScreenTest::Game() {
    return std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
}

void GameScreenTest::ClickCell(const myGame& game, const Point& cell) {
    Click(game.playGrid->_cellCentreX(cell.x), game.playGrid->_cellCentreY(cell.y));
}

void GameScreenTest::EnterLevel() {
    Click(400, 300);
}

bool GameScreenTest::RemovePair(myGame& game, const CellPair& pair) {
    ClickCell(game, pair.a);
    ClickCell(game, pair.b);
    for (int i = 0; i < 200 && game.routeFlash != 0; ++i) {
        StepFrames(1);
    }
    return game.routeFlash == 0 && game.playGrid->cellData(pair.a) == 0 &&
           game.playGrid->cellData(pair.b) == 0;
}

bool GameScreenTest::StepUntilState(const myGame& game, int state, int maxFrames) {
    for (int i = 0; i < maxFrames && game.GameState() != state; ++i) {
        StepFrames(1);
    }
    return game.GameState() == state;
}

std::string GameScreenTest::StoredPlayer(const SettingKey& key) {
    return Stored(PlayerKey(PLAYER, key));
}
