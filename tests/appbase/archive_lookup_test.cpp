// Asset look-ups through the "zip::" protocol, the fallback to plain files,
// and archives that lie or break.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>

#include "app/assets.h"
#include "app/zip_archive.h"
#include "support/archive_test_support.h"
#include "platform/debug_log.h"
#include "platform/stream.h"

using archive_test::BuildZip;

namespace {

const std::string PREFIX = "zip::incbin::lookup.zip//";

// Incbin blocks must outlive every stream over them.
void RegisterArchive(const std::string& name, const std::string& bytes) {
    static std::deque<std::string> blocks;
    blocks.push_back(bytes);
    RegisterIncbin(name, blocks.back().data(), blocks.back().size());
    ForgetZipSources();
}

std::string ReadAsset(const std::string& name) {
    StreamPtr stream = OpenAssetFile(name);
    return stream ? ReadAll(*stream) : std::string("<null>");
}

void PutLittle32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// Overwrites the uncompressed size in the local and the central header.
std::string WithClaimedSize(std::string bytes, uint32_t size) {
    const size_t local = bytes.find(std::string("PK\x03\x04", 4));
    const size_t central = bytes.find(std::string("PK\x01\x02", 4));
    PutLittle32(bytes, local + 22, size);
    PutLittle32(bytes, central + 24, size);
    return bytes;
}

class ArchiveLookup : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterZipProtocol();
        RegisterArchive("lookup.zip",
                        BuildZip(scratch.File("a.zip"),
                                 {
                                     {"data/gui/images/144-norm.tga", "tga bytes"},
                                     {"data/loadingscreen/loadingscreen.txt", "loading script"},
                                     {"data/game/game.txt", "game script"},
                                 }));
        SetArchivePrefix(PREFIX);
    }
    void TearDown() override { SetArchivePrefix(""); }

    ScratchUserFolder scratch;
};

}  // namespace

TEST_F(ArchiveLookup, FindsEntriesWhateverTheSeparatorsAndCase) {
    DebugLogCapture log;
    EXPECT_EQ(ReadAsset("data\\gui\\images\\144-norm.tga"), "tga bytes");
    EXPECT_EQ(ReadAsset("data/loadingScreen/loadingscreen.txt"), "loading script");
    EXPECT_EQ(ReadAsset("DATA/GAME/GAME.TXT"), "game script");
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(ArchiveLookup, MissingEntryLogsOnceThenTriesThePlainFile) {
    const std::string plain = scratch.File("plain.txt");
    WriteFileBytes(plain, "from disk");
    DebugLogCapture log;
    EXPECT_EQ(ReadAsset(plain), "from disk");
    ASSERT_EQ(log.Lines().size(), 1u);
    const std::string size = std::to_string(IncbinSize("lookup.zip"));
    EXPECT_EQ(log.Lines()[0], "File not found in zip stream: " + plain + "***  (" + PREFIX + plain +
                                  ") incbinlen = " + size);

    log.Clear();
    EXPECT_EQ(OpenAssetFile("data/nothing/here.txt"), nullptr);
    EXPECT_EQ(log.Lines().size(), 1u);
}

TEST_F(ArchiveLookup, EmptyPrefixReadsPlainFilesWithoutADebugLine) {
    SetArchivePrefix("");
    DebugLogCapture log;
    EXPECT_EQ(OpenAssetFile("data/nowhere/game.txt"), nullptr);
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(ArchiveLookup, PlainFallbackMatchesSeparatorsAndCaseOnDisk) {
    SetArchivePrefix("");
    std::filesystem::create_directories(scratch.Path().string() + "/data/loadingscreen");
    WriteFileBytes(scratch.File("data/loadingscreen/loadingscreen.txt"), "staged");
    EXPECT_EQ(ReadAsset(scratch.Path().string() + "/data/loadingScreen/loadingscreen.txt"),
              "staged");
    EXPECT_EQ(ReadAsset(scratch.Path().string() + "\\DATA\\LoadingScreen\\LoadingScreen.txt"),
              "staged");
    EXPECT_EQ(OpenAssetFile(scratch.Path().string() + "/data/loadingScreen/other.txt"), nullptr);
}

TEST_F(ArchiveLookup, NamesOfTwoHundredFiftySixCharactersAreRefused) {
    const std::string longName = "data/" + std::string(295, 'a');
    RegisterArchive("lookup.zip",
                    BuildZip(scratch.File("b.zip"), {{longName, "x"}, {"data/ok.txt", "ok"}}));
    DebugLogCapture log;
    EXPECT_EQ(OpenAssetFile(longName), nullptr);
    EXPECT_TRUE(log.Contains("too long"));
    EXPECT_EQ(ReadAsset("data/ok.txt"), "ok");
}

TEST_F(ArchiveLookup, HostileArchivesGiveNullAndADebugLine) {
    const std::string content(5000, 'z');
    const std::string good = BuildZip(scratch.File("c.zip"), {{"data/a.txt", content}});

    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string corrupt = good;
    corrupt[40] = static_cast<char>(corrupt[40] ^ 0x5a);  // inside the deflated data
    const Case cases[] = {
        {"truncated", good.substr(0, good.size() / 2)},
        {"not a zip", std::string(300, '\x07')},
        {"empty", std::string()},
        {"size too small", WithClaimedSize(good, 100)},
        {"size too large", WithClaimedSize(good, 9000)},
        {"bomb", WithClaimedSize(good, 300u * 1024 * 1024)},
        {"corrupt data", corrupt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegisterArchive("lookup.zip", c.bytes);
        DebugLogCapture log;
        EXPECT_EQ(OpenAssetFile("data/a.txt"), nullptr);
        EXPECT_FALSE(log.Lines().empty());
    }
}

TEST(ZipProtocol, RefusesWritesAndMalformedUrls) {
    RegisterZipProtocol();
    EXPECT_EQ(OpenStream("zip::incbin::lookup.zip//data/game/game.txt", true, true), nullptr);
    EXPECT_EQ(ReadStream("zip::no-separator"), nullptr);
    EXPECT_EQ(ReadStream("zip::incbin::missing.zip//a"), nullptr);
}
