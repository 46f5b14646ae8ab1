// Helper of the keyboard story window test, which may send keys only.
//   keyboard_story_helper keys < LINE   the keys that clear a board: LINE is
//       the debug log's "Board ..." line; prints one xdotool key name a line,
//       and "pause" after each pair while its route is drawn.
//   keyboard_story_helper progress      "NAME LEVEL" of the last player in
//       app.dat (the user folder of TESSALUNE_DATA_DIR), as the game reads it.
// The keys walk the tile cursor with the game's own cursor rule, so a cursor
// that cannot reach a tile fails here, loudly.
#include <deque>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "app/settings.h"
#include "board/game_grid.h"
#include "board/solver.h"
#include "board/tile_cursor.h"

namespace {

constexpr CursorDirection DIRECTIONS[] = {CursorDirection::Left, CursorDirection::Right,
                                          CursorDirection::Up, CursorDirection::Down};
const char* const KEY_NAMES[] = {"Left", "Right", "Up", "Down"};

int Fail(const std::string& why) {
    std::cerr << "keyboard_story_helper: " << why << "\n";
    return 1;
}

// "... Board 25x12: v,v,...;v,v,...;..." (rows separated by ';').
GameGridPtr ReadBoard(const std::string& line) {
    const size_t at = line.find("Board ");
    const size_t colon = line.find(':', at);
    if (at == std::string::npos || colon == std::string::npos) {
        return nullptr;
    }
    int width = 0;
    int height = 0;
    char by = 0;
    std::istringstream size(line.substr(at + 6, colon - at - 6));
    if (!(size >> width >> by >> height) || by != 'x') {
        return nullptr;
    }
    GameGridPtr board = gameGrid::Create(width, height, 32, 48, Point(0, 0));
    std::istringstream cells(line.substr(colon + 1));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int value = 0;
            char separator = 0;
            if (!(cells >> value)) {
                return nullptr;
            }
            board->SetCellData(Point(x, y), value);
            cells >> separator;
        }
    }
    return board;
}

int Key(const Point& p) {
    return p.y * 1000 + p.x;
}

// The shortest run of arrow keys that takes the cursor from `from` to `to`.
bool ArrowsTo(const gameGrid& board, const Point& from, const Point& to,
              std::deque<std::string>& keys) {
    std::map<int, std::pair<Point, int>> cameFrom;  // cell -> (previous cell, direction)
    std::deque<Point> queue{from};
    cameFrom[Key(from)] = {from, -1};
    while (!queue.empty() && cameFrom.count(Key(to)) == 0) {
        const Point at = queue.front();
        queue.pop_front();
        for (int d = 0; d < 4; ++d) {
            const Point next = MoveTileCursor(board, at, DIRECTIONS[d]);
            if (cameFrom.emplace(Key(next), std::pair{at, d}).second) {
                queue.push_back(next);
            }
        }
    }
    if (cameFrom.count(Key(to)) == 0) {
        return false;
    }
    std::deque<std::string> path;
    for (Point at = to; Key(at) != Key(from);) {
        const auto& [previous, d] = cameFrom[Key(at)];
        path.push_front(KEY_NAMES[d]);
        at = previous;
    }
    keys.insert(keys.end(), path.begin(), path.end());
    return true;
}

int PrintKeys() {
    std::string line;
    std::getline(std::cin, line);
    const GameGridPtr board = ReadBoard(line);
    if (!board) {
        return Fail("no board in \"" + line + "\"");
    }
    const SolveResult solved = SolveBoard(*board);
    if (solved.outcome != SolveOutcome::Cleared) {
        return Fail("the board cannot be cleared");
    }
    const std::optional<Point> first = FirstTile(*board);
    if (!first) {
        return Fail("the board holds no tile");
    }
    std::deque<std::string> keys{"Up"};  // the first arrow only shows the cursor
    Point cursor = *first;
    for (const CellPair& pair : solved.removals) {
        for (const Point& target : {pair.a, pair.b}) {
            if (!ArrowsTo(*board, cursor, target, keys)) {
                return Fail("the cursor cannot reach " + std::to_string(target.x) + "," +
                            std::to_string(target.y));
            }
            keys.push_back("Return");
            cursor = target;
        }
        keys.push_back("pause");
        board->removePair(pair.a, pair.b);
    }
    for (const std::string& key : keys) {
        std::cout << key << "\n";
    }
    return 0;
}

int PrintProgress() {
    AppConstantsManager::SetScrambling(true);
    AppConstantsManager settings;
    settings.ReadConstants();
    const int player = settings.GetInt(settings_keys::LAST_PLAYER);
    std::cout << settings.GetPlayer(player, settings_keys::PLAYER_NAME) << " "
              << settings.GetPlayerInt(player, settings_keys::PLAYER_LEVEL) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "keys") {
        return PrintKeys();
    }
    if (mode == "progress") {
        return PrintProgress();
    }
    return Fail("usage: keyboard_story_helper keys|progress");
}
