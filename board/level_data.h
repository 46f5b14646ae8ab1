#pragma once
// One level: the starting board, its bonus layer and the level's parameters,
// read from and written to the game's ".dat" text format.
#include <memory>
#include <string>

class TStream;
class levelData;
using LevelDataPtr = std::shared_ptr<levelData>;

constexpr int LEVEL_COLUMNS = 25;
constexpr int LEVEL_ROWS = 12;
// The highest level number a level file or the command line may name. The
// story is shorter: its length is "NumberOfLevels" of the game's script.
constexpr int MAX_LEVEL_NUMBER = 60;

class levelData {
public:
    std::string fileName;
    int grid[LEVEL_COLUMNS][LEVEL_ROWS] = {};   // [column][row]
    int bonus[LEVEL_COLUMNS][LEVEL_ROWS] = {};  // [column][row]
    int music = 0;
    int tileset = 0;
    int timelimit = 0;
    int flowersbonus = 0;
    int timebonus = 0;
    int tutorial = 0;
    int tutor_x = 0;
    int tutor_y = 0;
    int background = 0;

    // Reads the level at path through the asset archive; a missing file gives
    // an empty level.
    static LevelDataPtr Create(const std::string& path);
    // The same reader over text already in memory (tools and tests).
    static LevelDataPtr CreateFromText(const std::string& text, const std::string& path = "");

    // Fills this level from the stream's lines; earlier contents stay where
    // the stream does not mention them.
    void ReadFrom(TStream& stream);
    // Writes the shipped layout (CR LF lines) to fileName, a plain file.
    int Save() const;
    void WriteTo(TStream& stream) const;
};

// The level files' integer conversion: leading white space, an optional
// sign, then decimal digits, or "$" and hex digits, or "%" and binary digits.
// No digits gives 0.
int LevelInt(const std::string& text);
