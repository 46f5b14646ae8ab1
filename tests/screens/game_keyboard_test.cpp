// Keyboard play on the game screen: the tile cursor, Enter as a click, the
// status bar's keys against their buttons, the match outline, and the keys
// that leave the map and progress screens.
#include <algorithm>

#include <gtest/gtest.h>

#include "board/cell_values.h"
#include "board/tile_cursor.h"
#include "board/undo_action.h"
#include "game_screen_test_support.h"
#include "platform/input.h"
#include "platform/test_seams.h"
#include "screens/start_game.h"

namespace {

void PressKey(int key) {
    InjectKey(key, true);
    ShippedDataTest::StepFrames(1);
    InjectKey(key, false);
}

bool SameCell(const Point* a, const Point& b) {
    return a && a->x == b.x && a->y == b.y;
}

// Shows the cursor (an arrow's first press) and puts it on a cell.
void CursorTo(myGame& game, const Point& cell) {
    if (!game.keyCursorShown) {
        PressKey(KEY_LEFT);
    }
    game.keyCursor = cell.Copy();
}

// Two tiles that do not match.
std::pair<Point, Point> MismatchedTiles(const gameGrid& board) {
    std::vector<Point> tiles;
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            if (IsTileValue(board.cellData(Point(x, y)))) {
                tiles.emplace_back(x, y);
            }
        }
    }
    for (const Point& a : tiles) {
        for (const Point& b : tiles) {
            if (board.CellDataMatch(&a, &b) == 0) {
                return {a, b};
            }
        }
    }
    return {};
}

}  // namespace

// The cursor shows with the first arrow on the board's first tile, follows
// the board's cursor rule, hides when the mouse moves; Enter on its tile does
// what a click there does, and clicks and keys mix.
TEST_F(GameScreenTest, TileCursorAndEnterPlayLikeClicks) {
    const auto game = StartStory(7);
    ASSERT_TRUE(game);
    PressKey(KEY_ENTER);  // the map screen goes on with Enter
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    StepFrames(70);
    const gameGrid& board = *game->playGrid;
    EXPECT_FALSE(game->keyCursorShown);

    PressKey(KEY_RIGHT);
    ASSERT_TRUE(game->keyCursorShown);
    Point expected = *FirstTile(board);
    EXPECT_TRUE(SameCell(game->keyCursor.get(), expected));
    for (const auto& [key, direction] :
         {std::pair{KEY_RIGHT, CursorDirection::Right}, std::pair{KEY_DOWN, CursorDirection::Down},
          std::pair{KEY_RIGHT, CursorDirection::Right}, std::pair{KEY_UP, CursorDirection::Up},
          std::pair{KEY_LEFT, CursorDirection::Left}}) {
        PressKey(key);
        expected = MoveTileCursor(board, expected, direction);
        EXPECT_TRUE(SameCell(game->keyCursor.get(), expected));
        EXPECT_TRUE(IsTileValue(board.cellData(expected)));
    }
    EXPECT_TRUE(SameCell(game->highLight.get(), expected));  // the cursor's tile is lifted
    // Two presses within one frame move it twice.
    for (int press = 0; press < 2; ++press) {
        InjectKey(KEY_DOWN, true);
        InjectKey(KEY_DOWN, false);
    }
    StepFrames(1);
    expected = MoveTileCursor(board, MoveTileCursor(board, expected, CursorDirection::Down),
                              CursorDirection::Down);
    EXPECT_TRUE(SameCell(game->keyCursor.get(), expected));
    StepFrames(2);
    SaveFrame("keyboard_cursor");
    InjectMouseMove(5, 5);
    StepFrames(1);
    EXPECT_FALSE(game->keyCursorShown);

    const std::vector<CellPair> pairs = JoinablePairs(board);
    ASSERT_GE(pairs.size(), 2u);
    const CellPair first = pairs[0];
    // Enter on a tile selects it; Enter on it again lets it go, as clicks do.
    CursorTo(*game, first.a);
    PressKey(KEY_ENTER);
    EXPECT_TRUE(SameCell(game->startPoint.get(), first.a));
    EXPECT_EQ(game->statusText, game->config.selectNext);
    PressKey(KEY_ENTER);
    EXPECT_FALSE(game->startPoint);
    EXPECT_EQ(game->statusText, game->config.selectFirst);

    // A click, then Enter: the pair goes with its route, points and undo record.
    ClickCell(*game, first.a);
    EXPECT_FALSE(game->keyCursorShown);
    CursorTo(*game, first.b);
    PressKey(KEY_ENTER);
    EXPECT_NE(game->routeFlash, 0);
    PressKey(KEY_ENTER);  // dropped while the match is pending, like a click
    for (int i = 0; i < 200 && game->routeFlash != 0; ++i) {
        StepFrames(1);
    }
    EXPECT_EQ(board.cellData(first.a), CELL_EMPTY);
    EXPECT_EQ(board.cellData(first.b), CELL_EMPTY);
    EXPECT_EQ(game->iCurrentScore + game->iScoreIncrement, 10);
    EXPECT_EQ(undoAction::Size(), 1);
    EXPECT_FALSE(game->startPoint);

    // Enter, then a click on a tile that does not match: "NoMatch".
    const auto [x, y] = MismatchedTiles(board);
    CursorTo(*game, x);
    PressKey(KEY_ENTER);
    ClickCell(*game, y);
    EXPECT_EQ(game->statusText, game->config.noMatch);
    EXPECT_FALSE(game->startPoint);
    EXPECT_FALSE(game->endPoint);
}

