#include "toolkit/bmfont.h"

#include <algorithm>
#include <climits>

#include "app/assets.h"
#include "platform/debug_log.h"
#include "platform/graphics.h"

namespace {

constexpr int BLOCK_INFO = 1;
constexpr int BLOCK_COMMON = 2;
constexpr int BLOCK_PAGES = 3;
constexpr int BLOCK_CHARS = 4;
constexpr int BLOCK_KERNING = 5;
constexpr int PAGE_IMAGE_FLAGS = IMG_MASKED | IMG_FILTERED;
constexpr int CHANNELS = 4;

std::vector<std::string> SplitAtZeros(const std::string& text) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\0', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        names.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// Packed fonts keep one glyph set per channel; chnl 1 (or anything else) is blue.
int ChannelOf(int chnl) {
    switch (chnl) {
        case 2:
            return 1;
        case 4:
            return 2;
        case 8:
            return 3;
        default:
            return 0;
    }
}

ImagePtr ChannelImage(const TPixmap& source, int channel) {
    PixmapPtr out = CreatePixmap(source.width, source.height, PF_BGRA8888);
    if (!out) {
        return nullptr;
    }
    for (int y = 0; y < source.height; ++y) {
        const uint8_t* in = source.Row(y);
        uint8_t* row = out->Row(y);
        for (int x = 0; x < source.width; ++x) {
            row[x * 4 + 0] = 255;
            row[x * 4 + 1] = 255;
            row[x * 4 + 2] = 255;
            row[x * 4 + 3] = in[x * 4 + channel];
        }
    }
    ImagePtr image = LoadImage(out, PAGE_IMAGE_FLAGS);
    if (image) {
        SetImageHandle(image, 0.0f, 0.0f);
    }
    return image;
}

// Clamps a glyph rectangle to its page; true when it had to change.
bool ClampRect(uint16_t& x, uint16_t& y, uint16_t& w, uint16_t& h, int pageW, int pageH) {
    const int cx = std::min<int>(x, pageW);
    const int cy = std::min<int>(y, pageH);
    const int cw = std::min<int>(w, pageW - cx);
    const int ch = std::min<int>(h, pageH - cy);
    const bool changed = cx != x || cy != y || cw != w || ch != h;
    x = static_cast<uint16_t>(cx);
    y = static_cast<uint16_t>(cy);
    w = static_cast<uint16_t>(cw);
    h = static_cast<uint16_t>(ch);
    return changed;
}

}  // namespace

BMFontPtr TBMFont::Create(const std::string& path, const std::string& fileName) {
    auto font = std::make_shared<TBMFont>();
    font->Init(path, fileName);
    return font;
}

int TBMFont::Init(const std::string& path, const std::string& fileName) {
    const std::string file = path + fileName;
    StreamPtr stream = OpenAssetFile(file);
    if (!stream) {
        DebugLog("***Error: Failed to open font: " + file + "***");
        return 0;
    }
    BMFVersion = ReadString(*stream, 3) == "BMF" ? ReadByte(*stream) : 0;
    if (BMFVersion != 2 && BMFVersion != 3) {
        DebugLog("***Error: Not a BMFont version 2 or 3 file: " + file + "***");
        CloseStream(stream);
        return 0;
    }
    int type = Eof(*stream) ? 0 : ReadByte(*stream);
    while (type != 0) {
        int64_t size = static_cast<int64_t>(ReadInt(*stream)) - (BMFVersion == 2 ? 4 : 0);
        const int64_t left = std::max<int64_t>(stream->Size() - stream->Pos(), 0);
        if (size < 0 || size > left) {
            DebugLog("***Error: Font block " + std::to_string(type) + " has a bad size in " + file +
                     "***");
            size = std::clamp<int64_t>(size, 0, left);
        }
        const int contentSize = static_cast<int>(std::min<int64_t>(size, INT_MAX));
        StreamPtr block = CreateMemoryStream(ReadString(*stream, contentSize));
        switch (type) {
            case BLOCK_INFO:
                LoadInfo(*block);
                break;
            case BLOCK_COMMON:
                LoadCommon(*block);
                break;
            case BLOCK_PAGES:
                LoadPages(path, SplitAtZeros(ReadAll(*block)));
                break;
            case BLOCK_CHARS:
                LoadCharacters(*block, contentSize / (BMFVersion == 2 ? 18 : 20));
                break;
            case BLOCK_KERNING:
                LoadKerning(*block, contentSize / (BMFVersion == 2 ? 6 : 10));
                break;
            default:
                break;
        }
        if (Eof(*stream)) {
            break;
        }
        type = ReadByte(*stream);
    }
    CloseStream(stream);
    _CheckGlyphs();
    return 0;
}

