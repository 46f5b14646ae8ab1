// The game screen's levels: loading, the next level, retry, saving progress,
// and the tiles the player picks and removes.
#include "app/app_run.h"
#include "app/assets.h"
#include "app/settings.h"
#include "board/cell_values.h"
#include "board/flying_bonus.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "board/level_shuffler.h"
#include "board/undo_action.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/input.h"
#include "platform/music.h"
#include "screens/game_screen.h"
#include "screens/pair_removal.h"
#include "screens/progress_screen.h"
#include "toolkit/fader.h"
#include "toolkit/particle_emitter.h"

namespace {

const char* const DEFAULT_TILE_SET = "data/game/images/tileset1.png";
constexpr int FLIGHT_STEP_MS = 17;  // the longest frame of the 60 Hz pacing
constexpr int MAX_FLIGHT_MS = 8000;

std::string LevelPath(int level) {
    return "data/game/levels/" + std::to_string(level) + ".dat";
}

// The board as the player sees it, for the debug log: "Board 25x12: " and
// the rows, values split by ',' and rows by ';'.
std::string BoardLine(const gameGrid& board) {
    std::string line =
        "Board " + std::to_string(board.iWidth) + "x" + std::to_string(board.iHeight) + ":";
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            line += std::to_string(board.cellData(Point(x, y)));
            line += x + 1 < board.iWidth ? "," : ";";
        }
    }
    return line;
}

}  // namespace

void myGame::LoadLevel() {
    ld = levelData::Create(LevelPath(iCurrentLevel));
    if (StartLevel() == 0) {
        if (!shuffler) {
            shuffler = levelDataShuffler::Create(*ld);
        } else {
            shuffler->ReShuffle(*ld);
        }
    }
    const int background = Relaxed() ? _RelaxedModebackground : ld->background;
    const std::string backgroundPath = GameConfig::At(config.backgrounds, background);
    if (!backgroundPath.empty()) {
        ReplaceSpriteResource("Background", backgroundPath);
    }
    const int set = _TileSetNumber();
    std::string path = GameConfig::At(config.tileSets, set);
    const int threeD = GameConfig::At(config.tileSet3D, set);
    if (path.empty()) {
        path = DEFAULT_TILE_SET;
    }
    if (path != tileSet) {
        playGrid->loadTileSet(path, threeD);
        tileSet = path;
    }
    playGrid->setLevelData(*ld);
    if (DebugLogEnabled()) {
        DebugLog("Level " + std::to_string(iCurrentLevel) + " " + BoardLine(*playGrid));
    }
    const int limit = ld->timelimit < 0 ? 0 : std::min(ld->timelimit, MAX_TIME_LIMIT_S);
    timeRemainingMS = limit * 1000;
    timeSinceLastGo = 0;
    std::fill(std::begin(collectedPictures), std::end(collectedPictures), 0);
    iTotalCollectedPictures = 0;
    _LoadTutorialPicture();
    FindHintRoute();
    keyCursor.reset();  // a new board: the cursor starts on its first tile
    matchOutline.reset();
    gameRoute::ClearFadingRoutes();
    undoAction::Reset();
    _SetMapCaption();
}

void myGame::_SetMapCaption() {
    const ProgressScreenPtr progress = progressScreen::getProgress(iCurrentLevel);
    if (progress && progress->iLocation > 0 && progress->iLocation <= config.MaxLocations()) {
        appGUI->SetControlCaptionText(
            "mapscreen", "next_level",
            config.level + " " + std::to_string(iCurrentLevel) + ". " +
                GameConfig::At(config.locationNames, progress->iLocation));
    }
}

void myGame::_LoadTutorialPicture() {
    tutorialImg.reset();
    if (ld && !Relaxed() && ld->tutorial > 0 && ld->tutorial <= config.MaxTutorials()) {
        tutorialImg = LoadAssetImage(GameConfig::At(config.tutorials, ld->tutorial), IMG_DEFAULT);
    }
}

