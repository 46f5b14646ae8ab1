#include "board/solver.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/seeded_random.h"
#include "board/level_data.h"

namespace {

constexpr int KEY_WORDS = GRID_CAPACITY * GRID_CAPACITY / 64;
using StateKey = std::array<uint64_t, KEY_WORDS>;

// Groups up to this size are checked for a full pairing before branching.
constexpr size_t MAX_PAIRED_GROUP = 10;

struct StateKeyHash {
    size_t operator()(const StateKey& key) const {
        uint64_t hash = 1469598103934665603ull;
        for (const uint64_t word : key) {
            hash = (hash ^ word) * 1099511628211ull;
        }
        return static_cast<size_t>(hash ^ (hash >> 29));
    }
};

struct Removal {
    CellPair pair;
    int valueA = 0;
    int valueB = 0;
};

// The tiles of each matching group, in reading order.
using TileGroups = std::array<std::vector<Point>, LAST_TILE_VALUE + 1>;

TileGroups GroupTiles(const gameGrid& board) {
    TileGroups groups;
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            const int value = board.data[x][y].iData;
            if (IsTileValue(value)) {
                groups[MatchClassOf(value)].emplace_back(x, y);
            }
        }
    }
    return groups;
}

int IndexOf(const gameGrid& board, const Point& p) {
    return p.x + p.y * board.iWidth;
}

std::vector<CellPair> JoinablePairsOf(const gameGrid& board, const std::vector<Point>& tiles) {
    std::vector<CellPair> pairs;
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j) {
            if (board.CanJoin(tiles[i], tiles[j])) {
                pairs.push_back({tiles[i], tiles[j]});
            }
        }
    }
    return pairs;
}

bool Involves(const CellPair& pair, const Point& p) {
    return pair.a.Equals(p) || pair.b.Equals(p);
}

// A way to pair off every tile of a group with pairs that join now.
bool FindFullPairing(std::vector<Point> tiles, const std::vector<CellPair>& joinable,
                     std::vector<CellPair>& pairing) {
    if (tiles.empty()) {
        return true;
    }
    const Point first = tiles.front();
    for (const CellPair& pair : joinable) {
        if (!Involves(pair, first)) {
            continue;
        }
        const Point partner = pair.a.Equals(first) ? pair.b : pair.a;
        std::vector<Point> rest;
        for (size_t i = 1; i < tiles.size(); ++i) {
            if (!tiles[i].Equals(partner)) {
                rest.push_back(tiles[i]);
            }
        }
        if (rest.size() + 2 != tiles.size()) {
            continue;
        }
        pairing.push_back(pair);
        if (FindFullPairing(rest, joinable, pairing)) {
            return true;
        }
        pairing.pop_back();
    }
    return false;
}

// Depth-first search over removals. Removing a pair only empties cells, so
// every route that was open stays open. Hence a group whose tiles can all be
// paired off with routes open now can be taken at once: any way of clearing
// the board still works without those tiles. Only the other groups need
// backtracking.
class ClearSearch {
public:
    ClearSearch(gameGrid& board, int nodeLimit) : board(board), nodeLimit(nodeLimit) {}

    SolveResult Run() {
        SolveResult result;
        const TileGroups groups = GroupTiles(board);
        const bool evenGroups =
            std::all_of(groups.begin(), groups.end(),
                        [](const std::vector<Point>& tiles) { return tiles.size() % 2 == 0; });
        const bool cleared = evenGroups && Visit();
        result.nodes = nodes;
        if (cleared) {
            result.outcome = SolveOutcome::Cleared;
            for (const Removal& removal : path) {
                result.removals.push_back(removal.pair);
            }
        } else {
            result.outcome = aborted ? SolveOutcome::Unknown : SolveOutcome::Stuck;
        }
        return result;
    }

private:
    struct Choice {
        CellPair pair;
        size_t groupSize = 0;
    };

    gameGrid& board;
    const int nodeLimit;
    int nodes = 0;
    bool aborted = false;
    std::vector<Removal> path;
    std::unordered_set<StateKey, StateKeyHash> deadEnds;

    void Remove(const CellPair& pair) {
        path.push_back({pair, board.cellData(pair.a), board.cellData(pair.b)});
        board.removePair(pair.a, pair.b);
    }

    void UndoTo(size_t mark) {
        while (path.size() > mark) {
            const Removal& removal = path.back();
            board.SetCellData(removal.pair.a, removal.valueA);
            board.SetCellData(removal.pair.b, removal.valueB);
            path.pop_back();
        }
    }

