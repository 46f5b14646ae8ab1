// Bitmap font generator.
//   content_font <font file> <out dir> <base name> <size>...
//     writes <base><size>.fnt (version 3) and <base><size>_0.png per size.
//   content_font --test <font file> <out dir>
//     writes a version 2 font and a packed (one glyph set per channel) font.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../common/output_manifest.h"
#include "../common/png_out.h"
#include "bmfont_writer.h"
#include "glyph_atlas.h"
#include "glyph_source.h"
#include "kerning_pairs.h"

namespace {

struct FontJob {
    std::string fontPath;
    std::filesystem::path outDir;
    std::string name;  // file name without extension
    int size = 0;
    int version = 3;
    bool packed = false;
};

std::vector<RenderedGlyph> RenderAll(const GlyphSource& source) {
    std::vector<RenderedGlyph> glyphs;
    for (const uint32_t code : PrintableLatin1()) {
        const uint32_t drawn = source.Has(code) || code == 32 ? code : uint32_t{'?'};
        RenderedGlyph g = source.Render(drawn);
        g.code = code;
        glyphs.push_back(std::move(g));
    }
    return glyphs;
}

void DrawGlyph(const RenderedGlyph& g, const AtlasPlacement& at, int channel, RgbaImage& page) {
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            uint8_t* p = page.At(at.x + x, at.y + y);
            const uint8_t v = g.coverage[static_cast<size_t>(y) * g.width + x];
            if (channel < 0) {
                p[0] = p[1] = p[2] = 255;
                p[3] = v;
            } else {
                p[channel] = v;
            }
        }
    }
}

// Packed fonts spread the glyphs over the four channels in turn.
int ChannelGroup(size_t index, bool packed) {
    return packed ? static_cast<int>(index % 4) : 0;
}

// RGBA byte index and BMFont channel bit of group c (blue, green, red, alpha).
constexpr int BYTE_OF_GROUP[4] = {2, 1, 0, 3};
constexpr uint8_t BIT_OF_GROUP[4] = {1, 2, 4, 8};

bool WriteFont(const FontJob& job, OutputManifest& manifest) {
    const GlyphSource source(job.fontPath, job.size);
    if (!source.Ok()) {
        std::fprintf(stderr, "content_font: cannot open %s\n", job.fontPath.c_str());
        return false;
    }
    const std::vector<RenderedGlyph> glyphs = RenderAll(source);
    const int width = job.size <= 24 ? 256 : 512;
    const int groups = job.packed ? 4 : 1;
    std::vector<AtlasPlacement> placed(glyphs.size());
    int height = 1;
    for (int c = 0; c < groups; ++c) {
        std::vector<RenderedGlyph> subset;
        std::vector<size_t> indices;
        for (size_t i = 0; i < glyphs.size(); ++i) {
            if (ChannelGroup(i, job.packed) == c) {
                subset.push_back(glyphs[i]);
                indices.push_back(i);
            }
        }
        int h = 0;
        const std::vector<AtlasPlacement> p = PackGlyphs(subset, width, h);
        for (size_t k = 0; k < indices.size(); ++k) {
            placed[indices[k]] = p[k];
        }
        height = std::max(height, h);
    }
    RgbaImage page(width, height);
    BMFontData font;
    font.fontSize = static_cast<int16_t>(job.size);
    font.bold = source.Bold();
    font.lineHeight = static_cast<uint16_t>(job.size);
    font.base = static_cast<uint16_t>(source.Ascent());
    font.scaleW = static_cast<uint16_t>(width);
    font.scaleH = static_cast<uint16_t>(height);
    font.packed = job.packed;
    font.fontName = source.FamilyName();
    font.pages.push_back(job.name + "_0.png");
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const RenderedGlyph& g = glyphs[i];
        const int group = ChannelGroup(i, job.packed);
        DrawGlyph(g, placed[i], job.packed ? BYTE_OF_GROUP[group] : -1, page);
        BMGlyph out;
        out.id = g.code;
        out.x = static_cast<uint16_t>(placed[i].x);
        out.y = static_cast<uint16_t>(placed[i].y);
        out.width = static_cast<uint16_t>(g.width);
        out.height = static_cast<uint16_t>(g.height);
        out.xOffset = static_cast<int16_t>(g.xOffset);
        out.yOffset = static_cast<int16_t>(g.yOffset);
        out.xAdvance = static_cast<int16_t>(g.xAdvance);
        out.channel = job.packed ? BIT_OF_GROUP[group] : 15;
        font.glyphs.push_back(out);
    }
    font.kerning = FindKerningPairs(job.fontPath, source.PixelsPerEm(), PrintableLatin1());
    std::filesystem::create_directories(job.outDir);
    if (!WritePng(page, (job.outDir / font.pages[0]).string())) {
        return false;
    }
    const std::filesystem::path fntPath = job.outDir / (job.name + ".fnt");
    std::ofstream file(fntPath, std::ios::binary);
    file << EncodeBMFont(font, job.version);
    file.close();
    if (!file) {
        return false;
    }
    manifest.Add(job.outDir / font.pages[0]);
    manifest.Add(fntPath);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<FontJob> jobs;
    if (args.size() == 3 && args[0] == "--test") {
        jobs.push_back({args[1], args[2], "version2_18", 18, 2, false});
        jobs.push_back({args[1], args[2], "packed18", 18, 3, true});
    } else if (args.size() >= 4) {
        for (size_t i = 3; i < args.size(); ++i) {
            const int size = std::stoi(args[i]);
            jobs.push_back({args[0], args[1], args[2] + std::to_string(size), size, 3, false});
        }
    } else {
        std::fprintf(stderr,
                     "usage: content_font <font> <out dir> <name> <size>...\n"
                     "       content_font --test <font> <out dir>\n");
        return 2;
    }
    for (const FontJob& job : jobs) {
        if (!WriteFont(job, manifest)) {
            return 1;
        }
    }
    return manifest.Save() ? 0 : 1;
}
