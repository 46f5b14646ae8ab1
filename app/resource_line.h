#pragma once
// One line of a resource script ("IDENT name = value").
#include <string>

struct ResourceLine {
    std::string ident;
    std::string name;
    std::string value;
    std::string rawValue;  // before the locale text replaced a "##" key
};

// Splits a line into ident, name and value; false for lines to ignore.
bool ParseResourceLine(const std::string& rawLine, ResourceLine& out);
