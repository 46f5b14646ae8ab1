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
int ToInt(const std::string& text);            // leading sign and digits, else 0
float ToFloat(const std::string& text);        // leading number, else 0
