#pragma once
// The language the player's system speaks, as a lower-case two-letter code
// ("de", "fr"), or empty when the system does not say. Each target has its own.
#include <string>

std::string SystemLanguage();
