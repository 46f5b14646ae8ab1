// The keyboard's tile cursor over boards with holes and blocks, and the
// partners a tile's match outline shows.
#include <gtest/gtest.h>

#include "board/cell_values.h"
#include "board/tile_cursor.h"
#include "board_builder.h"

namespace {

bool SameCell(const Point& a, const Point& b) {
    return a.x == b.x && a.y == b.y;
}

}  // namespace

// Holes and blocks are passed over, the same row (or column) comes before a
// nearer cell in another one, and at the edge the cursor stays.
TEST(TileCursor, JumpsOverHolesAndBlocksAndNeverLeavesTheBoard) {
    const GameGridPtr board = BoardFromRows({
        "A.#.B..C",
        "..D.....",
        "E#.....F",
        "....G...",
    });
    constexpr auto L = CursorDirection::Left;
    constexpr auto R = CursorDirection::Right;
    constexpr auto U = CursorDirection::Up;
    constexpr auto D = CursorDirection::Down;
    struct Move {
        Point from;
        CursorDirection direction;
        Point to;
        const char* why;
    };
    const Move moves[] = {
        {{0, 0}, R, {4, 0}, "along the row past a hole, a block and a hole"},
        {{4, 0}, R, {7, 0}, "along the row"},
        {{7, 0}, L, {4, 0}, "back along the row"},
        {{0, 0}, D, {0, 2}, "same column first, past the nearer D"},
        {{2, 1}, D, {0, 2}, "the nearest column, then the nearer row"},
        {{4, 3}, U, {4, 0}, "up the column past holes"},
        {{2, 1}, R, {4, 0}, "the nearest row, then the nearer cell"},
        {{0, 2}, R, {7, 2}, "the same row past a block"},
        {{2, 1}, L, {0, 0}, "equally near above and below: the upper one"},
        {{0, 0}, L, {0, 0}, "nothing to the left: it stays"},
        {{0, 0}, U, {0, 0}, "nothing above: it stays"},
        {{7, 2}, R, {7, 2}, "nothing to the right: it stays"},
        {{4, 3}, D, {4, 3}, "nothing below: it stays"},
    };
    for (const Move& m : moves) {
        EXPECT_TRUE(SameCell(MoveTileCursor(*board, m.from, m.direction), m.to)) << m.why;
    }
    const auto move = [&](int x, int y, CursorDirection d) {
        return MoveTileCursor(*board, Point(x, y), d);
    };

    // Every move from every cell ends on a tile of the board or where it began.
    for (int x = 0; x < board->iWidth; ++x) {
        for (int y = 0; y < board->iHeight; ++y) {
            for (const CursorDirection d : {CursorDirection::Left, CursorDirection::Right,
                                            CursorDirection::Up, CursorDirection::Down}) {
                const Point to = move(x, y, d);
                EXPECT_TRUE(board->OnBoard(to.x, to.y));
                EXPECT_TRUE(SameCell(to, Point(x, y)) || IsTileValue(board->cellData(to)))
                    << x << "," << y;
            }
        }
    }
}

TEST(TileCursor, FirstTileInReadingOrder) {
    EXPECT_TRUE(SameCell(*FirstTile(*BoardFromRows({"..#.", "#..B", "A..."})), Point(3, 1)));
    EXPECT_FALSE(FirstTile(*BoardFromRows({"..#.", "#..."})).has_value());
}

// A family tile's partners are every member of its family; a plain tile's
// only its own picture. Blocks and empty cells have none.
TEST(TileCursor, MatchingTilesFollowTheMatchingRule) {
    // e, f, h are one family (33, 34, 36); i is the other (37); A plain.
    const GameGridPtr board = BoardFromRows({
        "eA.f#",
        "iAh.A",
        "B.i.e",
    });
    const std::vector<Point> family = MatchingTiles(*board, Point(0, 0));
    ASSERT_EQ(family.size(), 3u);
    EXPECT_TRUE(SameCell(family[0], Point(3, 0)));
    EXPECT_TRUE(SameCell(family[1], Point(2, 1)));
    EXPECT_TRUE(SameCell(family[2], Point(4, 2)));
    for (const Point& p : family) {
        EXPECT_NE(board->CellDataMatch(&p, &family[0]), 0);
    }
    const std::vector<Point> plain = MatchingTiles(*board, Point(1, 0));
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_TRUE(SameCell(plain[0], Point(1, 1)));
    EXPECT_TRUE(SameCell(plain[1], Point(4, 1)));
    EXPECT_EQ(MatchingTiles(*board, Point(2, 2)).size(), 1u);  // the other family
    EXPECT_TRUE(MatchingTiles(*board, Point(0, 2)).empty());   // a single B
    EXPECT_TRUE(MatchingTiles(*board, Point(4, 0)).empty());   // a block
    EXPECT_TRUE(MatchingTiles(*board, Point(2, 0)).empty());   // a hole
}
