#include "board/level_shuffler.h"

#include <utility>

#include "board/cell_values.h"
#include "board/level_data.h"
#include "platform/numbers.h"

namespace {

constexpr int KEY_MIN = 100;
constexpr int KEY_MAX = 999;

// Rand(0, 100) > 50: true with probability 50/101.
bool CoinToss() {
    return Rand(0, 100) > 50;
}

bool IsOrdinaryTile(int value) {
    return IsTileValue(value) && !IsGroupValue(value);
}

void SortDescending(int (&values)[SHUFFLE_LIST_SIZE]) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i < SHUFFLE_LIST_SIZE - 1; ++i) {
            if (values[i] < values[i + 1]) {
                std::swap(values[i], values[i + 1]);
                swapped = true;
            }
        }
    }
}

// Exchanges two values in one pass, so no stand-in value is needed (a
// damaged level may hold any value).
void ExchangeValues(levelData& level, int a, int b) {
    if (a == b) {
        return;
    }
    for (auto& column : level.grid) {
        for (int& cell : column) {
            if (cell == a) {
                cell = b;
            } else if (cell == b) {
                cell = a;
            }
        }
    }
}

template <class Cells>
void FlipColumns(Cells& cells) {
    for (int x = 0; x < LEVEL_COLUMNS / 2; ++x) {
        std::swap(cells[x], cells[LEVEL_COLUMNS - 1 - x]);
    }
}

template <class Cells>
void FlipRows(Cells& cells) {
    for (auto& column : cells) {
        for (int y = 0; y < LEVEL_ROWS / 2; ++y) {
            std::swap(column[y], column[LEVEL_ROWS - 1 - y]);
        }
    }
}

void AddSwitches(levelDataShuffler& shuffler, std::initializer_list<std::pair<int, int>> pairs) {
    for (const auto& [a, b] : pairs) {
        shuffler.shuffles.push_back(shuffleSwitch::Create(a, b));
    }
}

}  // namespace

ShuffleSwitchPtr shuffleSwitch::Create(int t1, int t2) {
    auto result = std::make_shared<shuffleSwitch>();
    result->t1 = t1;
    result->t2 = t2;
    return result;
}

ShuffleListPtr shuffleList::Create() {
    auto list = std::make_shared<shuffleList>();
    for (int value = FIRST_TILE_VALUE; value <= LAST_TILE_VALUE; ++value) {
        list->iTiles[value] = Rand(KEY_MIN, KEY_MAX) * 256 + value;
    }
    SortDescending(list->iTiles);
    for (int& element : list->iTiles) {
        element &= 0xFF;
    }
    return list;
}

LevelDataShufflerPtr levelDataShuffler::Create(levelData& level) {
    auto shuffler = std::make_shared<levelDataShuffler>();
    const ShuffleListPtr a = shuffleList::Create();
    const ShuffleListPtr b = shuffleList::Create();
    for (int i = 0; i < SHUFFLE_LIST_SIZE && a->iTiles[i] != 0; ++i) {
        if (IsOrdinaryTile(a->iTiles[i]) && IsOrdinaryTile(b->iTiles[i])) {
            AddSwitches(*shuffler, {{a->iTiles[i], b->iTiles[i]}});
        }
    }
    if (CoinToss()) {
        AddSwitches(*shuffler, {{33, 36}, {34, 35}});
    }
    if (CoinToss()) {
        AddSwitches(*shuffler, {{37, 40}, {38, 39}});
    }
    if (CoinToss()) {
        AddSwitches(*shuffler, {{33, 37}, {34, 38}, {35, 39}, {36, 40}});
    }
    shuffler->bHorizontalFlip = CoinToss() ? 1 : 0;
    shuffler->bVerticalFlip = CoinToss() ? 1 : 0;
    shuffler->ReShuffle(level);
    return shuffler;
}

int levelDataShuffler::ReShuffle(levelData& level) const {
    for (const ShuffleSwitchPtr& exchange : shuffles) {
        ExchangeValues(level, exchange->t1, exchange->t2);
    }
    if (bHorizontalFlip != 0) {
        FlipColumns(level.grid);
        FlipColumns(level.bonus);
    }
    if (bVerticalFlip != 0) {
        FlipRows(level.grid);
        FlipRows(level.bonus);
    }
    return 0;
}

int levelDataShuffler::_switch(levelData& level, int from, int to) {
    for (auto& column : level.grid) {
        for (int& cell : column) {
            if (cell == from) {
                cell = to;
            }
        }
    }
    return 0;
}
