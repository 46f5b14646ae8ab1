#pragma once
// The story's length as the script shared by the main menu and the game
// gives it; the highest level number a file may name is another thing
// (MAX_LEVEL_NUMBER).
#include <string>

inline constexpr const char* SHARED_GAME_SCRIPT = "data/game/shared.txt";

// "NumberOfLevels" of the shared script's text: the story's last level.
// Missing or outside 1..MAX_LEVEL_NUMBER gives 0 with a debug line.
int StoryLength(const std::string& sharedScript);
// The same from the game's own data, as the running game reads it.
int ShippedStoryLength();
