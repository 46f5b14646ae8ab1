#include "platform/system_language.h"

#include <cctype>
#include <cstdlib>

namespace {

// "de_DE.UTF-8" and "de" give "de"; "C" and "POSIX" say nothing.
std::string LanguageOf(const char* value) {
    std::string code;
    for (const char* p = value; p && std::isalpha(static_cast<unsigned char>(*p)); ++p) {
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    }
    return code.size() == 2 ? code : std::string();
}

}  // namespace

std::string SystemLanguage() {
    // The order the C library itself asks them in.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return LanguageOf(value);
        }
    }
    return {};
}
