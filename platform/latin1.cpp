#include "platform/latin1.h"

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

bool IsShowable(unsigned code) {
    return (code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF);
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned code = c;
        if (c >= 0x80) {
            // Only two-byte sequences reach Latin-1: C2 and C3 leads.
            if ((c != 0xC2 && c != 0xC3) || i + 1 >= utf8.size() ||
                !IsContinuation(static_cast<unsigned char>(utf8[i + 1]))) {
                return std::nullopt;
            }
            code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        }
        if (!IsShowable(code)) {
            return std::nullopt;
        }
        out += static_cast<char>(code);
    }
    return out;
}
