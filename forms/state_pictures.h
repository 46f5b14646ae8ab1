#pragma once
// The six control states and the keys that name their pictures.
#include <string>

constexpr int STATE_NORMAL = 0;
constexpr int STATE_OVER = 1;
constexpr int STATE_DOWN = 2;
constexpr int STATE_OFF_NORMAL = 3;
constexpr int STATE_OFF_OVER = 4;
constexpr int STATE_OFF_DOWN = 5;
constexpr int STATE_COUNT = 6;

// The state whose picture key begins line ("over", "normal", "down",
// "off_normal", "off_over", "off_down", tested in that order), or -1.
int StatePictureKey(const std::string& line);
