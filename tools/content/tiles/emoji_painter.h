#pragma once
// Colour emoji glyphs drawn as pictures into a cairo context.
#include <cairo.h>

#include <cstdint>
#include <string>

class EmojiPainter {
public:
    explicit EmojiPainter(const std::string& fontPath);
    ~EmojiPainter();
    EmojiPainter(const EmojiPainter&) = delete;
    EmojiPainter& operator=(const EmojiPainter&) = delete;

    bool Has(uint32_t code) const;
    // Draws the glyph's ink box scaled to fit a size x size square centred at (cx, cy).
    void Draw(cairo_t* cr, uint32_t code, double cx, double cy, double size) const;

private:
    struct Impl;
    Impl* impl;
};