    StateKey Key() const {
        StateKey key{};
        for (int x = 0; x < board.iWidth; ++x) {
            for (int y = 0; y < board.iHeight; ++y) {
                if (board.data[x][y].iData != CELL_EMPTY) {
                    const int bit = x * GRID_CAPACITY + y;
                    key[bit / 64] |= uint64_t{1} << (bit % 64);
                }
            }
        }
        return key;
    }

    // Takes every group that can be paired off now; returns the moves left
    // to choose from, most constrained groups first.
    std::vector<Choice> TakeWholeGroups() {
        for (;;) {
            std::vector<Choice> choices;
            bool took = false;
            for (const std::vector<Point>& tiles : GroupTiles(board)) {
                if (tiles.empty()) {
                    continue;
                }
                const std::vector<CellPair> joinable = JoinablePairsOf(board, tiles);
                std::vector<CellPair> pairing;
                if (!joinable.empty() && tiles.size() <= MAX_PAIRED_GROUP &&
                    FindFullPairing(tiles, joinable, pairing)) {
                    for (const CellPair& pair : pairing) {
                        Remove(pair);
                    }
                    took = true;
                    continue;
                }
                for (const CellPair& pair : joinable) {
                    choices.push_back({pair, tiles.size()});
                }
            }
            if (!took) {
                std::stable_sort(
                    choices.begin(), choices.end(),
                    [](const Choice& l, const Choice& r) { return l.groupSize < r.groupSize; });
                return choices;
            }
        }
    }

    bool Visit() {
        if (++nodes > nodeLimit) {
            aborted = true;
            return false;
        }
        const size_t mark = path.size();
        const std::vector<Choice> choices = TakeWholeGroups();
        if (board.tileCount(0) == 0) {
            return true;
        }
        const StateKey key = Key();
        if (choices.empty() || deadEnds.contains(key)) {
            deadEnds.insert(key);
            UndoTo(mark);
            return false;
        }
        for (const Choice& choice : choices) {
            const size_t before = path.size();
            Remove(choice.pair);
            if (Visit()) {
                return true;
            }
            UndoTo(before);
            if (aborted) {
                break;
            }
        }
        if (!aborted) {
            deadEnds.insert(key);
        }
        UndoTo(mark);
        return false;
    }
};

std::vector<CellPair> MatchingPairs(const gameGrid& board) {
    std::vector<CellPair> pairs;
    for (const std::vector<Point>& tiles : GroupTiles(board)) {
        for (size_t i = 0; i < tiles.size(); ++i) {
            for (size_t j = i + 1; j < tiles.size(); ++j) {
                pairs.push_back({tiles[i], tiles[j]});
            }
        }
    }
    std::sort(pairs.begin(), pairs.end(), [&board](const CellPair& l, const CellPair& r) {
        const int la = IndexOf(board, l.a);
        const int ra = IndexOf(board, r.a);
        return la != ra ? la < ra : IndexOf(board, l.b) < IndexOf(board, r.b);
    });
    return pairs;
}

}  // namespace

std::vector<CellPair> JoinablePairs(const gameGrid& board) {
    std::vector<CellPair> pairs = MatchingPairs(board);
    std::erase_if(pairs, [&board](const CellPair& pair) { return !board.CanJoin(pair.a, pair.b); });
    return pairs;
}

SolveResult SolveBoard(const gameGrid& board, int nodeLimit) {
    gameGrid work = board;
    return ClearSearch(work, nodeLimit).Run();
}

SolveResult SolveLevel(const levelData& level, int nodeLimit) {
    return SolveBoard(*BoardFromLevel(level), nodeLimit);
}

bool RandomPlaythrough(const levelData& level, uint32_t seed) {
    const GameGridPtr board = BoardFromLevel(level);
    SeededRandom random(seed);
    std::vector<CellPair> pairs = MatchingPairs(*board);
    for (;;) {
        // A partial shuffle: the first joinable pair in a random order is a
        // uniform choice among the joinable ones.
        bool removed = false;
        for (size_t i = 0; i < pairs.size() && !removed; ++i) {
            const size_t pick =
                i + static_cast<size_t>(random.Below(static_cast<int>(pairs.size() - i)));
            std::swap(pairs[i], pairs[pick]);
            if (board->CanJoin(pairs[i].a, pairs[i].b)) {
                const CellPair taken = pairs[i];
                board->removePair(taken.a, taken.b);
                std::erase_if(pairs, [&taken](const CellPair& pair) {
                    return Involves(pair, taken.a) || Involves(pair, taken.b);
                });
                removed = true;
            }
        }
        if (!removed) {
            return board->tileCount(0) == 0;
        }
    }
}
