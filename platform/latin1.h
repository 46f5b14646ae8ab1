#pragma once
// The game's texts are single-byte Latin-1; the window system and the font
// tools speak UTF-8. These convert between the two.
#include <optional>
#include <string>
#include <string_view>

// Every byte becomes its code point in UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// The Latin-1 bytes of a UTF-8 text, or nothing when the text is not valid
// UTF-8 or holds a character beyond U+00FF (or a control character).
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);
