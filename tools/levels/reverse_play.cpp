#include "tools/levels/reverse_play.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/seeded_random.h"

namespace {

constexpr int PLACED = FIRST_TILE_VALUE;  // any tile value marks a placed cell
constexpr int MAX_DEAD_ENDS = 60;
constexpr int ENDGAME_CELLS = 80;

struct Cell {
    int x = 0, y = 0;
};

int BlockValueOf(char c) {
    if (c == MASK_BLOCK_1) {
        return FIRST_BLOCK_VALUE;
    }
    return (c == MASK_BLOCK_2) ? LAST_BLOCK_VALUE : CELL_EMPTY;
}

// Steps from each tile cell to the nearest cell outside the shape; deep
// cells are placed first so that the outside stays open for later pairs.
std::vector<std::vector<int>> DepthOfTiles(const LevelMask& mask) {
    std::vector<std::vector<int>> depth(LEVEL_COLUMNS, std::vector<int>(LEVEL_ROWS, -1));
    std::deque<Cell> queue;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            if (mask.Cell(x, y) == MASK_EMPTY) {
                depth[x][y] = 0;
                queue.push_back({x, y});
            }
        }
    }
    const int dx[] = {1, -1, 0, 0};
    const int dy[] = {0, 0, 1, -1};
    while (!queue.empty()) {
        const Cell c = queue.front();
        queue.pop_front();
        for (int k = 0; k < 4; ++k) {
            const int x = c.x + dx[k];
            const int y = c.y + dy[k];
            if (x >= 0 && y >= 0 && x < LEVEL_COLUMNS && y < LEVEL_ROWS &&
                mask.Cell(x, y) == MASK_TILE && depth[x][y] < 0) {
                depth[x][y] = depth[c.x][c.y] + 1;
                queue.push_back({x, y});
            }
        }
    }
    return depth;
}

class ReversePlay {
public:
    ReversePlay(const LevelMask& mask, uint32_t seed)
        : mask(mask),
          random(seed),
          depth(DepthOfTiles(mask)),
          board(gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, BOARD_CELL_WIDTH, BOARD_CELL_HEIGHT,
                                 Point(0, 0))) {
        for (int x = 0; x < LEVEL_COLUMNS; ++x) {
            for (int y = 0; y < LEVEL_ROWS; ++y) {
                board->SetCellData(Point(x, y), BlockValueOf(mask.Cell(x, y)));
                if (mask.Cell(x, y) == MASK_TILE) {
                    open.push_back({x, y});
                }
            }
        }
    }

    // On a dead end the newest pairs are taken back, more of them the longer
    // no progress is made, and play goes on with fresh random choices.
    std::vector<CellPair> Run() {
        std::vector<CellPair> placed;
        size_t best = 0;
        int streak = 0;
        int deadEnds = 0;
        while (!open.empty()) {
            CellPair pair;
            if (PlaceNext(pair)) {
                placed.push_back(pair);
                if (placed.size() > best) {
                    best = placed.size();
                    streak = 0;
                }
                continue;
            }
            if (++deadEnds > MAX_DEAD_ENDS) {
                return {};
            }
            const size_t back = std::min(placed.size(), size_t{2} << std::min(streak++, 4));
            for (size_t k = 0; k < back; ++k) {
                TakeBack(placed.back());
                placed.pop_back();
            }
        }
        return placed;
    }

