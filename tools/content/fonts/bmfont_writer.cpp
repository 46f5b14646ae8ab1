#include "bmfont_writer.h"

namespace {

class ByteWriter {
public:
    void U8(unsigned v) { bytes.push_back(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Text(const std::string& s) {
        bytes += s;
        U8(0);
    }
    std::string bytes;
};

void Block(ByteWriter& out, int type, const ByteWriter& content, int version) {
    out.U8(type);
    const uint32_t size = static_cast<uint32_t>(content.bytes.size());
    out.U32(version == 2 ? size + 4 : size);  // version 2 counts the size field
    out.bytes += content.bytes;
}

ByteWriter InfoBlock(const BMFontData& f) {
    ByteWriter b;
    b.U16(static_cast<uint16_t>(f.fontSize));
    const unsigned smooth = 1, boldBit = f.bold ? 8 : 0;
    b.U8(smooth | boldBit);
    b.U8(0);     // charSet: ANSI
    b.U16(100);  // stretchH
    b.U8(1);     // aa
    for (int i = 0; i < 4; ++i) {
        b.U8(0);  // padding
    }
    b.U8(f.spacingHoriz);
    b.U8(f.spacingVert);
    b.U8(0);  // outline
    b.Text(f.fontName);
    return b;
}

ByteWriter CommonBlock(const BMFontData& f, int version) {
    ByteWriter b;
    b.U16(f.lineHeight);
    b.U16(f.base);
    b.U16(f.scaleW);
    b.U16(f.scaleH);
    b.U16(static_cast<unsigned>(f.pages.size()));
    b.U8(f.packed ? 1 : 0);
    if (version == 3) {
        // Channel contents: 0 glyph, 4 one. Packed pages hold glyphs in every
        // channel; plain pages are white with the glyph in alpha.
        const unsigned glyph = 0, one = 4;
        const unsigned colour = f.packed ? glyph : one;
        b.U8(glyph);
        b.U8(colour);
        b.U8(colour);
        b.U8(colour);
    }
    return b;
}

ByteWriter PagesBlock(const BMFontData& f) {
    ByteWriter b;
    for (const std::string& name : f.pages) {
        b.Text(name);
    }
    return b;
}

ByteWriter CharsBlock(const BMFontData& f, int version) {
    ByteWriter b;
    for (const BMGlyph& g : f.glyphs) {
        if (version == 2) {
            b.U16(g.id);
        } else {
            b.U32(g.id);
        }
        b.U16(g.x);
        b.U16(g.y);
        b.U16(g.width);
        b.U16(g.height);
        b.U16(static_cast<uint16_t>(g.xOffset));
        b.U16(static_cast<uint16_t>(g.yOffset));
        b.U16(static_cast<uint16_t>(g.xAdvance));
        b.U8(g.page);
        b.U8(g.channel);
    }
    return b;
}

ByteWriter KerningBlock(const BMFontData& f, int version) {
    ByteWriter b;
    for (const BMKerning& k : f.kerning) {
        if (version == 2) {
            b.U16(k.first);
            b.U16(k.second);
        } else {
            b.U32(k.first);
            b.U32(k.second);
        }
        b.U16(static_cast<uint16_t>(k.amount));
    }
    return b;
}

}  // namespace

std::string EncodeBMFont(const BMFontData& font, int version) {
    ByteWriter out;
    out.bytes = "BMF";
    out.U8(version);
    Block(out, 1, InfoBlock(font), version);
    Block(out, 2, CommonBlock(font, version), version);
    Block(out, 3, PagesBlock(font), version);
    Block(out, 4, CharsBlock(font, version), version);
    if (!font.kerning.empty()) {
        Block(out, 5, KerningBlock(font, version), version);
    }
    return out.bytes;
}
