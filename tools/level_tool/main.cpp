// tessalune-levels: level files checked with the game's own board rules.
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "tools/level_tool/level_tool_commands.h"

#include "tools/level_tool/report.h"

namespace {

const char* const USAGE =
    "usage: tessalune-levels check [--nodes N] FILE...\n"
    "       tessalune-levels route FILE X1 Y1 X2 Y2\n"
    "       tessalune-levels hints FILE N\n"
    "       tessalune-levels report FILE...\n";

bool ParseNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && next == end;
}

bool ParseNumbers(const std::vector<std::string>& texts, std::vector<int>& values) {
    values.clear();
    for (const std::string& text : texts) {
        int value = 0;
        if (!ParseNumber(text, value)) {
            return false;
        }
        values.push_back(value);
    }
    return true;
}

int Usage() {
    std::cerr << USAGE;
    return EXIT_USAGE;
}

int RunReport(const std::vector<std::string>& files) {
    return RunReportCommand(files);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return Usage();
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    std::vector<int> numbers;
    if (command == "check" && rest.size() >= 3 && rest[0] == "--nodes" &&
        ParseNumbers({rest[1]}, numbers) && numbers[0] > 0) {
        return RunCheckCommand({rest.begin() + 2, rest.end()}, std::cout, std::cerr, numbers[0]);
    }
    if (command == "check" && !rest.empty() && rest[0] != "--nodes") {
        return RunCheckCommand(rest, std::cout, std::cerr);
    }
    if (command == "route" && rest.size() == 5 &&
        ParseNumbers({rest.begin() + 1, rest.end()}, numbers)) {
        return RunRouteCommand(rest[0], numbers[0], numbers[1], numbers[2], numbers[3], std::cout,
                               std::cerr);
    }
    if (command == "hints" && rest.size() == 2 && ParseNumbers({rest[1]}, numbers) &&
        numbers[0] >= 0) {
        return RunHintsCommand(rest[0], numbers[0], std::cout, std::cerr);
    }
    if (command == "report" && !rest.empty()) {
        return RunReport(rest);
    }
    return Usage();
}