// Each status key does what its button does, counters included; the
// dialogs they open answer Escape and Tab + Enter.
class StatusKeyTest : public GameScreenTest, public ::testing::WithParamInterface<bool> {
protected:
    static void Press(int key, const char* button) {
        if (GetParam()) {
            PressKey(key);
        } else {
            ClickControl("statusbar", button);
        }
    }
};

TEST_P(StatusKeyTest, StatusKeysDoWhatTheirButtonsDo) {
    const bool keys = GetParam();
    const auto game = StartStory(7, 2, 1, 1);
    ASSERT_TRUE(game);
    EnterLevel();
    StepFrames(70);
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);

    Press('H', "sb_hint");
    EXPECT_EQ(game->iCurrentHints, 1);
    EXPECT_EQ(game->ShowHint, 1);
    Press('H', "sb_hint");  // the next hint costs another
    EXPECT_EQ(game->iCurrentHints, 0);
    Press('H', "sb_hint");  // none left: nothing
    EXPECT_EQ(game->iCurrentHints, 0);

    const CellPair pair = JoinablePairs(*game->playGrid)[0];
    const int a = game->playGrid->cellData(pair.a);
    ASSERT_TRUE(RemovePair(*game, pair));
    Press('U', "sb_undo");
    EXPECT_EQ(game->iCurrentUndos, 0);
    EXPECT_EQ(game->playGrid->cellData(pair.a), a);
    Press('U', "sb_undo");  // none left
    EXPECT_EQ(game->playGrid->cellData(pair.a), a);

    Press('R', "sb_retry");  // moves and time left: the question
    EXPECT_EQ(game->GameState(), GS_ASK_RETRY);
    EXPECT_EQ(game->iCurrentRetries, 1);
    StepFrames(40);
    if (keys) {
        PressKey(KEY_ESCAPE);  // the form's "No"
        StepFrames(1);
    } else {
        ClickControl("retry", "retry_no");
    }
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentRetries, 1);

    Press('O', "sb_options");
    EXPECT_EQ(game->GameState(), GS_SHOWING_OPTIONS);
    StepFrames(40);
    if (keys) {
        const formFocus& focus = _AppModule::appGUI->focus;
        for (int i = 0; i < 10 && focus.FocusedControl() != "options_accept"; ++i) {
            PressKey(KEY_TAB);
        }
        EXPECT_EQ(focus.FocusedForm(), "options");
        EXPECT_EQ(focus.FocusedControl(), "options_accept");
        SaveFrame("keyboard_focus_options_in_game");
        PressKey(KEY_ENTER);
        StepFrames(1);
    } else {
        ClickControl("options", "options_accept");
    }
    EXPECT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    EXPECT_EQ(game->iCurrentHints, 0);
    EXPECT_EQ(game->iCurrentUndos, 0);
    EXPECT_EQ(game->iCurrentRetries, 1);
}

INSTANTIATE_TEST_SUITE_P(KeysAndButtons, StatusKeyTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "keys" : "buttons"; });

// In a command-line start H, U and R keep their developer meaning.
TEST_F(GameScreenTest, DeveloperKeysKeepTheirMeaning) {
    const auto game = StartCommandLine(7);
    ASSERT_TRUE(game);
    ASSERT_EQ(game->developerKeys, 1);
    StepFrames(10);
    const int hints = game->iCurrentHints;
    const int undos = game->iCurrentUndos;
    PressKey('H');
    PressKey('U');
    EXPECT_EQ(game->iCurrentHints, hints + 1);
    EXPECT_EQ(game->iCurrentUndos, undos + 1);
    EXPECT_EQ(game->ShowHint, 0);
    PressKey('O');  // no developer key: the options
    EXPECT_EQ(game->GameState(), GS_SHOWING_OPTIONS);
}

