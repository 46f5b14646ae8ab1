#include <gtest/gtest.h>

#include <random>

#include "picture_files.h"
#include "platform/debug_log.h"
#include "platform/image.h"
#include "platform/stream.h"

namespace {

// A 5 x 3 test card: distinct colours, with one half-transparent pixel.
PixmapPtr TestCard() {
    PixmapPtr card = CreatePixmap(5, 3, PF_BGRA8888);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            WritePixel(*card, x, y,
                       0xFF000000u | static_cast<uint32_t>(x * 50) << 16 |
                           static_cast<uint32_t>(y * 100) << 8 | 7u);
        }
    }
    WritePixel(*card, 4, 2, 0x80123456u);
    return card;
}

PixmapPtr Decode(const std::string& bytes, bool* hasAlpha = nullptr) {
    return DecodePixmap(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), hasAlpha);
}

void ExpectSamePixels(const TPixmap& expected, const TPixmap& actual, bool withAlpha) {
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    const uint32_t mask = withAlpha ? 0xFFFFFFFFu : 0xFFFFFFu;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            EXPECT_EQ(ReadPixel(actual, x, y) & mask, ReadPixel(expected, x, y) & mask)
                << x << "," << y;
        }
    }
}

}  // namespace

TEST(PixmapTest, RowsAreAlignedAndPixelsExchangeArgb) {
    const PixmapPtr a8 = CreatePixmap(5, 2, PF_A8);
    ASSERT_TRUE(a8);
    EXPECT_EQ(a8->pitch, 8);
    WritePixel(*a8, 4, 1, 0x7F123456u);
    EXPECT_EQ(ReadPixel(*a8, 4, 1), 0x7FFFFFFFu);
    const PixmapPtr bgra = CreatePixmap(3, 1, PF_BGRA8888);
    EXPECT_EQ(bgra->pitch, 12);
    WritePixel(*bgra, 1, 0, 0x11223344u);
    EXPECT_EQ(bgra->Row(0)[4], 0x44);  // blue first
    EXPECT_EQ(bgra->Row(0)[7], 0x11);  // alpha last
    EXPECT_EQ(ReadPixel(*bgra, 1, 0), 0x11223344u);
    EXPECT_EQ(ReadPixel(*bgra, 3, 0), 0u);  // outside
    WritePixel(*bgra, -1, 0, 0xFFFFFFFFu);  // ignored
    ClearPixels(*bgra, 0xFF00FF00u);
    EXPECT_EQ(ReadPixel(*bgra, 2, 0), 0xFF00FF00u);
}

TEST(PixmapTest, RefusesBadSizesAndFormats) {
    EXPECT_FALSE(CreatePixmap(0, 5, PF_BGRA8888));
    EXPECT_FALSE(CreatePixmap(16385, 1, PF_BGRA8888));
    EXPECT_FALSE(CreatePixmap(4, 4, 3));
}

TEST(PictureTest, PngKeepsPixelsAndAlpha) {
    const PixmapPtr card = TestCard();
    bool hasAlpha = false;
    const PixmapPtr back = Decode(EncodePng(*card), &hasAlpha);
    ASSERT_TRUE(back);
    EXPECT_TRUE(hasAlpha);
    ExpectSamePixels(*card, *back, true);
}

TEST(PictureTest, TgaInEveryLayout) {
    const PixmapPtr card = TestCard();
    for (int bits : {24, 32}) {
        for (bool packed : {false, true}) {
            for (bool topDown : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << bits << " bit, packed " << packed << ", top-down " << topDown);
                bool hasAlpha = false;
                const PixmapPtr back = Decode(EncodeTga(*card, bits, packed, topDown), &hasAlpha);
                ASSERT_TRUE(back);
                EXPECT_EQ(hasAlpha, bits == 32);
                ExpectSamePixels(*card, *back, bits == 32);
            }
        }
    }
}

TEST(PictureTest, BmpInEveryLayout) {
    const PixmapPtr card = TestCard();
    for (int bits : {24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << " bit, top-down " << topDown);
            bool hasAlpha = false;
            const PixmapPtr back = Decode(EncodeBmp(*card, bits, topDown), &hasAlpha);
            ASSERT_TRUE(back);
            EXPECT_EQ(hasAlpha, bits == 32);
            ExpectSamePixels(*card, *back, bits == 32);
        }
    }
}

