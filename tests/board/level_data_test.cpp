#include <gtest/gtest.h>

#include <filesystem>

#include "board/level_data.h"
#include "platform/debug_log.h"
#include "platform/stream.h"

namespace {

std::vector<int> Row(const levelData& level, int row) {
    std::vector<int> cells;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        cells.push_back(level.grid[x][row]);
    }
    return cells;
}

TEST(LevelInt, ReadsDecimalHexBinaryAndLeadingDigits) {
    EXPECT_EQ(LevelInt("  42"), 42);
    EXPECT_EQ(LevelInt("-7"), -7);
    EXPECT_EQ(LevelInt("+8"), 8);
    EXPECT_EQ(LevelInt("7x"), 7);
    EXPECT_EQ(LevelInt("$1F"), 31);
    EXPECT_EQ(LevelInt("%101"), 5);
    EXPECT_EQ(LevelInt("x7"), 0);
    EXPECT_EQ(LevelInt(""), 0);
    EXPECT_EQ(LevelInt("$"), 0);
    LevelInt("99999999999999999999");  // wraps, never undefined
}

TEST(LevelReader, ShortRowsRepeatCyclically) {
    const LevelDataPtr level = levelData::CreateFromText("grid05=00,00,03\n");
    const std::vector<int> row = Row(*level, 4);
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        EXPECT_EQ(row[x], x % 3 == 2 ? 3 : 0) << "column " << x;
    }
    const LevelDataPtr single = levelData::CreateFromText("Grid5=3\n");
    EXPECT_EQ(Row(*single, 4), std::vector<int>(LEVEL_COLUMNS, 3));
}

TEST(LevelReader, EmptyFieldsBetweenCommasReadZero) {
    const LevelDataPtr level = levelData::CreateFromText("grid01=1,,2");
    EXPECT_EQ(level->grid[0][0], 1);
    EXPECT_EQ(level->grid[1][0], 0);
    EXPECT_EQ(level->grid[2][0], 2);
    EXPECT_EQ(level->grid[3][0], 1);  // starts over
}

TEST(LevelReader, RowNumbersOutsideOneToTwelveChangeNothing) {
    const LevelDataPtr level =
        levelData::CreateFromText("grid13=5\r\ngrid00=5\r\ngridlines=5\r\nboni99=5\r\n");
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            EXPECT_EQ(level->grid[x][y], 0);
            EXPECT_EQ(level->bonus[x][y], 0);
        }
    }
}

TEST(LevelReader, KeysMatchByPrefixInOrder) {
    const LevelDataPtr level = levelData::CreateFromText(
        " music=9\nmusicvolume=4\ntileset= 2\nTIMELIMIT=480\nflowersbonus=5\ntimebonus=$A\n"
        "tutorial=3\ntutor_x=120\ntutor_y=-4\nbackground=%11\ngrid12x=7\nboni01=06,21\n"
        "no equals sign\n=5\nunknown=3\n");
    EXPECT_EQ(level->music, 4);
    EXPECT_EQ(level->tileset, 2);
    EXPECT_EQ(level->timelimit, 480);
    EXPECT_EQ(level->flowersbonus, 5);
    EXPECT_EQ(level->timebonus, 10);
    EXPECT_EQ(level->tutorial, 3);
    EXPECT_EQ(level->tutor_x, 120);
    EXPECT_EQ(level->tutor_y, -4);
    EXPECT_EQ(level->background, 3);
    EXPECT_EQ(level->grid[24][11], 7);  // "12x" reads as row 12
    EXPECT_EQ(level->bonus[0][0], 6);
    EXPECT_EQ(level->bonus[1][0], 21);
}

TEST(LevelReader, LaterLinesOverwriteEarlierOnes) {
    const LevelDataPtr level = levelData::CreateFromText("grid01=5\ngrid1=7,8\nmusic=1\nmusic=2");
    EXPECT_EQ(level->grid[0][0], 7);
    EXPECT_EQ(level->grid[1][0], 8);
    EXPECT_EQ(level->music, 2);
}

