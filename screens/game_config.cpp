#include "screens/game_config.h"

#include "app/app_module.h"
#include "app/line_helpers.h"
#include "platform/debug_log.h"

namespace {

// Counts are capped so that a damaged script cannot ask for huge lists.
constexpr int MAX_LIST = 100;

}  // namespace

int ConfigListCount(const _AppModule& module, const std::string& name) {
    const int count = module.constInt(name);
    if (count < 0 || count > MAX_LIST) {
        DebugLog("***Error: game constant " + name + " out of range: " + std::to_string(count) +
                 "***");
        return count < 0 ? 0 : MAX_LIST;
    }
    return count;
}

std::vector<std::string> ConfigList(const _AppModule& module, int count, const std::string& prefix,
                                    const std::string& suffix) {
    std::vector<std::string> list(static_cast<size_t>(count) + 1);
    for (int n = 1; n <= count; ++n) {
        list[n] = module.constString(prefix + std::to_string(n) + suffix);
    }
    return list;
}

namespace {

std::vector<int> ReadIntList(const _AppModule& module, int count, const std::string& prefix,
                             const std::string& suffix) {
    std::vector<int> list(static_cast<size_t>(count) + 1, 0);
    for (int n = 1; n <= count; ++n) {
        list[n] = module.constInt(prefix + std::to_string(n) + suffix);
    }
    return list;
}

// Route speeds divide the frame time, so they must stay above 0.
float PositiveDrawTime(const _AppModule& module, const std::string& name) {
    const float value = module.constFloat(name);
    if (!(value > 0.0f)) {
        DebugLog("***Error: game constant " + name + " must be above 0, drawing at once***");
        return 0.001f;
    }
    return value;
}

void SkipSpaces(const std::string& text, size_t& at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
}

// A number with the spaces around it.
bool ReadSpacedInt(const std::string& text, size_t& at, int& value) {
    SkipSpaces(text, at);
    const bool read = ReadInt(text, at, value);
    SkipSpaces(text, at);
    return read;
}

}  // namespace

std::string GameConfig::At(const std::vector<std::string>& list, int n) {
    return n >= 1 && n < static_cast<int>(list.size()) ? list[n] : std::string();
}

int GameConfig::At(const std::vector<int>& list, int n) {
    return n >= 1 && n < static_cast<int>(list.size()) ? list[n] : 0;
}

GamePosition ParseGamePosition(const std::string& text) {
    GamePosition position;
    size_t at = 0;
    int x = 0;
    int y = 0;
    if (!ReadSpacedInt(text, at, x) || at >= text.size() || text[at] != ',') {
        return position;
    }
    ++at;
    if (!ReadSpacedInt(text, at, y) || at != text.size()) {
        return position;
    }
    position.valid = true;
    position.x = x;
    position.y = y;
    return position;
}

GameConfig ReadGameConfig(const _AppModule& module) {
    GameConfig config;
    config.minMatchTime = module.constInt("MinMatchTime");
    config.lineDrawTime = PositiveDrawTime(module, "LineDrawTime");
    config.lineUndrawTime = PositiveDrawTime(module, "LineUndrawTime");
    config.numberOfLevels = module.constInt("NumberOfLevels");

    config.backgrounds =
        ConfigList(module, ConfigListCount(module, "NumberBackgrounds"), "Background");
    const int tileSets = ConfigListCount(module, "MaxTileSets");
    config.tileSets = ConfigList(module, tileSets, "TileSet");
    config.tileSet3D = ReadIntList(module, tileSets, "Set", "-3D");
    config.tileSetShadows = ReadIntList(module, tileSets, "Set", "-Shadows");
    config.tutorials = ConfigList(module, ConfigListCount(module, "MaxTutorials"), "tutorial");
    const int locations = ConfigListCount(module, "MaxLocations");
    config.locationNames = ConfigList(module, locations, "LocName");
    config.pictureComplete = ConfigList(module, locations, "PicComplete");
    config.locationPositions.assign(static_cast<size_t>(locations) + 1, GamePosition{});
    for (int n = 2; n <= locations; ++n) {
        const std::string name = "Pos" + std::to_string(n);
        config.locationPositions[n] = ParseGamePosition(module.constString(name));
        if (!config.locationPositions[n].valid) {
            DebugLog("***Error: game constant " + name + " is not \"x,y\": \"" +
                     module.constString(name) + "\"***");
        }
    }
    config.endStory = ConfigList(module, ConfigListCount(module, "NumberEndStory"), "EndStory");

    config.selectFirst = module.constString("SelectFirst");
    config.selectNext = module.constString("SelectNext");
    config.noMatch = module.constString("NoMatch");
    config.noRoute = module.constString("NoRoute");
    config.noMoreMoves = module.constString("NoMoreMoves");
    config.useUndoOrRetry = module.constString("UseUndoOrRetry");
    config.timeUp = module.constString("TimeUp");
    config.finished = module.constString("Finished");
    config.level = module.constString("Level");
    return config;
}