int TBMFont::LoadInfo(TStream& block) {
    FontSize = static_cast<std::uint16_t>(ReadShort(block));
    ReadByte(block);   // bitField
    ReadByte(block);   // charSet
    ReadShort(block);  // stretchH
    for (int i = 0; i < 5; ++i) {
        ReadByte(block);  // aa and the four paddings
    }
    SpacingHoriz = static_cast<std::uint8_t>(ReadByte(block));
    SpacingVert = static_cast<std::uint8_t>(ReadByte(block));
    return 0;
}

int TBMFont::LoadCommon(TStream& block) {
    LineHeight = ReadShort(block);
    Base = ReadShort(block);
    ScaleW = ReadShort(block);
    ScaleH = ReadShort(block);
    Pages = ReadShort(block);
    Packed = (ReadByte(block) & 1) ? 1 : 0;
    return 0;
}

int TBMFont::LoadPages(const std::string& path, const std::vector<std::string>& names) {
    if (Pages == 0) {
        DebugLog("***Error: Font pages without a page count (common block missing)***");
    }
    BMFImage.assign(Pages, nullptr);
    for (int i = 0; i < Pages; ++i) {
        if (i >= static_cast<int>(names.size()) || names[i].empty()) {
            DebugLog("***Error: Font page " + std::to_string(i) + " has no file name***");
            continue;
        }
        BMFImage[i] = LoadAssetImage(path + names[i], PAGE_IMAGE_FLAGS);
        if (BMFImage[i]) {
            SetImageHandle(BMFImage[i], 0.0f, 0.0f);
        }
    }
    if (Packed) {
        DecodeChannels();
    }
    ImageW.assign(BMFImage.size(), 1);
    ImageH.assign(BMFImage.size(), 1);
    for (size_t i = 0; i < BMFImage.size(); ++i) {
        if (BMFImage[i]) {
            ImageW[i] = Pow2Size(BMFImage[i]->width);
            ImageH[i] = Pow2Size(BMFImage[i]->height);
        }
    }
    return 0;
}

int TBMFont::DecodeChannels() {
    std::vector<ImagePtr> decoded(BMFImage.size() * CHANNELS);
    for (size_t page = 0; page < BMFImage.size(); ++page) {
        const ImagePtr& image = BMFImage[page];
        if (!image || image->frames.empty() || !image->frames[0]) {
            continue;
        }
        for (int c = 0; c < CHANNELS; ++c) {
            decoded[page * CHANNELS + c] = ChannelImage(*image->frames[0], c);
        }
    }
    BMFImage = std::move(decoded);
    Pages *= CHANNELS;
    return 0;
}

int TBMFont::LoadCharacters(TStream& block, int count) {
    if (count > BMFONT_MAX_GLYPHS) {
        DebugLog("***Error: Font has " + std::to_string(count) + " glyphs, only " +
                 std::to_string(BMFONT_MAX_GLYPHS) + " are kept***");
        count = BMFONT_MAX_GLYPHS;
    }
    ASCII.fill(0);
    IdStr.clear();
    Id.assign(count, 0);
    for (auto* field : {&X, &Y, &Width, &Height, &XOffset, &YOffset, &XAdvance}) {
        field->assign(count, 0);
    }
    Page.assign(count, 0);
    for (int i = 0; i < count; ++i) {
        const int id = BMFVersion == 2 ? ReadShort(block) : ReadInt(block);
        Id[i] = id;
        if (id >= 0 && id < 256) {
            ASCII[id] = i;
        }
        IdStr.push_back(static_cast<char32_t>(id));
        for (auto* field : {&X, &Y, &Width, &Height, &XOffset, &YOffset, &XAdvance}) {
            (*field)[i] = static_cast<std::uint16_t>(ReadShort(block));
        }
        const int page = ReadByte(block);
        const int chnl = ReadByte(block);
        Page[i] = static_cast<std::uint16_t>(Packed ? page * CHANNELS + ChannelOf(chnl) : page);
    }
    Kerning = 0;
    KerningChars.assign(count, std::u32string());
    KerningValue.assign(count, std::vector<std::int16_t>());
    return 0;
}

int TBMFont::LoadKerning(TStream& block, int count) {
    int dropped = 0;
    for (int i = 0; i < count; ++i) {
        const int first = BMFVersion == 2 ? ReadShort(block) : ReadInt(block);
        const int second = BMFVersion == 2 ? ReadShort(block) : ReadInt(block);
        const int amount = SignedShort(ReadShort(block));
        const size_t glyph = IdStr.find(static_cast<char32_t>(first));
        if (glyph == std::u32string::npos) {
            ++dropped;
            continue;
        }
        KerningChars[glyph].push_back(static_cast<char32_t>(second));
        KerningValue[glyph].push_back(static_cast<std::int16_t>(amount));
        Kerning = 1;
    }
    if (dropped > 0) {
        DebugLog("***Error: " + std::to_string(dropped) +
                 " kerning pairs name a glyph the font does not have***");
    }
    return 0;
}

