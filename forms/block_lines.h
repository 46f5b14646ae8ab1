#pragma once
// Tagged blocks of the GUI file and the form files.
#include <string>
#include <vector>

class TStream;

// Reads lines up to the one that ends the block and returns them. A line ends
// the block when it is the beginning of endTag (any case): the tag itself, but
// also an empty line or a partial tag such as "</". That line is consumed.
// The end of the stream ends the block too.
std::vector<std::string> ReadBlockLines(TStream& stream, const std::string& endTag);

// True when line ends a block closed by endTag.
bool EndsBlock(const std::string& line, const std::string& endTag);