int myGame::_TileSetNumber() const {
    return Relaxed() ? _RelaxedModeTileset : (ld ? ld->tileset : 0);
}

void myGame::NextLevel() {
    if (iCurrentLevel == config.numberOfLevels) {
        WriteProgress();  // the last level's score reaches the high scores too
        SetGameState(GS_END_STORY);
        return;
    }
    shuffler.reset();
    ++iCurrentLevel;
    WriteProgress();
    LoadLevel();
    if (playGrid->tileCount(0) == 0) {
        SetGameState(GS_END_STORY);
    }
    SetMusicToCurrentLevel();
    statusText = config.selectFirst;
}

void myGame::RestartLevel() {
    LoadLevel();
    FlushKeys();
    FlushMouse();
    highLight.reset();
    startPoint.reset();
    endPoint.reset();
    ShowHint = 0;
    route->Clear();
    routeFlash = 0;
    statusText = config.selectFirst;
    UpdateStatusText();
}

bool myGame::KeepsProgress() const {
    return !Relaxed() && StartLevel() == 0;
}

void myGame::WriteProgress() {
    if (!KeepsProgress()) {
        return;
    }
    // Points still counting up belong to the score that is kept.
    iCurrentScore += iScoreIncrement;
    iScoreIncrement = 0;
    AppConstantsManager& settings = AppSettings();
    const int player = UserID();
    const std::string score = std::to_string(iCurrentScore);
    if (iCurrentScore > settings.GetInt(settings_keys::HIGH_SCORE)) {
        settings.Set(settings_keys::HIGH_SCORE, score, 1);
    }
    addHighScore(0, iCurrentScore);
    settings.Set(settings_keys::LAST_SCORE, score, 1);
    settings.SetPlayer(player, settings_keys::PLAYER_LEVEL, std::to_string(iCurrentLevel), 1);
    settings.SetPlayer(player, settings_keys::PLAYER_HINTS, std::to_string(iCurrentHints), 1);
    settings.SetPlayer(player, settings_keys::PLAYER_UNDOS, std::to_string(iCurrentUndos), 1);
    settings.SetPlayer(player, settings_keys::PLAYER_RETRIES, std::to_string(iCurrentRetries), 0);
}

void myGame::SetMusicToCurrentLevel() {
    if (Relaxed()) {
        StartSong("music" + std::to_string(_RelaxedModeMusic));
    } else if (ld && ld->music > 0 && ld->music <= CountSongs()) {
        StartSong("music" + std::to_string(ld->music));
    }
}

void myGame::FindHintRoute() {
    playGrid->FindHintRoute(*hintRoute, 0);
}

void myGame::IncrementScore() {
    if (iScoreIncrement > 0) {
        ++iCurrentScore;
        --iScoreIncrement;
    }
}

void myGame::BeginFade() {
    fFadeAlpha = 0.0f;  // the grab must not show the previous one
    screenGrab();
    fFadeAlpha = 1.0f;
}

void myGame::LoadStoryImage() {
    if (iStoryImageNumber > 0 && iStoryImageNumber <= config.NumberEndStory()) {
        storyImage =
            LoadAssetImage(GameConfig::At(config.endStory, iStoryImageNumber), IMG_DEFAULT);
        ++iStoryImageNumber;
    } else {
        storyImage.reset();
    }
}

