#include "forms/input_line.h"

#include <cstring>

#include "app/line_helpers.h"
#include "forms/gui.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "toolkit/bmfont.h"

bool _qxInputLine::_ApplyKey(const std::string& line) {
    if (_qxControl::_ApplyKey(line)) {
        return true;
    }
    const std::string value = ValueOf(line);
    if (StartsWithNoCase(line, "maxwidth")) {
        maxWidth = ToInt(value);
    } else if (StartsWithNoCase(line, "cursorheight")) {
        cursorHeight = ToInt(value);
    } else if (StartsWithNoCase(line, "cursorwidth")) {
        cursorWidth = ToInt(value);
    } else if (StartsWithNoCase(line, "cursoryoffset")) {
        cursorYOffset = ToInt(value);
    } else if (StartsWithNoCase(line, "onenter")) {
        onEnter = value;
    } else {
        return false;
    }
    return true;
}

bool _qxInputLine::IsAllowedChar(int character) {
    if ((character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z') ||
        (character >= '0' && character <= '9')) {
        return true;
    }
    // The Latin-1 letters; not the multiplication and division signs among them.
    if (character >= 0xC0 && character <= 0xFF) {
        return character != 0xD7 && character != 0xF7;
    }
    return character > 0 && character < 128 && std::strchr(". !$'-", character) != nullptr;
}

int _qxInputLine::_TextWidth() const {
    return font ? static_cast<int>(font->TextWidth(captionText, -1)) : 0;
}

void _qxInputLine::Update(int ms, int blocked) {
    if (!blocked) {
        const std::string old = captionText;
        _TakeTypedChar();
        _ReadEditKeys();
        if (_TextWidth() > maxWidth && !captionText.empty()) {
            captionText.pop_back();
        }
        if (captionText != old) {
            PlayGUISound(clickSound);
        }
    }
    _AdvanceSprite(ms);
}

void _qxInputLine::_TakeTypedChar() {
    const int character = GetChar();
    // What the font cannot draw would show as a gap: refused like any other.
    if (IsAllowedChar(character) && (!font || font->HasGlyph(character))) {
        captionText.push_back(static_cast<char>(character));
    }
}

// Backspace wins: an Enter in the same frame stays queued for the next one.
void _qxInputLine::_ReadEditKeys() {
    if (KeyHit(KEY_BACKSPACE)) {
        if (!captionText.empty()) {
            captionText.pop_back();
        }
    } else if (KeyHit(KEY_ENTER) && !captionText.empty()) {
        AddButtonHit(onEnter);
    }
}

void _qxInputLine::Draw(float offsetX, float offsetY) const {
    const float x = static_cast<float>(position.xs) + offsetX;
    const float y = static_cast<float>(position.ys) + offsetY;
    if (font) {
        font->DrawText(captionText, x, y);
    }
    if ((MilliSecs() / 500) % 2 == 1) {
        DrawRect(x + static_cast<float>(_TextWidth()), y + static_cast<float>(cursorYOffset),
                 static_cast<float>(cursorWidth), static_cast<float>(cursorHeight));
    }
}
