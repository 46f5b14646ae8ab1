// tessalune-levelgen BOOK OUTDIR: writes the story levels of the level book
// as OUTDIR/1.dat ... OUTDIR/N.dat.
#include <cstdio>
#include <string>

#include "tools/levels/level_generator.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessalune-levelgen BOOK OUTDIR\n");
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
    for (size_t i = 0; i < story.levels.size(); ++i) {
        levelData level = story.levels[i].level;
        level.fileName = outDir + "/" + std::to_string(i + 1) + ".dat";
        level.Save();
        std::printf("level %zu: %zu pairs, seed %u, %d s\n", i + 1, story.levels[i].removalOrder.size(),
                    story.levels[i].seed, level.timelimit);
    }
    return 0;
}
