#include "tools/levels/level_generator.h"

#include <algorithm>
#include <cmath>

#include "board/cell_values.h"
#include "platform/stream.h"
#include "board/seeded_random.h"
#include "tools/levels/story_plan.h"
#include "tools/levels/tutorial_place.h"

namespace {

constexpr uint32_t SEEDS_PER_LEVEL = 10007u;

double Lerp(double first, double last, double t) {
    return first + (last - first) * t;
}

std::vector<int> PlainFaceValues() {
    std::vector<int> values;
    for (int v = FIRST_TILE_VALUE; v <= LAST_TILE_VALUE; ++v) {
        if (!IsGroupValue(v)) {
            values.push_back(v);
        }
    }
    return values;
}

int FlowerValue(SeededRandom& random, bool familyA) {
    const int first = familyA ? FIRST_GROUP_A : FIRST_GROUP_B;
    return first + random.Below(LAST_GROUP_A - FIRST_GROUP_A + 1);
}

// Faces for the pairs: flower pairs first, then every plain face once, then
// plain faces at random; the pairs get them in shuffled order.
void PutFaces(const LevelMask& mask, const std::vector<CellPair>& pairs, SeededRandom& random,
              levelData& level) {
    std::vector<int> plain = PlainFaceValues();
    random.Shuffle(plain);
    plain.resize(std::min<size_t>(plain.size(), static_cast<size_t>(mask.faces)));
    std::vector<size_t> order(pairs.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    random.Shuffle(order);
    for (size_t k = 0; k < order.size(); ++k) {
        const CellPair& p = pairs[order[k]];
        const int index = static_cast<int>(k);
        int a = 0;
        int b = 0;
        if (index < mask.flowers) {
            const bool familyA = random.Below(2) == 0;
            a = FlowerValue(random, familyA);
            b = FlowerValue(random, familyA);
        } else {
            const int plainIndex = index - mask.flowers;
            a = b = plainIndex < static_cast<int>(plain.size())
                        ? plain[plainIndex]
                        : plain[random.Below(static_cast<int>(plain.size()))];
        }
        level.grid[p.a.x][p.a.y] = a;
        level.grid[p.b.x][p.b.y] = b;
    }
}

// Items and picture pieces each on a tile cell of their own.
void PutBonuses(const LevelMask& mask, const LevelPlan& plan, SeededRandom& random,
                levelData& level) {
    std::vector<std::pair<int, int>> cells;
    for (int y = 0; y < LEVEL_ROWS; ++y) {
        for (int x = 0; x < LEVEL_COLUMNS; ++x) {
            if (mask.Cell(x, y) == MASK_TILE) {
                cells.emplace_back(x, y);
            }
        }
    }
    random.Shuffle(cells);
    size_t next = 0;
    for (const char letter : mask.items) {
        const auto [x, y] = cells[next++];
        level.bonus[x][y] = BonusItemOfLetter(letter);
    }
    for (const int piece : plan.pieces) {
        const auto [x, y] = cells[next++];
        level.bonus[x][y] = FIRST_PICTURE_PIECE + piece;
    }
}

int RoundUpTo(int value, int step) {
    return ((value + step - 1) / step) * step;
}

void PutParameters(const LevelBook& book, const LevelMask& mask, const LevelPlan& plan, int moves,
                   levelData& level) {
    const LevelBookSettings& s = book.settings;
    const double t = plan.progress;
    level.music = plan.location;
    level.tileset = plan.location;
    const int levels = static_cast<int>(book.levels.size());
    level.background = (mask.number * s.backgrounds + levels - 1) / levels;
    const double perPair = Lerp(s.secondsPerPairFirst, s.secondsPerPairLast, t);
    level.timelimit = RoundUpTo(static_cast<int>(std::ceil(moves * perPair)), 5);
    if (mask.flowers > 0) {
        level.flowersbonus =
            static_cast<int>(std::lround(Lerp(s.flowerSecondsFirst, s.flowerSecondsLast, t)));
    }
    if (mask.items.find('T') != std::string::npos) {
        level.timebonus =
            static_cast<int>(std::lround(Lerp(s.timeItemSecondsFirst, s.timeItemSecondsLast, t)));
    }
}

void BuildLevel(const LevelBook& book, const LevelPlan& plan, const LevelMask& mask,
                const std::vector<CellPair>& placements, GeneratedLevel& out) {
    const std::string fileName = "data/game/levels/" + std::to_string(mask.number) + ".dat";
    out.level = levelData();
    out.level.fileName = fileName;
    PutBlocks(mask, out.level.grid);
    SeededRandom random(out.seed);
    PutFaces(mask, placements, random, out.level);
    PutBonuses(mask, plan, random, out.level);
    out.removalOrder = RemovalOrderOf(placements);
    PutParameters(book, mask, plan, static_cast<int>(out.removalOrder.size()), out.level);
}

bool GenerateLevel(const LevelBook& book, const LevelPlan& plan, const LevelMask& mask,
                   GeneratedLevel& out, std::string& error) {
    if (mask.items.size() + plan.pieces.size() > static_cast<size_t>(mask.TileCount())) {
        error = "level " + std::to_string(mask.number) + ": more items and pieces than tiles";
        return false;
    }
    bool found = false;
    for (int attempt = mask.variant; attempt < mask.variant + book.settings.attempts && !found;
         ++attempt) {
        out.seed = static_cast<uint32_t>(book.settings.seed) +
                   SEEDS_PER_LEVEL * static_cast<uint32_t>(mask.number) +
                   static_cast<uint32_t>(attempt);
        const std::vector<CellPair> placements = PlacePairsInReverse(mask, out.seed);
        if (!placements.empty()) {
            BuildLevel(book, plan, mask, placements, out);
            found = true;
        }
    }
    if (!found) {
        error = "level " + std::to_string(mask.number) + ": reverse play found no complete filling";
        return false;
    }
    if (plan.tutorial != 0 && !PlaceTutorial(book.settings, plan.tutorial, out.level)) {
        error = "level " + std::to_string(mask.number) + ": no room for the tutorial picture";
        return false;
    }
    return true;
}

}  // namespace

GeneratedStory GenerateStory(const LevelBook& book) {
    GeneratedStory story;
    story.errors = book.errors;
    const StoryPlan plan = PlanStory(book);
    story.errors.insert(story.errors.end(), plan.errors.begin(), plan.errors.end());
    if (!story.errors.empty()) {
        return story;
    }
    for (size_t i = 0; i < book.levels.size(); ++i) {
        GeneratedLevel generated;
        std::string error;
        if (!GenerateLevel(book, plan.levels[i], book.levels[i], generated, error)) {
            story.errors.push_back(error);
        }
        story.levels.push_back(std::move(generated));
    }
    return story;
}

std::string LevelFileText(const levelData& level) {
    StreamPtr stream = CreateMemoryStream(std::string());
    level.WriteTo(*stream);
    stream->Seek(0);
    return ReadAll(*stream);
}
