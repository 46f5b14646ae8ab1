#pragma once
// The locale table: "##" keys and the texts the player reads, from one file.
#include <string>

class localeStringManager {
public:
    // Loads file when no table exists yet or reload is non-zero.
    static void loadLocaleStrings(const std::string& file, int reload);
    // The text of key; "unknown locale" + key (and a debug line) when missing.
    static std::string getLocaleString(const std::string& key);
    // Forgets the table, so that the next load reads its file.
    static void Reset();
};

// text itself, or its locale text when it begins with "##" (any case).
std::string LocaleText(const std::string& text);