void myGame::MouseSelect() {
    if (!highLight) {
        return;
    }
    if (!startPoint) {
        startPoint = highLight->Copy();
        PlaySoundByName("ChooseFirst");
        statusText = config.selectNext;
        return;
    }
    if (endPoint) {
        route->Clear();
        startPoint = highLight->Copy();
        endPoint.reset();
        return;
    }
    endPoint = highLight->Copy();
    if (endPoint->Equals(*startPoint) != 0) {
        startPoint.reset();
        endPoint.reset();
        statusText = config.selectFirst;
        PlaySoundByName("ChooseFirst");
    } else if (playGrid->CellDataMatch(startPoint.get(), endPoint.get()) == 0) {
        startPoint.reset();
        endPoint.reset();
        statusText = config.noMatch;
        PlaySoundByName("Wrong");
    } else {
        playGrid->FindRoute(*startPoint, *endPoint, *route, 0);
        if (route->IsEmpty() != 0) {
            startPoint.reset();
            endPoint.reset();
            statusText = config.noRoute;
            PlaySoundByName("Wrong");
        } else {
            routeFlash = MilliSecs();
            statusText = config.selectFirst;
            PlaySoundByName("ChooseFirst");
        }
    }
}

void myGame::RemoveSelectedTiles() {
    if (!startPoint || !endPoint) {
        routeFlash = 0;
        return;
    }
    ShowHint = 0;
    routeFlash = 0;
    timeSinceLastGo = 0;
    const Point a = *startPoint;
    const Point b = *endPoint;
    const RemovalOutcome outcome = DecideRemoval(_RemovalScene(a, b));
    iScoreIncrement += outcome.points;
    undoAction::pushUndoAction(playGrid->cellData(a), playGrid->cellData(b), a, b);
    _PlayRemoval(a, b, outcome);
    for (const Pickup& pickup : outcome.pickups) {
        if (pickup.kind == PickupKind::PIECE) {
            collectedPictures[iTotalCollectedPictures++] = pickup.piece;
        } else if (pickup.kind == PickupKind::NO_ROOM) {
            DebugLog("***Error: more than 16 picture pieces on level " +
                     std::to_string(iCurrentLevel) + ", piece ignored***");
        }
    }
    timeRemainingMS = outcome.timeRemainingMs;
    playGrid->removePair(a, b);
    for (const Point& cell : {a, b}) {
        if (_OnLevel(cell)) {
            ld->bonus[cell.x][cell.y] = 0;
        }
    }
    if (DebugLogEnabled()) {
        DebugLog("Pair removed");
    }
    gameRoute::AddFadingRoute(*route);
    route->Clear();
    startPoint.reset();
    endPoint.reset();
    highLight.reset();
    FindHintRoute();
}

bool myGame::_OnLevel(const Point& cell) {
    return cell.x >= 0 && cell.x < LEVEL_COLUMNS && cell.y >= 0 && cell.y < LEVEL_ROWS;
}

RemovalScene myGame::_RemovalScene(const Point& a, const Point& b) const {
    RemovalScene scene;
    scene.start = a;
    scene.end = b;
    scene.startBonus = _OnLevel(a) ? ld->bonus[a.x][a.y] : 0;
    scene.endBonus = _OnLevel(b) ? ld->bonus[b.x][b.y] : 0;
    scene.startLevelTile = _OnLevel(a) ? ld->grid[a.x][a.y] : 0;
    scene.relaxed = Relaxed();
    scene.flowersBonus = ld->flowersbonus;
    scene.timeRemainingMs = timeRemainingMS;
    scene.collectedPieces = iTotalCollectedPictures;
    return scene;
}

void myGame::_PlayRemoval(const Point& a, const Point& b, const RemovalOutcome& outcome) {
    const int t1 = playGrid->cellData(a);
    const int t2 = playGrid->cellData(b);
    for (int pass = 0; pass < 2; ++pass) {
        const float alpha = pass == 0 ? 1.0f : 0.5f;
        const float scale = pass == 0 ? 1.0f : 1.3f;
        const float alphaSpeed = pass == 0 ? 1.0f : 1.5f;
        const float scaleSpeed = pass == 0 ? 1.0f : 1.8f;
        for (const auto& [cell, tile] : {std::pair{a, t1}, std::pair{b, t2}}) {
            scaleFader::Create(playGrid->normalImage(tile - FIRST_TILE_VALUE),
                               static_cast<float>(playGrid->_cellStartX(cell.x)),
                               static_cast<float>(playGrid->_cellStartY(cell.y)), alpha, scale,
                               alphaSpeed, scaleSpeed);
        }
    }
    for (const Pickup& pickup : outcome.pickups) {
        _PlayPickup(pickup);
    }
    if (outcome.flowerTime) {
        ParticleEmitOverControlCaptionRegion("statusbar", "sb_time", 20, "bonusfly");
    }
    PlaySoundByName(outcome.sound);
}

