#include "tools/levels/story_plan.h"

#include "board/cell_values.h"
#include "board/seeded_random.h"

namespace {

// How many of the picture's pieces each level of a location adds: every
// level but the first at least one, the last completing the picture. A
// location that opens the story leaves its first level without pieces
// (unless it has no other).
std::vector<int> PieceCounts(int levelCount, bool openingLocation) {
    std::vector<int> counts(levelCount, 0);
    const int first = (openingLocation && levelCount > 1) ? 1 : 0;
    const int sharing = levelCount - first;
    if (sharing <= 0) {
        return counts;
    }
    const int base = PICTURE_PIECE_COUNT / sharing;
    const int extra = PICTURE_PIECE_COUNT % sharing;
    for (int i = 0; i < sharing; ++i) {
        counts[first + i] = base + (i >= sharing - extra ? 1 : 0);
    }
    return counts;
}

void PlanPieces(const LevelBook& book, StoryPlan& plan) {
    int level = 0;
    for (size_t location = 0; location < book.settings.locations.size(); ++location) {
        const int count = book.settings.locations[location];
        const std::vector<int> counts = PieceCounts(count, location == 0);
        std::vector<int> order;
        for (int p = 0; p < PICTURE_PIECE_COUNT; ++p) {
            order.push_back(p);
        }
        SeededRandom random(static_cast<uint32_t>(book.settings.seed) + 97u * (location + 1));
        random.Shuffle(order);
        size_t next = 0;
        for (int i = 0; i < count && level < static_cast<int>(plan.levels.size()); ++i, ++level) {
            LevelPlan& lp = plan.levels[level];
            lp.location = static_cast<int>(location) + 1;
            lp.firstOfLocation = (i == 0);
            for (int k = 0; k < counts[i]; ++k) {
                lp.pieces.push_back(order[next++]);
            }
        }
    }
}

bool HasIdea(const LevelMask& mask, const LevelPlan& plan, NewIdea idea) {
    switch (idea) {
        case NewIdea::FirstLevel:
            return mask.number == 1;
        case NewIdea::BonusItem:
            return mask.items.find_first_of("SURH") != std::string::npos;
        case NewIdea::PicturePiece:
            return !plan.pieces.empty();
        case NewIdea::FlowerTiles:
            return mask.flowers > 0;
        case NewIdea::FixedBlock:
            return mask.BlockCount() > 0;
        case NewIdea::TimeItem:
            return mask.items.find('T') != std::string::npos;
    }
    return false;
}

void PlanTutorials(const LevelBook& book, StoryPlan& plan) {
    constexpr int IDEAS = 6;
    bool seen[IDEAS + 1] = {};
    for (size_t i = 0; i < plan.levels.size(); ++i) {
        for (int idea = 1; idea <= IDEAS; ++idea) {
            if (seen[idea] ||
                !HasIdea(book.levels[i], plan.levels[i], static_cast<NewIdea>(idea))) {
                continue;
            }
            seen[idea] = true;
            if (plan.levels[i].tutorial != 0) {
                plan.errors.push_back("level " + std::to_string(i + 1) +
                                      ": two new ideas want a tutorial picture");
            }
            plan.levels[i].tutorial = idea;
        }
    }
}

}  // namespace

StoryPlan PlanStory(const LevelBook& book) {
    StoryPlan plan;
    plan.levels.resize(book.levels.size());
    const double last = static_cast<double>(book.levels.size()) - 1.0;
    for (size_t i = 0; i < plan.levels.size(); ++i) {
        plan.levels[i].progress = last > 0.0 ? static_cast<double>(i) / last : 0.0;
    }
    PlanPieces(book, plan);
    PlanTutorials(book, plan);
    return plan;
}
