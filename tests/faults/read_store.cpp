// Reads a settings file as the game does and checks it is whole: every line
// ends in CR LF and holds a scrambled key and value. Prints each entry as
// "key=value"; exits 1 for a damaged file, 2 when there is none.
//
//   read_store <app.dat>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "app/settings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: read_store <app.dat>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        return 2;
    }
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    size_t start = 0;
    int entries = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            std::fprintf(stderr, "read_store: the last line is cut short\n");
            return 1;
        }
        const std::string line = bytes.substr(start, end - start);
        const size_t eq = line.find('=');
        if (line.compare(0, 2, "@@") != 0 || eq == std::string::npos ||
            line.compare(eq + 1, 2, "@@") != 0) {
            std::fprintf(stderr, "read_store: a damaged line: %s\n", line.c_str());
            return 1;
        }
        std::printf("%s=%s\n", AppConstantsManager::_decrypt(line.substr(0, eq)).c_str(),
                    AppConstantsManager::_decrypt(line.substr(eq + 1)).c_str());
        ++entries;
        start = end + 2;
    }
    return entries > 0 ? 0 : 1;
}
