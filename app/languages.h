#pragma once
// The languages the game ships (data/locale/languages.txt) and which one the
// "locale" setting names: the system's language on the first start, English
// when the game does not speak it, then whatever the player chooses.
#include <string>
#include <vector>

struct Language {
    std::string code;  // two letters, "de"
    std::string file;  // its locale file
};

std::vector<Language> ShippedLanguages();
// The locale file of a two-letter code; the first language's when none fits.
std::string LocaleFileForLanguage(const std::string& code);
// The language after the one whose file is given, round to the first.
std::string NextLocaleFile(const std::string& file);
// Whether file is one of the shipped languages' locale files.
bool IsShipped(const std::string& file);
// The "locale" setting; when it is missing, or names a language the game does
// not ship, the system's language sets it.
std::string ChosenLocaleFile();
// Keeps file as the "locale" setting and loads its table in place of the old.
void ChooseLocaleFile(const std::string& file);