// Holding the right button on a tile, or M on the cursor's tile, outlines
// every tile that matches it by the game's rule, families included, and
// costs nothing; letting go takes the outline away.
TEST_F(GameScreenTest, MatchOutlineFollowsTheMatchingRule) {
    const auto game = StartStory(7, 1, 1, 1);
    ASSERT_TRUE(game);
    EnterLevel();
    StepFrames(70);
    gameGrid& board = *game->playGrid;
    // Three tiles become two of one family and one of the other.
    std::vector<Point> tiles;
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            if (IsTileValue(board.cellData(Point(x, y)))) {
                tiles.emplace_back(x, y);
            }
        }
    }
    ASSERT_GE(tiles.size(), 6u);
    const Point family = tiles[0];
    const Point kin = tiles[2];
    const Point other = tiles[4];
    board.SetCellData(family, FIRST_GROUP_A);
    board.SetCellData(kin, LAST_GROUP_A);
    board.SetCellData(other, FIRST_GROUP_B);
    Point plain = tiles[1];
    for (const Point& tile : tiles) {
        if (!IsGroupValue(board.cellData(tile))) {
            plain = tile;
            break;
        }
    }
    const auto partners = [&](const Point& cell) {
        std::vector<Point> found;
        for (int y = 0; y < board.iHeight; ++y) {
            for (int x = 0; x < board.iWidth; ++x) {
                const int value = board.cellData(Point(x, y));
                if ((x != cell.x || y != cell.y) && IsTileValue(value) &&
                    CellValuesMatch(value, board.cellData(cell))) {
                    found.emplace_back(x, y);
                }
            }
        }
        return found;
    };
    const int score = game->iCurrentScore + game->iScoreIncrement;

    InjectMouseMove(board._cellCentreX(family.x), board._cellCentreY(family.y));
    InjectMouseButton(2, true);
    StepFrames(2);
    ASSERT_TRUE(SameCell(game->matchOutline.get(), family));
    const std::vector<Point> shown = MatchingTiles(board, family);
    const std::vector<Point> expected = partners(family);
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(SameCell(&shown[i], expected[i]));
    }
    EXPECT_TRUE(
        std::any_of(shown.begin(), shown.end(), [&](const Point& p) { return SameCell(&p, kin); }));
    EXPECT_FALSE(std::any_of(shown.begin(), shown.end(),
                             [&](const Point& p) { return SameCell(&p, other); }));
    SaveFrame("keyboard_match_outline_family");
    // The partner's frame is drawn in its bright colour just left of its cell.
    const uint32_t edge = ScreenPixel(board._cellStartX(kin.x) - 3, board._cellCentreY(kin.y));
    EXPECT_GT(edge & 0xFF, 180u) << std::hex << edge;
    EXPECT_LT((edge >> 16) & 0xFF, 140u) << std::hex << edge;
    InjectMouseButton(2, false);
    StepFrames(2);
    EXPECT_FALSE(game->matchOutline);

    // M on the cursor's plain tile.
    CursorTo(*game, plain);
    InjectKey('M', true);
    StepFrames(2);
    ASSERT_TRUE(SameCell(game->matchOutline.get(), plain));
    EXPECT_EQ(MatchingTiles(board, plain).size(), partners(plain).size());
    SaveFrame("keyboard_match_outline_plain");
    InjectKey('M', false);
    StepFrames(1);
    EXPECT_FALSE(game->matchOutline);
    EXPECT_EQ(game->iCurrentScore + game->iScoreIncrement, score);
    EXPECT_EQ(game->iCurrentHints, 1);
    EXPECT_EQ(game->iCurrentUndos, 1);
    EXPECT_EQ(game->iCurrentRetries, 1);
}

// The cursor and the outline stand out over the darkest and the lightest
// background: their bright frame is far brighter than the dark one around it.
class MarkBackgroundTest : public GameScreenTest, public ::testing::WithParamInterface<int> {};

TEST_P(MarkBackgroundTest, CursorAndOutlineShowOverTheBackground) {
    const int background = GetParam();
    StartGame(1, 3, 1, 1, background);
    _AppModule::BeginApp();
    const auto game = Game();
    ASSERT_TRUE(game);
    StepFrames(70);
    ASSERT_EQ(game->GameState(), GS_LEVEL_RUNNING);
    const gameGrid& board = *game->playGrid;
    PressKey(KEY_DOWN);
    ASSERT_TRUE(game->keyCursorShown && game->keyCursor);
    const Point cursor = *game->keyCursor;
    const std::vector<Point> partners = MatchingTiles(board, cursor);
    ASSERT_FALSE(partners.empty());
    InjectKey('M', true);
    StepFrames(2);
    SaveFrame("keyboard_marks_background" + std::to_string(background));
    InjectKey('M', false);
    // Left edges, from the tile's face outwards: the cursor's bright frame
    // ends on the face's first column with dark beyond it; the outline's
    // bright frame lies on the face's first two columns, dark just outside.
    const int y = board._cellCentreY(cursor.y);
    const int face = board._cellStartX(cursor.x) - 3;
    EXPECT_GT(Brightness(face - 1, y, 1, 1), Brightness(face - 4, y, 1, 1) + 120.0);
    const Point& partner = partners.front();
    const int partnerFace = board._cellStartX(partner.x) - 3;
    const int py = board._cellCentreY(partner.y);
    EXPECT_GT(Brightness(partnerFace, py, 1, 1), Brightness(partnerFace - 2, py, 1, 1) + 90.0);
}

INSTANTIATE_TEST_SUITE_P(DarkAndLight, MarkBackgroundTest, ::testing::Values(21, 17));
