#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/scratch_folder.h"
#include "tools/level_tool/level_tool_commands.h"

namespace {

std::string WriteLevelFile(const std::string& name, const std::string& text) {
    static const ScratchFolder folder("level-tool");
    return folder.Write(name, text);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.rfind(prefix, 0) == 0;
    }));
}

// A full row line: the values given, then zeros (short rows would repeat).
std::string RowLine(const std::string& key, std::vector<int> values) {
    values.resize(25, 0);
    std::string line = key + "=";
    for (size_t i = 0; i < values.size(); ++i) {
        line += (i > 0 ? "," : "") + std::to_string(values[i]);
    }
    return line + "\r\n";
}

const std::string CLEARABLE = RowLine("grid02", {0, 3, 4, 3, 4, 37, 40}) +
                              RowLine("grid03", {0, 5, 5, 0, 0, 38, 39}) + "grid04=00,01,99\r\n";

TEST(LevelTool, CheckReportsCountsAndAProofOfClearing) {
    const std::string path = WriteLevelFile("tool-clearable.dat", CLEARABLE);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCheckCommand({path}, out, err), 0);
    const std::vector<std::string> lines = Lines(out.str());
    EXPECT_EQ(lines[0], "file " + path);
    EXPECT_EQ(lines[1], "tiles 10");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "value 3 2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "group 37-40 4"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "clearable yes"), lines.end());
    EXPECT_EQ(CountPrefix(lines, "remove "), 5);
    // Row 4 repeats "00,01,99" across the board: 8 blocks and 8 damaged cells.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "blocks 8"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "damaged 8"), lines.end());
    std::filesystem::remove(path);
}

TEST(LevelTool, CheckFailsForStuckOddAndMissingFiles) {
    const std::string stuck = WriteLevelFile("tool-stuck.dat", RowLine("grid01", {3, 3, 3}));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCheckCommand({stuck, "/no/such/level.dat"}, out, err), EXIT_NOT_CLEARABLE);
    const std::vector<std::string> lines = Lines(out.str());
    EXPECT_EQ(CountPrefix(lines, "clearable no"), 2);
    EXPECT_EQ(CountPrefix(lines, "odd 3 "), 1);
    EXPECT_NE(err.str().find("/no/such/level.dat: cannot read"), std::string::npos);
    std::filesystem::remove(stuck);
}

TEST(LevelTool, RouteShowsCellsAndPieces) {
    const std::string path = WriteLevelFile("tool-route.dat", CLEARABLE);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunRouteCommand(path, 1, 2, 2, 2, out, err), 0);
    EXPECT_EQ(out.str(), "cell 1 2 3\ncell 2 2 1\n");
    out.str("");
    EXPECT_EQ(RunRouteCommand(path, 1, 1, 3, 1, out, err), 0);  // over row 0
    EXPECT_EQ(out.str(), "cell 1 1 4\ncell 1 0 3\ncell 2 0 1\ncell 3 0 2\ncell 3 1 0\n");
    out.str("");
    EXPECT_EQ(RunRouteCommand(path, 1, 1, 2, 1, out, err), EXIT_NOT_CLEARABLE);
    EXPECT_EQ(out.str(), "no match\n");
    out.str("");
    EXPECT_EQ(RunRouteCommand(path, 0, 0, 30, 1, out, err), EXIT_NOT_CLEARABLE);
    EXPECT_EQ(out.str(), "not a tile 0 0\n");
    std::filesystem::remove(path);
}

TEST(LevelTool, HintsFollowTheHintButton) {
    const std::string path =
        WriteLevelFile("tool-hints.dat", RowLine("grid01", {3, 0, 3, 0, 0, 4, 4}));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunHintsCommand(path, 3, out, err), 0);
    EXPECT_EQ(out.str(), "hint 0 0 2 0\nhint 5 0 6 0\nhint 0 0 2 0\n");
    const std::string none =
        WriteLevelFile("tool-nohints.dat", RowLine("grid01", {3, 1, 3}) + "grid02=01\r\n");
    out.str("");
    EXPECT_EQ(RunHintsCommand(none, 3, out, err), EXIT_NOT_CLEARABLE);
    EXPECT_EQ(out.str(), "no hints\n");
    std::filesystem::remove(path);
    std::filesystem::remove(none);
}

}  // namespace
