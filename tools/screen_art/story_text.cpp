#include "story_text.h"

#include <cstdio>
#include <fstream>
#include <regex>

StoryText ReadStoryText(const std::string& file) {
    StoryText story;
    std::ifstream in(file);
    static const std::regex HEADING("\\[(prologue|epilogue) ([0-9]+)\\]\\s*");
    std::string line;
    std::string* page = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::smatch m;
        if (std::regex_match(line, m, HEADING)) {
            auto& pages = m[1].str() == "prologue" ? story.prologue : story.epilogue;
            page = &pages[std::stoi(m[2].str())];
            continue;
        }
        if (line.empty() || line[0] == '\'') {
            continue;
        }
        if (page == nullptr) {
            std::fprintf(stderr, "%s: text before the first page: %s\n", file.c_str(),
                         line.c_str());
            continue;
        }
        *page += (page->empty() ? "" : " ") + line;
    }
    return story;
}
