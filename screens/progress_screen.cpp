#include "screens/progress_screen.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "board/cell_values.h"
#include "board/level_data.h"

namespace {

// Created by the first BuildList and kept for the whole run.
std::optional<std::vector<ProgressScreenPtr>>& ProgressList() {
    static std::optional<std::vector<ProgressScreenPtr>> list;
    return list;
}

template <size_t N>
void MarkReached(int (&reached)[N], int number) {
    if (number > 0 && number < static_cast<int>(N)) {
        reached[number] = 1;
    }
}

template <size_t N>
void CopyArray(int (&target)[N], const int (&source)[N]) {
    std::copy(std::begin(source), std::end(source), std::begin(target));
}

// Carries on from the previous level: its reached items always, its picture
// pieces while the tile set (and so the picture) stays and is not finished.
void CarryOver(progressScreen& record, const progressScreen& previous) {
    if (previous.iTileSet == record.iTileSet && previous.iPicComplete == 0) {
        CopyArray(record.iPieces, previous.iPieces);
    }
    CopyArray(record.unlockedBackgrounds, previous.unlockedBackgrounds);
    CopyArray(record.unlockedTilesets, previous.unlockedTilesets);
    CopyArray(record.unlockedMusic, previous.unlockedMusic);
}

void CollectPieces(progressScreen& record, const levelData& level) {
    for (const auto& column : level.bonus) {
        for (const int value : column) {
            if (IsPicturePiece(value)) {
                record.iPieces[value - FIRST_PICTURE_PIECE] = 1;
            }
        }
    }
}

bool PictureComplete(const progressScreen& record) {
    return std::all_of(std::begin(record.iPieces), std::end(record.iPieces),
                       [](int piece) { return piece != 0; });
}

}  // namespace

std::string progressScreen::LevelFileName(int level) {
    return "data/game/levels/" + std::to_string(level) + ".dat";
}

int progressScreen::BuildList() {
    return BuildList([](int level) { return levelData::Create(LevelFileName(level)); });
}

int progressScreen::BuildList(const LevelLoader& load) {
    if (!ProgressList()) {
        ProgressList().emplace();
    }
    std::vector<ProgressScreenPtr>& list = *ProgressList();
    list.clear();
    int picture = 1;
    int location = 1;
    const progressScreen* previous = nullptr;
    for (int number = 1; number <= MAX_LEVEL_NUMBER; ++number) {
        std::shared_ptr<levelData> level = load(number);
        if (!level) {
            level = std::make_shared<levelData>();
        }
        auto record = std::make_shared<progressScreen>();
        record->iTileSet = level->tileset;
        record->iLevelNumber = number;
        record->iLocation = location;
        if (previous) {
            CarryOver(*record, *previous);
        }
        MarkReached(record->unlockedMusic, level->music);
        MarkReached(record->unlockedTilesets, level->tileset);
        MarkReached(record->unlockedBackgrounds, level->background);
        CollectPieces(*record, *level);
        if (PictureComplete(*record)) {
            record->iPicComplete = picture;
            ++picture;
            ++location;
        }
        list.push_back(record);
        previous = record.get();
    }
    return 0;
}

ProgressScreenPtr progressScreen::getProgress(int level) {
    if (!ProgressList()) {
        return nullptr;
    }
    for (const ProgressScreenPtr& record : *ProgressList()) {
        if (record->iLevelNumber == level) {
            return record;
        }
    }
    return nullptr;
}

bool RelaxedItemOpen(int playerLevel, const progressScreen* record, RelaxedItem item, int n) {
    if (playerLevel < 1) {
        return true;
    }
    if (!record || n < 0) {
        return false;
    }
    switch (item) {
        case RelaxedItem::TILE_SET:
            return n < PROGRESS_TILESETS && record->unlockedTilesets[n] == 1;
        case RelaxedItem::SONG:
            return n < PROGRESS_SONGS && record->unlockedMusic[n] == 1;
        case RelaxedItem::BACKGROUND:
            return n < PROGRESS_BACKGROUNDS && record->unlockedBackgrounds[n] == 1;
    }
    return false;
}

bool RelaxedLevelOpen(int playerLevel, int level) {
    return playerLevel < 1 || level <= playerLevel;
}

int RandomOpen(int count, const std::function<bool(int)>& open,
               const std::function<int(int)>& draw) {
    std::vector<int> choices;
    for (int n = 1; n <= count; ++n) {
        if (open(n)) {
            choices.push_back(n);
        }
    }
    if (choices.empty()) {
        return 1;
    }
    const int k = static_cast<int>(choices.size());
    return choices[static_cast<size_t>(std::clamp(draw(k), 0, k - 1))];
}
