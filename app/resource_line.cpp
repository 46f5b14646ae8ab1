#include "app/resource_line.h"

#include "app/line_helpers.h"
#include "app/locale_strings.h"

bool ParseResourceLine(const std::string& rawLine, ResourceLine& out) {
    const std::string line = FilterPlatformLine(rawLine);
    const size_t space = line.find(' ');
    if (line.empty() || space == std::string::npos || space == 0) {
        return false;
    }
    out.ident = ToLower(TrimSpaces(line.substr(0, space)));
    if (out.ident.empty() || out.ident[0] == '\'') {
        return false;
    }
    const size_t equals = line.find('=', space + 1);
    if (equals == std::string::npos) {
        out.name = ToLower(TrimSpaces(line.substr(space + 1)));
        out.value = TrimSpaces(line);
    } else {
        out.name = ToLower(TrimSpaces(line.substr(space + 1, equals - space - 1)));
        out.value = TrimSpaces(line.substr(equals + 1));
    }
    out.rawValue = out.value;
    out.value = LocaleText(out.value);
    out.name = LocaleText(out.name);
    return true;
}