void myGame::_PlayPickup(const Pickup& pickup) {
    const Point& cell = pickup.cell;
    const float x = static_cast<float>(playGrid->_cellCentreX(cell.x));
    const float y = static_cast<float>(playGrid->_cellCentreY(cell.y));
    if (const EmitterPtr emitter = GetEmitter("bonuscollect")) {
        emitter->DoBurst(x, y, 1);
    }
    if (pickup.kind == PickupKind::FLIES) {
        makeFlyingBonus(pickup.code, x, y, pickup.control);
    } else if (pickup.kind == PickupKind::PIECE) {
        scaleFader::Create(
            playGrid->PictureImage(pickup.piece), static_cast<float>(playGrid->_cellStartX(cell.x)),
            static_cast<float>(playGrid->_cellStartY(cell.y)), 1.0f, 1.5f, 0.7f, 0.5f);
    }
}

void myGame::makeFlyingBonus(int code, float x, float y, const std::string& control) {
    const ImagePtr image = playGrid->bonusImage(code - 1);
    const __Rect target = appGUI->GetControlCaptionRegion("statusbar", control);
    flyingBonuses.push_back(flyingBonus::CreateFB(
        control, image, x, y, 60.0f, static_cast<float>((target.xs + target.xe) / 2),
        static_cast<float>((target.ys + target.ye) / 2), 15.0f));
}

void myGame::_UpdateFlyingBonuses(int dt) {
    if (flyingBonuses.empty()) {
        return;
    }
    const EmitterPtr trail = OptionalEmitter("bonusfly");
    for (auto it = flyingBonuses.begin(); it != flyingBonuses.end();) {
        flyingBonus& bonus = **it;
        if (trail) {
            const int x = static_cast<int>(bonus.vPos._x + BOARD_CELL_WIDTH / 2);
            const int y = static_cast<int>(bonus.vPos._y + BOARD_CELL_HEIGHT / 2);
            trail->DoBurst(static_cast<float>(x), static_cast<float>(y), 0);
        }
        // The flight steers once per update: once per frame at 60 Hz, and a longer
        // frame is cut into equal pieces no longer than a 60 Hz frame, so the path
        // stays the same at low frame rates; a flight that still misses lands late.
        const int pieces = (dt + FLIGHT_STEP_MS - 1) / FLIGHT_STEP_MS;
        int arrived = 0;
        for (int i = 0; i < pieces && arrived == 0; ++i) {
            arrived = bonus.Update(dt * (i + 1) / pieces - dt * i / pieces) == 0 ? 1 : 0;
        }
        int& age = flightAges[&bonus];
        age += dt;
        if (arrived != 0 || age > MAX_FLIGHT_MS) {
            flightAges.erase(&bonus);
            ParticleEmitOverControlCaptionRegion("statusbar", bonus.control, 20, "bonusfly");
            _ApplyBonus(bonus.control);
            it = flyingBonuses.erase(it);
        } else {
            ++it;
        }
    }
}

void myGame::_ApplyBonus(const std::string& control) {
    if (control == "sb_undos") {
        ++iCurrentUndos;
    } else if (control == "sb_retries") {
        ++iCurrentRetries;
    } else if (control == "sb_hints") {
        ++iCurrentHints;
    } else if (control == "sb_score") {
        iScoreIncrement += POINTS_PER_SCORE_ITEM;
    } else if (control == "sb_time") {
        timeRemainingMS += (ld ? ld->timebonus : 0) * 1000;
    }
}
