// The game screen's frame: the map, the board with its effects, the end
// story, then the forms, particles, faders and the fades over everything.
#include <algorithm>

#include "board/board_marks.h"
#include "board/flying_bonus.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "screens/game_screen.h"
#include "screens/progress_screen.h"
#include "toolkit/fader.h"
#include "toolkit/sprite.h"

namespace {

constexpr float SCREEN_WIDTH = 800.0f;
constexpr float SCREEN_HEIGHT = 600.0f;
constexpr int PIECES_LEFT = 336;
constexpr int PIECES_TOP = 120;

void DrawingDefaults() {
    SetColor(255, 255, 255);
    SetScale(1.0f, 1.0f);
    SetRotation(0.0f);
    SetAlpha(1.0f);
}

void BlackVeil(float alpha) {
    SetBlend(BLEND_ALPHA);
    SetAlpha(alpha);
    SetColor(0, 0, 0);
    DrawRect(0.0f, 0.0f, SCREEN_WIDTH, SCREEN_HEIGHT);
    SetAlpha(1.0f);
    SetColor(255, 255, 255);
}

}  // namespace

void myGame::Draw() {
    switch (_gameState) {
        case GS_SHOWING_PROGRESS_BEFORE:
            _DrawMap();
            break;
        case GS_LEVEL_RUNNING:
        case GS_ASK_RETRY:
        case GS_GAME_OVER:
        case GS_LEVEL_FINISHED:
        case GS_SHOWING_PROGRESS_AFTER:
            _DrawBoard();
            break;
        case GS_END_STORY:
            _DrawEndStory();
            break;
        default:
            break;  // give-up and options show only their forms
    }
    _DrawOverlays();
    _AppModule::Draw();
}

void myGame::_DrawMap() {
    DrawingDefaults();
    SetBlend(BLEND_SOLID);
    if (const SpritePtr map = GetSprite("map")) {
        map->DrawDirectEx(0.0f, 0.0f);
    }
    SetBlend(BLEND_ALPHA);
    const ProgressScreenPtr progress = progressScreen::getProgress(iCurrentLevel);
    if (progress && progress->iLocation > 1 && progress->iLocation <= config.MaxLocations()) {
        for (int n = 2; n <= progress->iLocation; ++n) {
            const GamePosition& at = config.locationPositions[n];
            const SpritePtr marker = GetSprite("location" + std::to_string(n));
            if (!at.valid || !marker) {
                continue;  // a position that is not "x,y" draws nothing
            }
            const float scale = n == progress->iLocation ? MapMarkerScale(MilliSecs()) : 1.0f;
            SetScale(scale, scale);
            marker->DrawDirectEx(static_cast<float>(at.x), static_cast<float>(at.y));
        }
        SetScale(1.0f, 1.0f);
    }
    if (iFirstFadeFromBlack > 0) {
        BlackVeil(static_cast<float>(iFirstFadeFromBlack) / 1000.0f);
    }
}

void myGame::_DrawBoard() {
    DrawingDefaults();
    SetBlend(BLEND_SOLID);
    if (const SpritePtr background = GetSprite("background")) {
        const float zoom = BackgroundZoom(MilliSecs());
        SetScale(zoom, zoom);
        background->DrawDirectEx((SCREEN_WIDTH - SCREEN_WIDTH * zoom) / 2.0f,
                                 (SCREEN_HEIGHT - SCREEN_HEIGHT * zoom) / 2.0f);
        SetScale(1.0f, 1.0f);
    }
    const int shadows = GameConfig::At(config.tileSetShadows, _TileSetNumber());
    DrawingDefaults();
    SetBlend(BLEND_ALPHA);
    gameRoute::DrawFadingRoutes(*playGrid);
    if (fPlayGridAlpha > 0.0f) {
        SetAlpha(std::min(fPlayGridAlpha, 1.0f));
        if (shadows != 0) {
            playGrid->DrawDropShadow(squareShadowImage.get(), roundShadowImage.get());
        }
        playGrid->DrawScene(route.get(), startPoint.get(), endPoint.get(), highLight.get());
    }
    SetAlpha(1.0f);
    _DrawKeyboardMarks();
    if (ShowHint == 1) {
        const PointPtr first = hintRoute->First();
        const PointPtr last = hintRoute->Last();
        playGrid->HighlightCell(first.get());
        playGrid->HighlightCell(last.get());
    }
    DrawingDefaults();
    SetBlend(BLEND_ALPHA);
    for (const auto& bonus : flyingBonuses) {
        bonus->Draw();
    }
    if (fScreenFade > 0.0f) {
        BlackVeil(fScreenFade);
    }
    DrawingDefaults();
    SetBlend(BLEND_ALPHA);
    if (_gameState != GS_SHOWING_PROGRESS_AFTER && tutorialImg && ld) {
        DrawImage(tutorialImg, static_cast<float>(ld->tutor_x), static_cast<float>(ld->tutor_y));
    }
    DrawingDefaults();
    _DrawToolTips();
}

void myGame::_DrawPieces() {
    const ProgressScreenPtr progress = progressScreen::getProgress(iCurrentLevel);
    if (!progress) {
        return;
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (progress->iPieces[r * 4 + c] != 0) {
                DrawImage(playGrid->PictureImage(r * 4 + c),
                          static_cast<float>(PIECES_LEFT + BOARD_CELL_WIDTH * c),
                          static_cast<float>(PIECES_TOP + BOARD_CELL_HEIGHT * r));
            }
        }
    }
}

void myGame::_DrawEndStory() {
    DrawingDefaults();
    SetBlend(BLEND_SOLID);
    if (storyImage) {
        DrawImage(storyImage, 0.0f, 0.0f);
    }
}

void myGame::_DrawOverlays() {
    DrawingDefaults();
    if (appGUI) {
        appGUI->Draw();
    }
    // The found pieces sit in the progress form's frame, so they come after the
    // forms; the exit question stands over both.
    if (_gameState == GS_SHOWING_PROGRESS_AFTER && !Relaxed() &&
        !(appGUI && appGUI->IsWindowShowing("exittosystem"))) {
        SetBlend(BLEND_ALPHA);
        _DrawPieces();
        DrawingDefaults();
    }
    DrawParticleEmitters();
    DrawingDefaults();
    scaleFader::Draw(BOARD_CELL_WIDTH / 2.0f, BOARD_CELL_HEIGHT / 2.0f);
    DrawingDefaults();
    if (fFadeAlpha > 0.0f && screenGrabImage) {
        SetBlend(BLEND_ALPHA);
        SetAlpha(std::min(fFadeAlpha, 1.0f));
        DrawImage(screenGrabImage, 0.0f, 0.0f);
        SetAlpha(1.0f);
    }
    if (fFadeOutToEnd >= 0.0f && fFadeOutToEnd <= 1.0f) {
        BlackVeil(fFadeOutToEnd);
    }
}

// The keyboard's tile cursor and the outline of a held tile's partners.
void myGame::_DrawKeyboardMarks() {
    if (_gameState != GS_LEVEL_RUNNING || fPlayGridAlpha <= 0.0f) {
        return;
    }
    if (matchOutline) {
        DrawMatchOutline(*playGrid, *matchOutline);
    }
    if (keyCursorShown && keyCursor) {
        DrawTileCursor(*playGrid, *keyCursor);
    }
}
