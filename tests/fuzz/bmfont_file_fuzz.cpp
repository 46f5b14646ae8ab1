// BMFont files (versions 2 and 3, plain or packed): any file gives a font
// whose glyph tables agree in size and whose measures are finite.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "toolkit/bmfont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("fonts/fuzz.fnt", data, size);
    const BMFontPtr font = TBMFont::Create("fonts/", "fuzz.fnt");
    FUZZ_CHECK(font != nullptr);
    const size_t glyphs = font->Id.size();
    FUZZ_CHECK(glyphs <= static_cast<size_t>(BMFONT_MAX_GLYPHS));
    for (const auto* field : {&font->X, &font->Y, &font->Width, &font->Height, &font->XOffset,
                              &font->YOffset, &font->XAdvance, &font->Page}) {
        FUZZ_CHECK(field->size() == glyphs);
    }
    FUZZ_CHECK(font->ImageW.size() == font->BMFImage.size());
    for (const char* text : {"", "Abc", "a\nbb\nccc", "\xc3\xa9t\xc3\xa9", "\xff\xfe"}) {
        FUZZ_CHECK(std::isfinite(font->TextWidth(text, -1)));
        FUZZ_CHECK(std::isfinite(font->TextWidth(text, 1)));
        FUZZ_CHECK(std::isfinite(font->TextHeight(text)));
    }
    for (const int code : {0, 65, 255, 256, 0x10FFFF, -1}) {
        const int record = font->FindChar(code);
        FUZZ_CHECK(record >= -1 && record < static_cast<int>(glyphs) + (glyphs == 0 ? 1 : 0));
    }
    return 0;
}
