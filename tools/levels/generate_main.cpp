// tessalune-levelgen BOOK OUTDIR [ORDERS]: writes the story levels of the
// level book as OUTDIR/1.dat ... OUTDIR/N.dat, and their removal orders to
// ORDERS when given.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/levels/level_generator.h"
#include "tools/levels/removal_orders.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tessalune-levelgen BOOK OUTDIR [ORDERS]\n");
        return 2;
    }
    const GeneratedStory story = GenerateStory(ReadLevelBook(argv[1]));
    for (const std::string& error : story.errors) {
        std::fprintf(stderr, "error: %s\n", error.c_str());
    }
    if (!story.errors.empty()) {
        return 1;
    }
    const std::string outDir = argv[2];
    RemovalOrders orders;
    for (size_t i = 0; i < story.levels.size(); ++i) {
        levelData level = story.levels[i].level;
        level.fileName = outDir + "/" + std::to_string(i + 1) + ".dat";
        level.Save();
        std::printf("level %zu: %zu pairs, seed %u, %d s\n", i + 1,
                    story.levels[i].removalOrder.size(), story.levels[i].seed, level.timelimit);
        orders.push_back(story.levels[i].removalOrder);
    }
    if (argc == 4) {
        std::ofstream(argv[3], std::ios::binary) << RemovalOrdersText(orders);
    }
    return 0;
}
