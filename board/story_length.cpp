#include "board/story_length.h"

#include <sstream>

#include "app/assets.h"
#include "app/line_helpers.h"
#include "app/resource_line.h"
#include "board/level_data.h"
#include "platform/debug_log.h"

int StoryLength(const std::string& sharedScript) {
    std::istringstream lines(sharedScript);
    std::string text;
    while (std::getline(lines, text)) {
        ResourceLine line;
        if (!ParseResourceLine(text, line) || line.ident != "const" ||
            line.name != "numberoflevels") {
            continue;
        }
        const int length = ToInt(line.value);
        if (length >= 1 && length <= MAX_LEVEL_NUMBER) {
            return length;
        }
        break;
    }
    DebugLog("***Error: the shared game script names no story length from 1 to " +
             std::to_string(MAX_LEVEL_NUMBER) + "***");
    return 0;
}

int ShippedStoryLength() {
    const StreamPtr script = OpenAssetFile(SHARED_GAME_SCRIPT);
    return StoryLength(script ? ReadAll(*script) : std::string());
}