private:
    // The open cells in the order to try as the first cell of the next pair:
    // deepest first, ties in random order.
    std::vector<Cell> FirstCellOrder() {
        std::vector<Cell> order = open;
        random.Shuffle(order);
        std::stable_sort(order.begin(), order.end(), [this](const Cell& a, const Cell& b) {
            return depth[a.x][a.y] > depth[b.x][b.y];
        });
        return order;
    }

    bool Joinable(const Cell& a, const Cell& b) {
        const Point pa(a.x, a.y);
        const Point pb(b.x, b.y);
        board->SetCellData(pa, PLACED);
        board->SetCellData(pb, PLACED);
        const bool joinable = board->CanJoin(pa, pb);
        board->SetCellData(pa, CELL_EMPTY);
        board->SetCellData(pb, CELL_EMPTY);
        return joinable;
    }

    std::vector<Cell> PartnersOf(const Cell& a) {
        std::vector<Cell> partners;
        for (const Cell& b : open) {
            if ((b.x != a.x || b.y != a.y) && Joinable(a, b)) {
                partners.push_back(b);
            }
        }
        std::stable_sort(partners.begin(), partners.end(), [&a](const Cell& p, const Cell& q) {
            return std::abs(p.x - a.x) + std::abs(p.y - a.y) <
                   std::abs(q.x - a.x) + std::abs(q.y - a.y);
        });
        return partners;
    }

    // A low spread leans hard towards the nearest partners.
    Cell ChoosePartner(const std::vector<Cell>& partners) {
        const double lean = 1.0 + 3.0 * (1.0 - std::clamp(mask.spread, 0.0, 1.0));
        const double pick = std::pow(random.Unit(), lean);
        const int index = std::min(static_cast<int>(pick * partners.size()),
                                   static_cast<int>(partners.size()) - 1);
        return partners[index];
    }

    // Near the end every open cell must keep a partner: the most constrained
    // cell goes first, with the partner that has the fewest other choices.
    bool PlaceInEndgame(CellPair& pair) {
        std::vector<std::vector<Cell>> partners;
        for (const Cell& a : open) {
            partners.push_back(PartnersOf(a));
            if (partners.back().empty()) {
                return false;
            }
        }
        auto countOf = [&](const Cell& c) {
            for (size_t i = 0; i < open.size(); ++i) {
                if (open[i].x == c.x && open[i].y == c.y) {
                    return partners[i].size();
                }
            }
            return size_t{0};
        };
        size_t first = 0;
        for (size_t i = 1; i < open.size(); ++i) {
            if (partners[i].size() < partners[first].size() ||
                (partners[i].size() == partners[first].size() && random.Below(2) == 0)) {
                first = i;
            }
        }
        std::vector<Cell> choices = partners[first];
        random.Shuffle(choices);
        std::stable_sort(choices.begin(), choices.end(),
                         [&](const Cell& p, const Cell& q) { return countOf(p) < countOf(q); });
        Place(open[first], choices.front(), pair);
        return true;
    }

    void Place(const Cell a, const Cell b, CellPair& pair) {
        board->SetCellData(Point(a.x, a.y), PLACED);
        board->SetCellData(Point(b.x, b.y), PLACED);
        Close(a);
        Close(b);
        pair = {Point(a.x, a.y), Point(b.x, b.y)};
    }

    bool PlaceNext(CellPair& pair) {
        if (static_cast<int>(open.size()) <= ENDGAME_CELLS) {
            return PlaceInEndgame(pair);
        }
        for (const Cell& a : FirstCellOrder()) {
            const std::vector<Cell> partners = PartnersOf(a);
            if (partners.empty()) {
                continue;
            }
            Place(a, ChoosePartner(partners), pair);
            return true;
        }
        return false;
    }

    void TakeBack(const CellPair& pair) {
        board->SetCellData(pair.a, CELL_EMPTY);
        board->SetCellData(pair.b, CELL_EMPTY);
        open.push_back({pair.a.x, pair.a.y});
        open.push_back({pair.b.x, pair.b.y});
    }

    void Close(const Cell& c) {
        open.erase(std::remove_if(open.begin(), open.end(),
                                  [&c](const Cell& o) { return o.x == c.x && o.y == c.y; }),
                   open.end());
    }

    const LevelMask& mask;
    SeededRandom random;
    std::vector<std::vector<int>> depth;
    GameGridPtr board;
    std::vector<Cell> open;
};

}  // namespace

void PutBlocks(const LevelMask& mask, int (&grid)[LEVEL_COLUMNS][LEVEL_ROWS]) {
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            grid[x][y] = BlockValueOf(mask.Cell(x, y));
        }
    }
}

std::vector<CellPair> PlacePairsInReverse(const LevelMask& mask, uint32_t seed) {
    return ReversePlay(mask, seed).Run();
}

std::vector<CellPair> RemovalOrderOf(const std::vector<CellPair>& placements) {
    return std::vector<CellPair>(placements.rbegin(), placements.rend());
}
