#include "picture_list.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

struct Expansion {
    std::string path;
    std::string number;  // the last number a range gave, for "N" sizes
};

std::vector<Expansion> Expand(const std::string& pattern, const std::string& number) {
    static const std::regex RANGE("([0-9]+)-([0-9]+)");
    static const std::regex CHOICE("[A-Za-z0-9]+(\\|[A-Za-z0-9]+)+");
    std::smatch m;
    if (std::regex_search(pattern, m, RANGE)) {
        const int first = std::stoi(m[1].str());
        const int last = std::stoi(m[2].str());
        std::vector<Expansion> out;
        for (int n = first; n <= last; ++n) {
            const std::string text = std::to_string(n);
            const std::string path = m.prefix().str() + text + m.suffix().str();
            for (Expansion& e : Expand(path, text)) {
                out.push_back(std::move(e));
            }
        }
        return out;
    }
    if (std::regex_search(pattern, m, CHOICE)) {
        std::vector<Expansion> out;
        std::stringstream words(m[0].str());
        std::string word;
        while (std::getline(words, word, '|')) {
            const bool numeric = std::isdigit(static_cast<unsigned char>(word[0])) != 0;
            const std::string path = m.prefix().str() + word + m.suffix().str();
            for (Expansion& e : Expand(path, numeric ? word : number)) {
                out.push_back(std::move(e));
            }
        }
        return out;
    }
    return {{pattern, number}};
}

int SizeOf(const std::string& text, const std::string& number) {
    if (text == "N") {
        return number.empty() ? -1 : std::stoi(number);
    }
    if (text == "-") {
        return 0;
    }
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return -1;
        }
    }
    return text.empty() ? -1 : std::stoi(text);
}

}  // namespace

std::vector<std::string> ExpandPattern(const std::string& pattern) {
    std::vector<std::string> out;
    for (const Expansion& e : Expand(pattern, "")) {
        out.push_back(e.path);
    }
    return out;
}

std::vector<ListedPicture> ReadPictureList(const std::string& file) {
    std::ifstream in(file);
    std::vector<ListedPicture> out;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '\'' || line[0] == ' ') {
            continue;
        }
        std::istringstream fields(line);
        std::string pattern, width, height;
        fields >> pattern >> width >> height;
        for (const Expansion& e : Expand(pattern, "")) {
            const int w = SizeOf(width, e.number);
            const int h = SizeOf(height, e.number);
            if (w < 0 || h < 0) {
                std::fprintf(stderr, "%s:%d: bad size for %s\n", file.c_str(), number,
                             e.path.c_str());
                continue;
            }
            out.push_back({e.path, w, h});
        }
    }
    return out;
}