void TBMFont::_CheckGlyphs() {
    int badPages = 0;
    int clamped = 0;
    for (size_t i = 0; i < Id.size(); ++i) {
        if (Page[i] >= BMFImage.size() || !BMFImage[Page[i]]) {
            ++badPages;
            continue;
        }
        const TImage& page = *BMFImage[Page[i]];
        clamped += ClampRect(X[i], Y[i], Width[i], Height[i], page.width, page.height) ? 1 : 0;
    }
    if (badPages > 0) {
        DebugLog("***Error: " + std::to_string(badPages) + " glyphs are on a missing font page***");
    }
    if (clamped > 0) {
        DebugLog("***Error: " + std::to_string(clamped) + " glyph rectangles cut to their page***");
    }
}

int TBMFont::Pow2Size(int n) {
    int size = 1;
    while (size < n && size < (1 << 30)) {
        size <<= 1;
    }
    return size;
}

int TBMFont::SignedShort(int v) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
}

int TBMFont::SignedByte(int v) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(v));
}

int TBMFont::FindChar(int code) const {
    if (Id.empty() || code < 0) {
        return -1;
    }
    if (code < 256) {
        return ASCII[code];
    }
    const size_t pos = IdStr.find(static_cast<char32_t>(code));
    return pos == std::u32string::npos ? -1 : static_cast<int>(pos);
}

bool TBMFont::HasGlyph(int code) const {
    const int i = FindChar(code);
    return i >= 0 && i < static_cast<int>(Id.size()) && Id[i] == code;
}

int TBMFont::_KerningAmount(int previous, int code) const {
    if (Kerning != 1 || previous < 0) {
        return 0;
    }
    const size_t pos = KerningChars[previous].find(static_cast<char32_t>(code));
    return pos == std::u32string::npos ? 0 : KerningValue[previous][pos];
}

float TBMFont::TextHeight(const std::string& text) const {
    GetScale(XScale, YScale);
    if (Id.empty()) {
        return 0.0f;
    }
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return static_cast<float>(FontSize + SpacingVert) * static_cast<float>(lines) * YScale;
}

float TBMFont::TextWidth(const std::string& text, int line) const {
    GetScale(XScale, YScale);
    if (cacheValid && text == LastText && XScale == LastXScale && YScale == LastYScale &&
        line == LastLine) {
        return LastWidth;
    }
    int widest = 0;
    int current = 0;
    int lineNo = 0;
    int previous = -1;
    for (size_t j = 0; j < text.size(); ++j) {
        const int ch = static_cast<unsigned char>(text[j]);
        if (ch == '\n') {
            widest = std::max(widest, current);
            current = 0;
            ++lineNo;
            previous = -1;
            continue;
        }
        if (line != -1 && lineNo != line) {
            continue;
        }
        const int i = FindChar(ch);
        if (i < 0) {
            continue;
        }
        current += _KerningAmount(previous, ch) + SignedShort(XAdvance[i]);
        previous = i;
        if (j + 1 < text.size()) {
            current += SpacingHoriz;
        }
    }
    LastWidth = XScale * static_cast<float>(std::max(widest, current));
    LastText = text;
    LastXScale = XScale;
    LastYScale = YScale;
    LastLine = line;
    cacheValid = true;
    return LastWidth;
}

int TBMFont::DrawText(const std::string& text, float x, float y) {
    // Only the scale is needed; measuring here would evict the caller's cached width.
    GetScale(XScale, YScale);
    int penX = 0;
    int penY = 0;
    int previous = -1;
    for (const char c : text) {
        const int ch = static_cast<unsigned char>(c);
        if (ch == '\n') {
            penY += FontSize + SpacingVert;
            penX = 0;
            previous = -1;
            continue;
        }
        const int i = FindChar(ch);
        if (i < 0) {
            continue;
        }
        penX += _KerningAmount(previous, ch);
        const ImagePtr page = Page[i] < BMFImage.size() ? BMFImage[Page[i]] : nullptr;
        if (page && Width[i] > 0 && Height[i] > 0) {
            DrawSubImageRect(page, x + XScale * static_cast<float>(penX + SignedShort(XOffset[i])),
                             y + YScale * static_cast<float>(penY + SignedShort(YOffset[i])),
                             Width[i], Height[i], X[i], Y[i], Width[i], Height[i], 0);
        }
        penX += SignedShort(XAdvance[i]) + SpacingHoriz;
        previous = i;
    }
    return 0;
}