TEST(PictureTest, ZeroAlphaIn32BitFilesMeansOpaque) {
    PixmapPtr card = TestCard();
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 3; ++y) {
            WritePixel(*card, x, y, ReadPixel(*card, x, y) & 0xFFFFFFu);
        }
    }
    bool hasAlpha = true;
    const PixmapPtr back = Decode(EncodeBmp(*card, 32, false), &hasAlpha);
    ASSERT_TRUE(back);
    EXPECT_FALSE(hasAlpha);
    EXPECT_EQ(ReadPixel(*back, 1, 1) >> 24, 0xFFu);
}

TEST(PictureTest, JpegDecodesWithoutAlpha) {
    PixmapPtr flat = CreatePixmap(16, 16, PF_BGRA8888);
    ClearPixels(*flat, 0xFF3080C0u);
    bool hasAlpha = true;
    const PixmapPtr back = Decode(EncodeJpeg(*flat, 95), &hasAlpha);
    ASSERT_TRUE(back);
    EXPECT_FALSE(hasAlpha);
    const uint32_t p = ReadPixel(*back, 8, 8);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 0x30, 3);
    EXPECT_NEAR(static_cast<int>(p & 0xFF), 0xC0, 3);
    EXPECT_EQ(p >> 24, 0xFFu);
}

TEST(PictureTest, LoadsFromPathsAndStreams) {
    const std::string path = TempPath("card.tga");
    WriteFileBytes(path, EncodeTga(*TestCard(), 24, true, false));
    EXPECT_TRUE(LoadPixmap(path));
    StreamPtr stream = ReadStream(path);
    ASSERT_TRUE(stream);
    EXPECT_TRUE(LoadPixmap(*stream));
    DebugLogCapture log;
    EXPECT_FALSE(LoadPixmap(TempPath("missing.png")));
    EXPECT_TRUE(log.Contains("cannot open"));
}

TEST(PictureTest, OversizedHeadersAreRefused) {
    std::string tga = EncodeTga(*TestCard(), 24, false, false);
    tga[12] = static_cast<char>(0x20);  // width 20000
    tga[13] = static_cast<char>(0x4E);
    DebugLogCapture log;
    EXPECT_FALSE(Decode(tga));
    std::string bmp = EncodeBmp(*TestCard(), 24, false);
    bmp[18] = 0;
    bmp[19] = 0;
    bmp[20] = static_cast<char>(0x80);  // width 8 million
    EXPECT_FALSE(Decode(bmp));
    EXPECT_TRUE(log.Contains("unsupported size"));
}

// Every decoder gets every prefix of a good file, and files with random bytes
// changed: no crash, and every refusal leaves a log line.
TEST(PictureTest, TruncatedAndDamagedFilesNeverCrash) {
    PixmapPtr big = CreatePixmap(40, 30, PF_BGRA8888);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            WritePixel(
                *big, x, y,
                0xFF000000u | static_cast<uint32_t>(x * 6) << 16 | static_cast<uint32_t>(y * 8));
        }
    }
    const std::string files[] = {EncodePng(*big),
                                 EncodeJpeg(*big, 80),
                                 EncodeTga(*big, 32, true, false),
                                 EncodeTga(*big, 24, false, true),
                                 EncodeBmp(*big, 24, false),
                                 EncodeBmp(*big, 32, true)};
    std::mt19937 random(7);
    for (const std::string& file : files) {
        for (size_t length = 0; length < file.size(); length += 1 + length / 16) {
            DebugLogCapture log;
            const PixmapPtr result = Decode(file.substr(0, length));
            if (!result) {
                EXPECT_FALSE(log.Lines().empty());
            }
            if (length < file.size() / 2) {
                EXPECT_FALSE(result)
                    << "a prefix of " << length << " of " << file.size() << " bytes";
            }
        }
        for (int round = 0; round < 60; ++round) {
            std::string damaged = file;
            for (int i = 0; i < 8; ++i) {
                damaged[random() % damaged.size()] = static_cast<char>(random());
            }
            DebugLogCapture log;
            if (!Decode(damaged)) {
                EXPECT_FALSE(log.Lines().empty());
            }
        }
    }
    std::string noise(3000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    DebugLogCapture log;
    EXPECT_FALSE(Decode(noise));
}
