#include "app/line_helpers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

char LowerChar(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsSpaceCode(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool ReadInt(const std::string& text, size_t& pos, int& value) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const size_t first = pos;
    long long number = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        number = number * 10 + (text[pos] - '0');
        if (number > 2147483648LL) {
            number = 2147483648LL;
        }
    }
    if (negative) {
        number = -number;
    }
    if (number > 2147483647LL) {
        number = 2147483647LL;
    }
    value = static_cast<int>(number);
    return pos > first;
}

std::string KeyOf(const std::string& line) {
    const size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string ValueOf(const std::string& line) {
    const size_t eq = line.find('=');
    return eq == std::string::npos ? line : line.substr(eq + 1);
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (LowerChar(text[i]) != LowerChar(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::string TrimSpaces(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsSpaceCode(text[begin])) {
        ++begin;
    }
    while (end > begin && IsSpaceCode(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

void ParseColor4(const std::string& text, int& r, int& g, int& b, int& a) {
    int* const parts[4] = {&r, &g, &b, &a};
    size_t pos = 0;
    int last = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos != std::string::npos) {
            while (pos < text.size() && text[pos] == ' ') {
                ++pos;
            }
            ReadInt(text, pos, last);
            const size_t comma = text.find(',', pos);
            pos = comma == std::string::npos ? std::string::npos : comma + 1;
        }
        *parts[i] = last;
    }
}

std::string FilterPlatformLine(const std::string& line) {
    if (line.compare(0, 2, "$$") != 0) {
        return line;
    }
    const size_t space = line.find(' ');
    const std::string tag =
        space == std::string::npos ? std::string() : ToLower(line.substr(0, space));
    const std::string rest = TrimSpaces(line.substr(tag.size()));
    return tag == "$$win" ? rest : std::string();
}

void SwapValues(int& a, int& b) {
    std::swap(a, b);
}

std::string ToLower(const std::string& text) {
    std::string lower(text);
    for (char& c : lower) {
        c = LowerChar(c);
    }
    return lower;
}

std::string ZeroPadded(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), '0') + text;
}

int ToInt(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && IsSpaceCode(text[pos])) {
        ++pos;
    }
    int value = 0;
    ReadInt(text, pos, value);
    return value;
}

float ToFloat(const std::string& text) {
    // Only plain decimal text counts: no "inf", "nan" or hex forms.
    size_t pos = 0;
    while (pos < text.size() && IsSpaceCode(text[pos])) {
        ++pos;
    }
    const size_t start = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    size_t digits = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0f;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) {
            ++exp;
        }
        if (exp < text.size() && IsDigit(text[exp])) {
            for (pos = exp; pos < text.size() && IsDigit(text[pos]); ++pos) {
            }
        }
    }
    const float value = std::strtof(text.substr(start, pos - start).c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0f;
}

std::string ForwardSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
