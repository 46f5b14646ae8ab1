#pragma once
// A one-line text field: typed characters go into the caption.
#include "forms/control.h"

class _qxInputLine : public _qxControl {
public:
    int maxWidth = 0;  // widest text, in pixels
    int cursorHeight = 0;
    int cursorWidth = 0;
    int cursorYOffset = 0;
    std::string onEnter;  // reported when Enter is pressed

    // The characters a player may type into an input line: letters (Latin-1's
    // too), digits and a little punctuation.
    static bool IsAllowedChar(int character);

    void Draw(float offsetX, float offsetY) const override;
    void Update(int ms, int blocked) override;

protected:
    bool _ApplyKey(const std::string& line) override;

private:
    void _TakeTypedChar();
    void _ReadEditKeys();
    int _TextWidth() const;
};
