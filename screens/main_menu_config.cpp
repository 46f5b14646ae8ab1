#include "screens/main_menu_config.h"

#include <algorithm>

#include "app/app_module.h"

MenuConfig ReadMenuConfig(const _AppModule& module) {
    MenuConfig config;
    config.moreGamesOn = module.constInt("MoreGamesOn") != 0;
    config.moreGamesUrl = module.constString("MoreGamesURL");
    config.maxTileSets = ConfigListCount(module, "MaxTileSets");
    config.numberOfLevels = module.constInt("NumberOfLevels");
    config.relaxedVeil = std::clamp(module.constFloat("RelaxedVeil"), 0.0f, 1.0f);
    config.backgrounds =
        ConfigList(module, ConfigListCount(module, "NumberBackgrounds"), "Background");
    config.storyScreens =
        ConfigList(module, ConfigListCount(module, "NumberStoryScreens"), "storyscreen");
    return config;
}
