#include <gtest/gtest.h>

#include "picture_files.h"
#include "platform/debug_log.h"
#include "platform/files.h"
#include "platform/stream.h"

TEST(StreamTest, ReadLineStopsAtLineFeedZeroOrEndAndDropsCarriageReturns) {
    const std::string bytes("one\r\ntwo\nthree\0four\rx", 21);
    StreamPtr stream = CreateMemoryStream(bytes);
    EXPECT_EQ(ReadLine(*stream), "one");
    EXPECT_EQ(ReadLine(*stream), "two");
    EXPECT_EQ(ReadLine(*stream), "three");
    EXPECT_EQ(ReadLine(*stream), "fourx");
    EXPECT_TRUE(Eof(*stream));
    EXPECT_EQ(ReadLine(*stream), "");
}

TEST(StreamTest, LatinOneBytesStayOneCharacterEach) {
    StreamPtr stream = CreateMemoryStream(std::string("caf\xE9\n"));
    EXPECT_EQ(ReadLine(*stream), std::string("caf\xE9"));
}

TEST(StreamTest, BinaryValuesAreLittleEndian) {
    StreamPtr stream = CreateMemoryStream(std::string());
    WriteByte(*stream, 0x1FF);
    WriteShort(*stream, 0xBEEF);
    WriteInt(*stream, -2);
    WriteLine(*stream, "hi");
    ASSERT_TRUE(stream->Seek(0));
    EXPECT_EQ(ReadByte(*stream), 0xFF);
    EXPECT_EQ(ReadShort(*stream), 0xBEEF);
    EXPECT_EQ(ReadInt(*stream), -2);
    EXPECT_EQ(ReadString(*stream, 4), "hi\r\n");
    EXPECT_EQ(ReadByte(*stream), 0) << "past the end";
    EXPECT_EQ(ReadString(*stream, 1 << 30), "") << "a hostile length reads what is there";
}

TEST(StreamTest, PlainFilesReadWriteAndReopen) {
    const std::string path = TempPath("stream.txt");
    {
        StreamPtr out = WriteStream(path);
        ASSERT_TRUE(out);
        WriteLine(*out, "first");
        out->Seek(0);
        EXPECT_EQ(ReadLine(*out), "first") << "written streams can be read back";
        CloseStream(out);
        EXPECT_FALSE(out);
    }
    {
        StreamPtr both = OpenStream(path, true, true);
        ASSERT_TRUE(both);
        EXPECT_EQ(both->Size(), 7);
        both->Seek(both->Size());
        WriteLine(*both, "second");
    }
    StreamPtr in = ReadStream(path);
    ASSERT_TRUE(in);
    EXPECT_EQ(ReadLine(*in), "first");
    EXPECT_EQ(ReadLine(*in), "second");
    EXPECT_TRUE(Eof(*in));
    EXPECT_EQ(in->Write("x", 1), 0) << "read-only";
    EXPECT_FALSE(ReadStream(TempPath("no-such-file")));
}

TEST(StreamTest, ProtocolsIncbinAndLittleEndian) {
    static const char block[] = "packed\nbytes";
    RegisterIncbin("test.block", block, sizeof block - 1);
    EXPECT_EQ(IncbinSize("test.block"), 12);
    EXPECT_EQ(IncbinSize("none"), -1);
    StreamPtr stream = ReadStream("incbin::test.block");
    ASSERT_TRUE(stream);
    EXPECT_EQ(ReadLine(*stream), "packed");
    EXPECT_EQ(ReadAll(*stream), "bytes");
    StreamPtr wrapped = ReadStream("littleendian::incbin::test.block");
    ASSERT_TRUE(wrapped);
    EXPECT_EQ(ReadShort(*wrapped), 'p' | ('a' << 8));
    EXPECT_FALSE(OpenStream("incbin::test.block", true, true));

    RegisterStreamProtocol("upper", [](const std::string& rest, bool, bool) {
        std::string text = rest;
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return CreateMemoryStream(text);
    });
    StreamPtr custom = ReadStream("upper::abc");
    ASSERT_TRUE(custom);
    EXPECT_EQ(ReadAll(*custom), "ABC");

    DebugLogCapture log;
    EXPECT_FALSE(ReadStream("nowhere::thing"));
    EXPECT_TRUE(log.Contains("nowhere"));
}

TEST(FilesTest, DirectoriesAndPaths) {
    const std::string dir = TempPath("dir/a/b");
    EXPECT_TRUE(CreateDir(dir));
    EXPECT_TRUE(DirectoryExists(dir));
    const std::string file = dir + "/empty.dat";
    {
        StreamPtr out = WriteStream(file);
        WriteLine(*out, "old");
    }
    EXPECT_TRUE(CreateEmptyFile(file));
    EXPECT_EQ(ReadStream(file)->Size(), 0) << "an existing file is truncated";
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ListDir(dir), std::vector<std::string>{"empty.dat"});
    EXPECT_TRUE(RenameFile(file, dir + "/moved.dat"));
    EXPECT_TRUE(DeleteFile(dir + "/moved.dat"));
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(ExtractDir("data/game/levels/1.dat"), "data/game/levels");
    EXPECT_EQ(ExtractDir("data\\gui\\gui.txt"), "data\\gui");
    EXPECT_EQ(ExtractDir("plain.txt"), "");
}
