#pragma once
// Small helpers shared by every text reader.
#include <string>

std::string KeyOf(const std::string& line);    // before the first "=", "" when none
std::string ValueOf(const std::string& line);  // after the first "=", the line when none
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
std::string TrimSpaces(const std::string& text);  // drops codes <= 32 at both ends
void ParseColor4(const std::string& text, int& r, int& g, int& b, int& a);
std::string FilterPlatformLine(const std::string& line);
void SwapValues(int& a, int& b);

// Shared conversions: leading-number parsing as the game's readers use it.
std::string ToLower(const std::string& text);
std::string ForwardSlashes(std::string path);  // backslashes become "/"
// Zeros in front of text up to width characters ("42", 5 gives "00042").
std::string ZeroPadded(const std::string& text, size_t width);
int ToInt(const std::string& text);  // leading sign and digits, else 0
// The sign and digits at pos, pos moved past them; false when there are no
// digits. Saturates instead of overflowing.
bool ReadInt(const std::string& text, size_t& pos, int& value);
float ToFloat(const std::string& text);  // leading number, else 0
