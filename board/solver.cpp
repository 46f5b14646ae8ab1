#include "board/solver.h"

#include <algorithm>
#include <array>
#include <random>
#include <unordered_set>

#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/level_data.h"

namespace {

constexpr int KEY_WORDS = GRID_CAPACITY * GRID_CAPACITY / 64;
using StateKey = std::array<uint64_t, KEY_WORDS>;

struct StateKeyHash {
    size_t operator()(const StateKey& key) const
    {
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

using ClassCounts = std::array<int, LAST_TILE_VALUE + 1>;

GameGridPtr BoardOf(const levelData& level)
{
    GameGridPtr board = gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, 1, 1, Point(0, 0));
    board->Restart(level);
    return board;
}

ClassCounts CountClasses(const gameGrid& board)
{
    ClassCounts counts{};
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            const int value = board.data[x][y].iData;
            if (IsTileValue(value)) {
                ++counts[MatchClassOf(value)];
            }
        }
    }
    return counts;
}

int ClassOfPair(const gameGrid& board, const CellPair& pair)
{
    return MatchClassOf(board.cellData(pair.a));
}

// Depth-first search over removals. Removing a pair only empties cells, so
// every route stays open: the last two tiles of a group can be taken as soon
// as they join, and only choices within larger groups need backtracking.
class ClearSearch {
public:
    ClearSearch(gameGrid& board, int nodeLimit) : board(board), nodeLimit(nodeLimit) {}

    SolveResult Run()
    {
        SolveResult result;
        const ClassCounts counts = CountClasses(board);
        const bool evenGroups = std::all_of(counts.begin(), counts.end(),
                                            [](int count) { return count % 2 == 0; });
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
    gameGrid& board;
    const int nodeLimit;
    int nodes = 0;
    bool aborted = false;
    std::vector<Removal> path;
    std::unordered_set<StateKey, StateKeyHash> deadEnds;

    void Remove(const CellPair& pair)
    {
        path.push_back({pair, board.cellData(pair.a), board.cellData(pair.b)});
        board.removePair(pair.a, pair.b);
    }

    void UndoTo(size_t mark)
    {
        while (path.size() > mark) {
            const Removal& removal = path.back();
            board.SetCellData(removal.pair.a, removal.valueA);
            board.SetCellData(removal.pair.b, removal.valueB);
            path.pop_back();
        }
    }

    StateKey Key() const
    {
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

    // Takes every group whose last two tiles join; returns the pairs left.
    std::vector<CellPair> TakeForcedPairs()
    {
        for (;;) {
            std::vector<CellPair> pairs = JoinablePairs(board);
            const ClassCounts counts = CountClasses(board);
            bool took = false;
            for (const CellPair& pair : pairs) {
                if (counts[ClassOfPair(board, pair)] == 2) {
                    Remove(pair);
                    took = true;
                }
            }
            if (!took) {
                return pairs;
            }
        }
    }

    bool Visit()
    {
        if (++nodes > nodeLimit) {
            aborted = true;
            return false;
        }
        const size_t mark = path.size();
        std::vector<CellPair> pairs = TakeForcedPairs();
        if (board.tileCount(0) == 0) {
            return true;
        }
        const StateKey key = Key();
        if (pairs.empty() || deadEnds.contains(key)) {
            deadEnds.insert(key);
            UndoTo(mark);
            return false;
        }
        const ClassCounts counts = CountClasses(board);
        std::stable_sort(pairs.begin(), pairs.end(), [&](const CellPair& l, const CellPair& r) {
            return counts[ClassOfPair(board, l)] < counts[ClassOfPair(board, r)];
        });
        for (const CellPair& pair : pairs) {
            const size_t before = path.size();
            Remove(pair);
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

std::vector<CellPair> MatchingPairs(const gameGrid& board)
{
    std::vector<Point> tiles;
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            if (IsTileValue(board.data[x][y].iData)) {
                tiles.emplace_back(x, y);
            }
        }
    }
    std::vector<CellPair> pairs;
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j) {
            if (board.CellDataMatch(&tiles[i], &tiles[j]) == 1) {
                pairs.push_back({tiles[i], tiles[j]});
            }
        }
    }
    return pairs;
}

bool Involves(const CellPair& pair, const Point& p)
{
    return pair.a.Equals(p) || pair.b.Equals(p);
}

}  // namespace

std::vector<CellPair> JoinablePairs(const gameGrid& board)
{
    std::vector<CellPair> pairs = MatchingPairs(board);
    std::erase_if(pairs, [&board](const CellPair& pair) { return !board.CanJoin(pair.a, pair.b); });
    return pairs;
}

SolveResult SolveBoard(const gameGrid& board, int nodeLimit)
{
    gameGrid work = board;
    return ClearSearch(work, nodeLimit).Run();
}

SolveResult SolveLevel(const levelData& level, int nodeLimit)
{
    return SolveBoard(*BoardOf(level), nodeLimit);
}

bool RandomPlaythrough(const levelData& level, uint32_t seed)
{
    const GameGridPtr board = BoardOf(level);
    std::mt19937 random(seed);
    std::vector<CellPair> pairs = MatchingPairs(*board);
    for (;;) {
        // A partial shuffle: the first joinable pair in a random order is a
        // uniform choice among the joinable ones.
        bool removed = false;
        for (size_t i = 0; i < pairs.size() && !removed; ++i) {
            std::uniform_int_distribution<size_t> pick(i, pairs.size() - 1);
            std::swap(pairs[i], pairs[pick(random)]);
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
