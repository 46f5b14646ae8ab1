#include "tools/levels/level_book.h"

#include <fstream>
#include <sstream>

#include "app/line_helpers.h"

int LevelMask::TileCount() const {
    int count = 0;
    for (const std::string& row : rows) {
        for (const char c : row) {
            count += (c == MASK_TILE) ? 1 : 0;
        }
    }
    return count;
}

int LevelMask::BlockCount() const {
    int count = 0;
    for (const std::string& row : rows) {
        for (const char c : row) {
            count += (c == MASK_BLOCK_1 || c == MASK_BLOCK_2) ? 1 : 0;
        }
    }
    return count;
}

int BonusItemOfLetter(char letter) {
    switch (letter) {
        case 'S':
            return 1;
        case 'U':
            return 2;
        case 'R':
            return 3;
        case 'H':
            return 4;
        case 'T':
            return 5;
        default:
            return 0;
    }
}

namespace {

std::vector<int> ParseIntList(const std::string& text) {
    std::vector<int> values;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        values.push_back(ToInt(item));
    }
    return values;
}

void ApplySetting(LevelBookSettings& s, const std::string& key, const std::string& value) {
    struct IntKey {
        const char* name;
        int LevelBookSettings::*field;
    };
    static const IntKey INT_KEYS[] = {
        {"time_item_seconds_first", &LevelBookSettings::timeItemSecondsFirst},
        {"time_item_seconds_last", &LevelBookSettings::timeItemSecondsLast},
        {"flower_seconds_first", &LevelBookSettings::flowerSecondsFirst},
        {"flower_seconds_last", &LevelBookSettings::flowerSecondsLast},
        {"tutorial_width", &LevelBookSettings::tutorialWidth},
        {"tutorial_height", &LevelBookSettings::tutorialHeight},
        {"tutorial_top", &LevelBookSettings::tutorialTop},
        {"tutorial_bottom", &LevelBookSettings::tutorialBottom},
        {"tutorial_margin", &LevelBookSettings::tutorialMargin},
        {"backgrounds", &LevelBookSettings::backgrounds},
        {"seed", &LevelBookSettings::seed},
        {"attempts", &LevelBookSettings::attempts},
    };
    for (const IntKey& k : INT_KEYS) {
        if (key == k.name) {
            s.*k.field = ToInt(value);
            return;
        }
    }
    if (key == "locations") {
        s.locations = ParseIntList(value);
    } else if (key == "seconds_per_pair_first") {
        s.secondsPerPairFirst = ToFloat(value);
    } else if (key == "seconds_per_pair_last") {
        s.secondsPerPairLast = ToFloat(value);
    }
}

void ApplyLevelKey(LevelMask& mask, const std::string& key, const std::string& value) {
    if (key == "faces") {
        mask.faces = ToInt(value);
    } else if (key == "flowers") {
        mask.flowers = ToInt(value);
    } else if (key == "items") {
        mask.items = TrimSpaces(value);
    } else if (key == "spread") {
        mask.spread = ToFloat(value);
    } else if (key == "variant") {
        mask.variant = ToInt(value);
    }
}

bool IsMaskRow(const std::string& line) {
    if (static_cast<int>(line.size()) != LEVEL_COLUMNS) {
        return false;
    }
    for (const char c : line) {
        if (c != MASK_EMPTY && c != MASK_TILE && c != MASK_BLOCK_1 && c != MASK_BLOCK_2) {
            return false;
        }
    }
    return true;
}

std::string CheckMask(const LevelMask& mask, int rowCount) {
    const std::string where = "level " + std::to_string(mask.number) + ": ";
    if (rowCount != LEVEL_ROWS) {
        return where + "needs " + std::to_string(LEVEL_ROWS) + " rows";
    }
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            const bool margin = x == 0 || y == 0 || x == LEVEL_COLUMNS - 1 || y == LEVEL_ROWS - 1;
            if (margin && mask.Cell(x, y) != MASK_EMPTY) {
                return where + "the margin must stay empty";
            }
        }
    }
    const int pairs = mask.TileCount() / 2;
    if (mask.TileCount() % 2 != 0) {
        return where + "odd number of tiles";
    }
    if (mask.faces < 1 || mask.flowers < 0 || mask.faces + mask.flowers > pairs) {
        return where + "faces and flowers do not fit the pairs";
    }
    if (static_cast<int>(mask.items.size()) > mask.TileCount()) {
        return where + "more items than tiles";
    }
    for (const char c : mask.items) {
        if (BonusItemOfLetter(c) == 0) {
            return where + "unknown item letter";
        }
    }
    return "";
}

}  // namespace

LevelBook ParseLevelBook(const std::string& text) {
    LevelBook book;
    std::stringstream stream(text);
    std::string line;
    LevelMask* current = nullptr;
    int rowCount = 0;
    auto finish = [&]() {
        if (current != nullptr) {
            const std::string error = CheckMask(*current, rowCount);
            if (!error.empty()) {
                book.errors.push_back(error);
            }
        }
    };
    while (std::getline(stream, line)) {
        line = TrimSpaces(line);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.rfind("level ", 0) == 0) {
            finish();
            book.levels.emplace_back();
            current = &book.levels.back();
            rowCount = 0;
            const std::string rest = line.substr(6);
            const size_t space = rest.find(' ');
            current->number = ToInt(rest);
            current->name = (space == std::string::npos) ? "" : TrimSpaces(rest.substr(space + 1));
            if (current->number != static_cast<int>(book.levels.size())) {
                book.errors.push_back("level " + rest + ": levels must be numbered in order");
            }
        } else if (current != nullptr && IsMaskRow(line)) {
            if (rowCount < LEVEL_ROWS) {
                current->rows[rowCount] = line;
            }
            ++rowCount;
        } else if (current != nullptr) {
            ApplyLevelKey(*current, KeyOf(line), ValueOf(line));
        } else {
            ApplySetting(book.settings, KeyOf(line), ValueOf(line));
        }
    }
    finish();
    int located = 0;
    for (const int count : book.settings.locations) {
        if (count < 1) {
            book.errors.push_back("every location needs a level");
        }
        located += count;
    }
    if (located != static_cast<int>(book.levels.size())) {
        book.errors.push_back("the locations do not add up to the levels");
    }
    return book;
}

LevelBook ReadLevelBook(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        LevelBook book;
        book.errors.push_back("cannot read " + path);
        return book;
    }
    std::stringstream text;
    text << file.rdbuf();
    return ParseLevelBook(text.str());
}
