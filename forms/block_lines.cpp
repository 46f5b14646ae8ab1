#include "forms/block_lines.h"

#include "app/line_helpers.h"
#include "platform/stream.h"

bool EndsBlock(const std::string& line, const std::string& endTag) {
    return StartsWithNoCase(endTag, line);
}

std::vector<std::string> ReadBlockLines(TStream& stream, const std::string& endTag) {
    std::vector<std::string> lines;
    while (!Eof(stream)) {
        std::string line = ReadLine(stream);
        if (EndsBlock(line, endTag)) {
            break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}