TEST(LevelReader, UnknownValuesAreKeptAndLogged) {
    DebugLogCapture log;
    const LevelDataPtr level =
        levelData::CreateFromText("grid03=99,-7,44\nboni03=22,21\nboni04=21,00\n", "odd.dat");
    EXPECT_EQ(level->grid[0][2], 99);
    EXPECT_EQ(level->grid[1][2], -7);
    EXPECT_EQ(level->bonus[0][2], 22);
    EXPECT_TRUE(log.Contains("***Level odd.dat: grid03 holds unknown value 99 in column 0"));
    EXPECT_TRUE(log.Contains("***Level odd.dat: boni03 holds unknown value 22 in column 0"));
    EXPECT_FALSE(log.Contains("boni04"));
}

TEST(LevelReader, MissingEmptyAndBinaryFilesGiveEmptyLevels) {
    const LevelDataPtr missing = levelData::Create("data/game/levels/no-such-level.dat");
    EXPECT_EQ(missing->fileName, "data/game/levels/no-such-level.dat");
    EXPECT_EQ(missing->timelimit, 0);
    const LevelDataPtr empty = levelData::CreateFromText("");
    EXPECT_EQ(empty->grid[0][0], 0);
    const std::string garbage("\x00\xff\x01grid01=\x00\x80,,,,\n\xfe", 17);
    const LevelDataPtr binary = levelData::CreateFromText(garbage);
    EXPECT_EQ(binary->music, 0);
}

TEST(LevelWriter, WritesTheShippedLayoutWithCrLf) {
    levelData level;
    level.grid[0][0] = 5;
    level.grid[1][0] = 12;
    level.bonus[24][11] = 21;
    level.timelimit = 480;
    const StreamPtr stream = CreateMemoryStream(std::string());
    level.WriteTo(*stream);
    stream->Seek(0);
    const std::string text = ReadAll(*stream);
    EXPECT_EQ(text.substr(0, 21), "grid01=05,12,00,00,00");
    EXPECT_NE(text.find("00,00\r\ngrid02="), std::string::npos);
    EXPECT_NE(text.find("boni12=00,"), std::string::npos);
    EXPECT_NE(text.find(",21\r\nmusic=0\r\ntileset=0\r\ntimelimit=480\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 14), "background=0\r\n");
}

TEST(LevelWriter, SaveRoundTripsThroughAPlainFile) {
    const std::string path = std::string(TESS_BINARY_DIR) + "/test-level-roundtrip.dat";
    levelData level;
    level.fileName = path;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            level.grid[x][y] = (x * 7 + y * 3) % 100;
            level.bonus[x][y] = (x + y) % 22;
        }
    }
    level.grid[3][3] = -7;  // written with its sign so it reads back
    level.music = 3;
    level.tileset = 4;
    level.timelimit = 300;
    level.flowersbonus = 6;
    level.timebonus = 7;
    level.tutorial = 1;
    level.tutor_x = 200;
    level.tutor_y = 150;
    level.background = 9;
    level.Save();
    const LevelDataPtr back = levelData::Create(path);
    std::filesystem::remove(path);
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            ASSERT_EQ(back->grid[x][y], level.grid[x][y]);
            ASSERT_EQ(back->bonus[x][y], level.bonus[x][y]);
        }
    }
    EXPECT_EQ(back->music, 3);
    EXPECT_EQ(back->tileset, 4);
    EXPECT_EQ(back->timelimit, 300);
    EXPECT_EQ(back->flowersbonus, 6);
    EXPECT_EQ(back->timebonus, 7);
    EXPECT_EQ(back->tutorial, 1);
    EXPECT_EQ(back->tutor_x, 200);
    EXPECT_EQ(back->tutor_y, 150);
    EXPECT_EQ(back->background, 9);
}

TEST(LevelWriter, UnwritablePathIsLoggedAndIgnored) {
    DebugLogCapture log;
    levelData level;
    level.fileName = "/nonexistent-folder/level.dat";
    EXPECT_EQ(level.Save(), 0);
    EXPECT_TRUE(log.Contains("***Failed to write level"));
}

}  // namespace
