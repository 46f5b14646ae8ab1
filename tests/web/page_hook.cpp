// What the browser tests read from the running game, in game pixels: the
// screen and forms showing, a control's centre, and a pair the board can join
// now. Linked into the browser build only; the page calls these through
// Module.ccall.
#include <emscripten.h>

#include <string>

#include "app/app_module.h"
#include "board/game_grid.h"
#include "board/solver.h"
#include "forms/gui.h"
#include "screens/game_screen.h"

namespace {

std::string& Answer() {
    static std::string answer;
    return answer;
}

const char* Reply(std::string text) {
    Answer() = std::move(text);
    return Answer().c_str();
}

myGame* Game() {
    return dynamic_cast<myGame*>(_AppModule::appModules[APP_GAME].get());
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

extern "C" {

// {"module":1,"forms":["menu"],"player":"Ann","level":3,"state":2,"tiles":144}
EMSCRIPTEN_KEEPALIVE const char* tess_test_state() {
    std::string forms;
    if (_AppModule::appGUI) {
        for (const auto& [name, window] : _AppModule::appGUI->windows) {
            if (window && window->isVisible) {
                forms += (forms.empty() ? "" : ",") + Quoted(name);
            }
        }
    }
    std::string json = "{\"module\":" + std::to_string(_AppModule::currentModule) + ",\"forms\":[" +
                       forms + "],\"player\":" + Quoted(_AppModule::currentPlayerName);
    const myGame* game = _AppModule::currentModule == APP_GAME ? Game() : nullptr;
    if (game != nullptr && game->playGrid) {
        json += ",\"level\":" + std::to_string(game->iCurrentLevel) +
                ",\"state\":" + std::to_string(game->GameState()) +
                ",\"tiles\":" + std::to_string(game->playGrid->tileCount(0));
    }
    return Reply(json + "}");
}

// "x y": the centre of a control of a showing form, or "" when there is none.
EMSCRIPTEN_KEEPALIVE const char* tess_test_control(const char* form, const char* control) {
    const auto& gui = _AppModule::appGUI;
    if (!gui || form == nullptr || control == nullptr || gui->IsWindowShowing(form) == 0) {
        return Reply("");
    }
    const auto found = gui->GetControl(form, control);
    if (!found) {
        return Reply("");
    }
    const __Rect r = found->position;
    return Reply(std::to_string((r.xs + r.xe) / 2) + " " + std::to_string((r.ys + r.ye) / 2));
}

// "ax ay bx by": the centres of the cells of a pair the board joins now.
EMSCRIPTEN_KEEPALIVE const char* tess_test_pair() {
    const myGame* game = _AppModule::currentModule == APP_GAME ? Game() : nullptr;
    if (game == nullptr || !game->playGrid) {
        return Reply("");
    }
    const gameGrid& grid = *game->playGrid;
    const auto pairs = JoinablePairs(grid);
    if (pairs.empty()) {
        return Reply("");
    }
    const CellPair& pair = pairs.front();
    return Reply(std::to_string(grid._cellCentreX(pair.a.x)) + " " +
                 std::to_string(grid._cellCentreY(pair.a.y)) + " " +
                 std::to_string(grid._cellCentreX(pair.b.x)) + " " +
                 std::to_string(grid._cellCentreY(pair.b.y)));
}

}  // extern "C"
