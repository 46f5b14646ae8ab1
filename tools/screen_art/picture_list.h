#pragma once
// The list of screen pictures (pictures.txt): one line per path pattern with
// its size. "N-M" in a path stands for each number from N to M, "a|b|c" for
// each of the words; a size "N" takes the number the pattern expanded to.
#include <string>
#include <vector>

struct ListedPicture {
    std::string path;  // "data/..." in the archive, "icons/..." beside the build
    int width = 0;     // 0 for pictures without a pixel size (SVG)
    int height = 0;
};

// Every picture of the list, in the list's order; empty when the file cannot
// be read. Malformed lines are reported on stderr and skipped.
std::vector<ListedPicture> ReadPictureList(const std::string& file);
// One pattern expanded, in order: "a1-2_x|y" gives a1_x, a1_y, a2_x, a2_y.
std::vector<std::string> ExpandPattern(const std::string& pattern);
