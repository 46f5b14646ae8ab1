#pragma once
// The shipped story levels and the generator's own run of the level book,
// made once for all level tests.
#include <string>

#include "board/level_data.h"
#include "tools/levels/level_generator.h"
#include "tools/levels/removal_orders.h"

constexpr int STORY_LEVELS = 50;

// Level file n (1-based) as committed, read as the game reads it.
const levelData& ShippedLevel(int n);
std::string ShippedLevelText(int n);
std::string ShippedLevelPath(int n);

const LevelBook& StoryBook();
// The committed removal orders beside the level book.
const RemovalOrders& ShippedRemovalOrders();
std::string ShippedRemovalOrdersText();
// The generator run over the book (about ten seconds, done once).
const GeneratedStory& RegeneratedStory();
