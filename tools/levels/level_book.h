#pragma once
// The level book: the hand-made masks of the story levels and the settings
// the generator fills them with, read from tools/levels/levels.txt.
#include <array>
#include <string>
#include <vector>

#include "board/level_data.h"

// Mask cells.
constexpr char MASK_EMPTY = '.';
constexpr char MASK_TILE = 'o';
constexpr char MASK_BLOCK_1 = '#';
constexpr char MASK_BLOCK_2 = '+';

struct LevelMask {
    int number = 0;
    std::string name;
    int faces = 0;                             // plain faces in use
    int flowers = 0;                           // pairs from the flower families
    std::string items;                         // bonus item letters
    double spread = 0.0;                       // 0: pairs lie close, 1: anywhere
    int variant = 0;                           // reverse-play attempt to start from
    std::array<std::string, LEVEL_ROWS> rows;  // LEVEL_COLUMNS characters each

    char Cell(int x, int y) const { return rows[y][x]; }
    int TileCount() const;
    int BlockCount() const;
};

struct LevelBookSettings {
    std::vector<int> locations;  // levels per location
    int backgrounds = 25;        // spread evenly over the levels
    double secondsPerPairFirst = 6.0;
    double secondsPerPairLast = 3.0;
    int timeItemSecondsFirst = 10;
    int timeItemSecondsLast = 5;
    int flowerSecondsFirst = 4;
    int flowerSecondsLast = 2;
    int tutorialWidth = 180;
    int tutorialHeight = 120;
    int tutorialTop = 48;
    int tutorialBottom = 572;
    int tutorialMargin = 8;
    int seed = 1;
    int attempts = 100;
};

struct LevelBook {
    LevelBookSettings settings;
    std::vector<LevelMask> levels;
    std::vector<std::string> errors;  // empty when the book is sound
};

LevelBook ParseLevelBook(const std::string& text);
// An unreadable file gives a book with one error.
LevelBook ReadLevelBook(const std::string& path);

// Bonus value of an item letter (S, U, R, H, T), 0 for any other.
int BonusItemOfLetter(char letter);
