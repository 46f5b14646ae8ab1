#include "tests/levels/shipped_levels.h"

#include <fstream>
#include <map>
#include <sstream>

std::string ShippedLevelPath(int n) {
    return std::string(TESS_SOURCE_DIR) + "/data/game/levels/" + std::to_string(n) + ".dat";
}

namespace {

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::string ShippedLevelText(int n) {
    return FileText(ShippedLevelPath(n));
}

std::string ShippedRemovalOrdersText() {
    return FileText(std::string(TESS_SOURCE_DIR) + "/tools/levels/removal_orders.txt");
}

const RemovalOrders& ShippedRemovalOrders() {
    static const RemovalOrders orders = ParseRemovalOrders(ShippedRemovalOrdersText());
    return orders;
}

const levelData& ShippedLevel(int n) {
    static std::map<int, LevelDataPtr> levels;
    LevelDataPtr& level = levels[n];
    if (!level) {
        level = levelData::CreateFromText(ShippedLevelText(n), ShippedLevelPath(n));
    }
    return *level;
}

const LevelBook& StoryBook() {
    static const LevelBook book =
        ReadLevelBook(std::string(TESS_SOURCE_DIR) + "/tools/levels/levels.txt");
    return book;
}

const GeneratedStory& RegeneratedStory() {
    static const GeneratedStory story = GenerateStory(StoryBook());
    return story;
}
