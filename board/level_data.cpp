#include "board/level_data.h"

#include <cstdint>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "board/cell_values.h"
#include "platform/debug_log.h"
#include "platform/stream.h"

namespace {

enum class LevelKey {
    Grid,
    Boni,
    Music,
    Tileset,
    Timelimit,
    Flowersbonus,
    Timebonus,
    Tutorial,
    TutorX,
    TutorY,
    Background,
    None
};

// Matched by prefix, first hit wins, so the order matters.
struct KeyName {
    const char* prefix;
    LevelKey key;
};
constexpr KeyName KEY_NAMES[] = {
    {"grid", LevelKey::Grid},
    {"boni", LevelKey::Boni},
    {"music", LevelKey::Music},
    {"tileset", LevelKey::Tileset},
    {"timelimit", LevelKey::Timelimit},
    {"flowersbonus", LevelKey::Flowersbonus},
    {"timebonus", LevelKey::Timebonus},
    {"tutorial", LevelKey::Tutorial},
    {"tutor_x", LevelKey::TutorX},
    {"tutor_y", LevelKey::TutorY},
    {"background", LevelKey::Background},
};

LevelKey ClassifyKey(const std::string& key) {
    if (key.empty()) {
        return LevelKey::None;
    }
    for (const KeyName& name : KEY_NAMES) {
        if (StartsWithNoCase(key, name.prefix)) {
            return name.key;
        }
    }
    return LevelKey::None;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

int* ParameterField(levelData& level, LevelKey key) {
    switch (key) {
        case LevelKey::Music:
            return &level.music;
        case LevelKey::Tileset:
            return &level.tileset;
        case LevelKey::Timelimit:
            return &level.timelimit;
        case LevelKey::Flowersbonus:
            return &level.flowersbonus;
        case LevelKey::Timebonus:
            return &level.timebonus;
        case LevelKey::Tutorial:
            return &level.tutorial;
        case LevelKey::TutorX:
            return &level.tutor_x;
        case LevelKey::TutorY:
            return &level.tutor_y;
        case LevelKey::Background:
            return &level.background;
        default:
            return nullptr;
    }
}

// Column c takes the number after the c-th comma; short rows start over.
void ReadRow(int (&cells)[LEVEL_COLUMNS][LEVEL_ROWS], int row, const std::string& value) {
    size_t p = 0;
    for (int column = 0; column < LEVEL_COLUMNS; ++column) {
        cells[column][row] = LevelInt(value.substr(p));
        const size_t comma = value.find(',', p);
        p = (comma == std::string::npos) ? 0 : comma + 1;
    }
}

// One debug line per row that holds values the game does not know.
void ReportUnknownValues(const levelData& level, const std::string& key,
                         const int (&cells)[LEVEL_COLUMNS][LEVEL_ROWS], int row, int lastKnown) {
    for (int column = 0; column < LEVEL_COLUMNS; ++column) {
        const int value = cells[column][row];
        if (value < 0 || value > lastKnown) {
            DebugLog("***Level " + level.fileName + ": " + key + " holds unknown value " +
                     std::to_string(value) + " in column " + std::to_string(column));
            return;
        }
    }
}

void ReadLevelLine(levelData& level, const std::string& line) {
    const std::string key = KeyOf(line);
    const LevelKey kind = ClassifyKey(key);
    if (kind == LevelKey::None) {
        return;
    }
    const std::string value = ValueOf(line);
    if (kind == LevelKey::Grid || kind == LevelKey::Boni) {
        const int rowNumber = LevelInt(key.substr(4, 7));
        if (rowNumber < 1 || rowNumber > LEVEL_ROWS) {
            DebugLog("***Level " + level.fileName + ": ignored row line '" + key + "'");
            return;
        }
        auto& cells = kind == LevelKey::Grid ? level.grid : level.bonus;
        ReadRow(cells, rowNumber - 1, value);
        ReportUnknownValues(level, key, cells, rowNumber - 1,
                            kind == LevelKey::Grid ? LAST_TILE_VALUE : LAST_PICTURE_PIECE);
        return;
    }
    *ParameterField(level, kind) = LevelInt(value);
}

// Two digits at least; negative values keep their sign so they read back.
std::string CellText(int value) {
    if (value >= 0 && value < 10) {
        // Built from its two characters ("0" + text trips a false -Wrestrict of GCC 12 at -O3).
        return std::string{'0', static_cast<char>('0' + value)};
    }
    return std::to_string(value);
}

void WriteLayer(TStream& stream, const char* keyword,
                const int (&cells)[LEVEL_COLUMNS][LEVEL_ROWS]) {
    for (int row = 0; row < LEVEL_ROWS; ++row) {
        std::string line = keyword + CellText(row + 1) + "=";
        for (int column = 0; column < LEVEL_COLUMNS; ++column) {
            if (column > 0) {
                line += ",";
            }
            line += CellText(cells[column][row]);
        }
        WriteLine(stream, line);
    }
}

}  // namespace

int LevelInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    uint32_t base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    uint32_t result = 0;  // wraps like a 32-bit register on overflow
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= static_cast<int>(base)) {
            break;
        }
        result = result * base + static_cast<uint32_t>(digit);
    }
    if (negative) {
        result = 0u - result;
    }
    return static_cast<int>(result);
}

LevelDataPtr levelData::Create(const std::string& path) {
    auto level = std::make_shared<levelData>();
    level->fileName = path;
    StreamPtr stream = OpenAssetFile(path);
    if (stream) {
        level->ReadFrom(*stream);
        CloseStream(stream);
    }
    return level;
}

LevelDataPtr levelData::CreateFromText(const std::string& text, const std::string& path) {
    auto level = std::make_shared<levelData>();
    level->fileName = path;
    StreamPtr stream = CreateMemoryStream(text);
    level->ReadFrom(*stream);
    return level;
}

void levelData::ReadFrom(TStream& stream) {
    while (!Eof(stream)) {
        ReadLevelLine(*this, ReadLine(stream));
    }
}

void levelData::WriteTo(TStream& stream) const {
    WriteLayer(stream, "grid", grid);
    WriteLayer(stream, "boni", bonus);
    const std::pair<const char*, int> parameters[] = {
        {"music=", music},           {"tileset=", tileset},
        {"timelimit=", timelimit},   {"flowersbonus=", flowersbonus},
        {"timebonus=", timebonus},   {"tutorial=", tutorial},
        {"tutor_x=", tutor_x},       {"tutor_y=", tutor_y},
        {"background=", background},
    };
    for (const auto& [key, value] : parameters) {
        WriteLine(stream, key + std::to_string(value));
    }
}

int levelData::Save() const {
    StreamPtr stream = WriteStream(fileName);
    if (!stream) {
        DebugLog("***Failed to write level " + fileName);
        return 0;
    }
    WriteTo(*stream);
    CloseStream(stream);
    return 0;
}
