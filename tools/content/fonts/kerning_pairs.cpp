#include "kerning_pairs.h"

#include <hb.h>

#include <cmath>

namespace {

struct HbFont {
    hb_blob_t* blob;
    hb_face_t* face;
    hb_font_t* font;
    explicit HbFont(const std::string& path)
        : blob(hb_blob_create_from_file(path.c_str())),
          face(hb_face_create(blob, 0)),
          font(hb_font_create(face)) {}
    ~HbFont() {
        hb_font_destroy(font);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
    HbFont(const HbFont&) = delete;
    HbFont& operator=(const HbFont&) = delete;
};

// Shaped advance of the first of two characters minus its own advance, in 26.6.
int PairAdjustment(hb_font_t* font, hb_buffer_t* buffer, uint32_t a, uint32_t b,
                   const std::vector<hb_feature_t>& features) {
    hb_buffer_clear_contents(buffer);
    const uint32_t text[2] = {a, b};
    hb_buffer_add_utf32(buffer, text, 2, 0, 2);
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, HB_SCRIPT_LATIN);
    hb_buffer_set_language(buffer, hb_language_from_string("en", -1));
    hb_shape(font, buffer, features.data(), static_cast<unsigned>(features.size()));
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
    if (count != 2) {
        return 0;
    }
    const hb_position_t plain = hb_font_get_glyph_h_advance(font, info[0].codepoint);
    return pos[0].x_advance + pos[1].x_offset - plain;
}

std::vector<hb_feature_t> KerningOnly() {
    std::vector<hb_feature_t> features;
    for (const char* f : {"kern", "-liga", "-clig", "-calt", "-dlig"}) {
        hb_feature_t feature;
        if (hb_feature_from_string(f, -1, &feature)) {
            features.push_back(feature);
        }
    }
    return features;
}

}  // namespace

std::vector<BMKerning> FindKerningPairs(const std::string& fontPath, double pixelsPerEm,
                                        const std::vector<uint32_t>& codes) {
    HbFont hb(fontPath);
    const int scale = static_cast<int>(std::lround(pixelsPerEm * 64));
    hb_font_set_scale(hb.font, scale, scale);
    hb_buffer_t* buffer = hb_buffer_create();
    const std::vector<hb_feature_t> features = KerningOnly();
    std::vector<BMKerning> pairs;
    for (const uint32_t a : codes) {
        if (a == 32 || a == 160) {
            continue;
        }
        for (const uint32_t b : codes) {
            if (b == 32 || b == 160) {
                continue;
            }
            const int adjust = PairAdjustment(hb.font, buffer, a, b, features);
            const int pixels = static_cast<int>(std::lround(adjust / 64.0));
            if (pixels != 0) {
                pairs.push_back({a, b, static_cast<int16_t>(pixels)});
            }
        }
    }
    hb_buffer_destroy(buffer);
    return pairs;
}
