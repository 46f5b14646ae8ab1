#pragma once
// What a cell value means: 0 empty, 1 and 2 fixed blocks, 3 to 44 tiles
// showing face value - 3. Values outside 0..44 (a damaged level file) are
// occupied cells that are not tiles: they block routes, draw nothing and
// match nothing, and the board is cleared without them.
constexpr int CELL_EMPTY = 0;
constexpr int FIRST_BLOCK_VALUE = 1;
constexpr int LAST_BLOCK_VALUE = 2;
constexpr int FIRST_TILE_VALUE = 3;
constexpr int LAST_TILE_VALUE = 44;
constexpr int TILE_FACE_COUNT = LAST_TILE_VALUE - FIRST_TILE_VALUE + 1;  // 42

// Two families whose members all match each other.
constexpr int FIRST_GROUP_A = 33;
constexpr int LAST_GROUP_A = 36;
constexpr int FIRST_GROUP_B = 37;
constexpr int LAST_GROUP_B = 40;

constexpr bool IsTileValue(int value) {
    return value >= FIRST_TILE_VALUE && value <= LAST_TILE_VALUE;
}

constexpr bool IsBlockValue(int value) {
    return value == FIRST_BLOCK_VALUE || value == LAST_BLOCK_VALUE;
}

constexpr bool IsKnownCellValue(int value) {
    return value >= CELL_EMPTY && value <= LAST_TILE_VALUE;
}

constexpr bool IsGroupValue(int value) {
    return value >= FIRST_GROUP_A && value <= LAST_GROUP_B;
}

// The value that stands for the whole matching group of value.
constexpr int MatchClassOf(int value) {
    if (value >= FIRST_GROUP_A && value <= LAST_GROUP_A) {
        return FIRST_GROUP_A;
    }
    if (value >= FIRST_GROUP_B && value <= LAST_GROUP_B) {
        return FIRST_GROUP_B;
    }
    return value;
}

// Equal values match, and so do any two members of one family. Unknown
// values match nothing, not even themselves.
constexpr bool CellValuesMatch(int a, int b) {
    return IsKnownCellValue(a) && IsKnownCellValue(b) && MatchClassOf(a) == MatchClassOf(b);
}

// Bonus layer values: 1..5 items, 6..21 picture pieces 0..15; others carry nothing.
constexpr int FIRST_BONUS_ITEM = 1;
constexpr int LAST_BONUS_ITEM = 5;
constexpr int FIRST_PICTURE_PIECE = 6;
constexpr int LAST_PICTURE_PIECE = 21;
constexpr int PICTURE_PIECE_COUNT = 16;

constexpr bool IsBonusItem(int value) {
    return value >= FIRST_BONUS_ITEM && value <= LAST_BONUS_ITEM;
}

constexpr bool IsPicturePiece(int value) {
    return value >= FIRST_PICTURE_PIECE && value <= LAST_PICTURE_PIECE;
}
