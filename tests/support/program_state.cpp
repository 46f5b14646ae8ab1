#include "support/program_state.h"

#include "app/app_module.h"
#include "app/app_run.h"
#include "app/assets.h"
#include "app/locale_strings.h"
#include "app/settings.h"
#include "board/game_route.h"
#include "board/undo_action.h"
#include "forms/gui.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/numbers.h"
#include "screens/game_screen.h"
#include "toolkit/animation_controller.h"
#include "toolkit/bitmap_bank.h"
#include "toolkit/fader.h"

namespace {
constexpr int START_SEED = 0x5eed;  // the generator's own start seed
}  // namespace

void ResetProgramState() {
    for (auto& slot : _AppModule::appModules) {
        slot.reset();
    }
    _AppModule::currentModule = -1;
    _AppModule::lastTickMS = 0;
    _AppModule::loadingProgress = 0;
    _AppModule::appGUI.reset();
    _qxGUI::Reset();
    _AppModule::appRenderState.reset();
    _AppModule::currentPlayerName.clear();
    for (auto& table : _AppModule::highScores) {
        for (auto& entry : table) {
            entry.reset();
        }
    }
    ResetAppSettings();
    AppConstantsManager::SetScrambling(false);
    localeStringManager::Reset();
    SetStartLevel(0);
    myGame::timeBonusCounterMs = 0;
    undoAction::Reset();
    gameRoute::ClearFadingRoutes();
    scaleFader::Clear();
    BitmapBank() = _kwa_BitmapResourceBank();
    AnimationControllerBank() = _kwa_SpriteAnimationControllerBank();
    ResetMusicService();
    SetArchivePrefix("");
    FlushKeys();
    FlushMouse();
    SeedRnd(START_SEED);
}
