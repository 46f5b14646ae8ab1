#include "platform/system_language.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <iterator>

// The user's interface language: "de-DE" gives "de"; nothing gives "".
std::string SystemLanguage() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) == 0) {
        return {};
    }
    const LANGID ui = GetUserDefaultUILanguage();
    wchar_t uiName[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(ui, SORT_DEFAULT), uiName, LOCALE_NAME_MAX_LENGTH, 0) > 0) {
        std::copy(std::begin(uiName), std::end(uiName), std::begin(name));
    }
    std::string code;
    for (const wchar_t* p = name; *p != 0 && *p < 128 && std::isalpha(static_cast<int>(*p)); ++p) {
        code += static_cast<char>(std::tolower(static_cast<int>(*p)));
    }
    return code.size() == 2 ? code : std::string();
}
