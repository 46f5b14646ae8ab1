#include "toolkit/bmf_writer.h"

namespace {

void Put8(std::string& out, int v) {
    out.push_back(static_cast<char>(v & 0xff));
}

void Put16(std::string& out, int v) {
    Put8(out, v);
    Put8(out, v >> 8);
}

void Put32(std::string& out, int v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

void PutId(std::string& out, int version, int id) {
    if (version == 2) {
        Put16(out, id);
    } else {
        Put32(out, id);
    }
}

}  // namespace

std::string BmfInfoContent(const BmfDesc& desc) {
    std::string out;
    Put16(out, desc.fontSize);
    Put8(out, 0);     // bitField
    Put8(out, 0);     // charSet
    Put16(out, 100);  // stretchH
    for (int i = 0; i < 5; ++i) {
        Put8(out, 0);  // aa, paddings
    }
    Put8(out, desc.spacingHoriz);
    Put8(out, desc.spacingVert);
    Put8(out, 0);  // outline
    out += "TestFont";
    out.push_back('\0');
    return out;
}

std::string BmfCommonContent(const BmfDesc& desc) {
    std::string out;
    Put16(out, desc.lineHeight);
    Put16(out, desc.base);
    Put16(out, 256);
    Put16(out, 256);
    Put16(out, desc.pageCount >= 0 ? desc.pageCount : static_cast<int>(desc.pages.size()));
    Put8(out, desc.packed ? 1 : 0);
    if (desc.version == 3) {
        for (int i = 0; i < 4; ++i) {
            Put8(out, 0);
        }
    }
    return out;
}

std::string BmfPagesContent(const BmfDesc& desc) {
    std::string out;
    for (const std::string& page : desc.pages) {
        out += page;
        out.push_back('\0');
    }
    return out;
}

std::string BmfCharsContent(const BmfDesc& desc) {
    std::string out;
    for (const BmfGlyph& g : desc.glyphs) {
        PutId(out, desc.version, g.id);
        for (const int v : {g.x, g.y, g.width, g.height, g.xoffset, g.yoffset, g.xadvance}) {
            Put16(out, v);
        }
        Put8(out, g.page);
        Put8(out, g.chnl);
    }
    return out;
}

std::string BmfKerningContent(const BmfDesc& desc) {
    std::string out;
    for (const BmfKern& k : desc.kerning) {
        PutId(out, desc.version, k.first);
        PutId(out, desc.version, k.second);
        Put16(out, k.amount);
    }
    return out;
}

std::string BmfBlock(int version, int type, const std::string& content) {
    std::string out;
    Put8(out, type);
    Put32(out, static_cast<int>(content.size()) + (version == 2 ? 4 : 0));
    return out + content;
}

std::string BmfHeader(int version) {
    std::string out = "BMF";
    Put8(out, version);
    return out;
}

std::string BuildBmf(const BmfDesc& desc) {
    std::string out = BmfHeader(desc.version);
    out += BmfBlock(desc.version, 1, BmfInfoContent(desc));
    out += BmfBlock(desc.version, 2, BmfCommonContent(desc));
    out += BmfBlock(desc.version, 3, BmfPagesContent(desc));
    out += BmfBlock(desc.version, 4, BmfCharsContent(desc));
    if (!desc.kerning.empty()) {
        out += BmfBlock(desc.version, 5, BmfKerningContent(desc));
    }
    return out;
}
