#pragma once
// The story's words (story.txt): "[prologue N]" and "[epilogue N]" headings,
// each followed by the text of its page; lines starting with "'" are notes.
#include <map>
#include <string>

struct StoryText {
    std::map<int, std::string> prologue;  // page 1 to 5
    std::map<int, std::string> epilogue;  // page 1 to 4
};

StoryText ReadStoryText(const std::string& file);
