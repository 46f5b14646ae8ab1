#pragma once
// Byte streams opened by path. A path of the form "proto::rest" is handed to the
// reader registered for "proto" ("zip", "incbin", "littleendian", ...); any other
// path is a plain file. All multi-byte values are little-endian.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TStream {
public:
    virtual ~TStream() = default;
    // Reads up to count bytes; returns how many were read (0 at the end).
    virtual int Read(void* buffer, int count) = 0;
    // Writes count bytes; returns how many were written (0 for read-only streams).
    virtual int Write(const void* buffer, int count);
    virtual bool Eof() const = 0;
    virtual int64_t Size() const = 0;
    virtual int64_t Pos() const = 0;
    virtual bool Seek(int64_t pos) = 0;
    virtual bool Flush() { return true; }
    // All the bytes, when they are linked into the executable and so outlive
    // the stream; empty for every other stream.
    virtual std::string_view LinkedBytes() const { return {}; }
};
using StreamPtr = std::shared_ptr<TStream>;

// A reader for one protocol: gets the text after "proto::" and the access wanted.
using StreamOpener = std::function<StreamPtr(const std::string& rest, bool read, bool write)>;
void RegisterStreamProtocol(const std::string& proto, StreamOpener opener);

StreamPtr OpenStream(const std::string& url, bool read, bool write);
StreamPtr ReadStream(const std::string& url);   // read only
StreamPtr WriteStream(const std::string& url);  // created or truncated, read and write
void CloseStream(StreamPtr& stream);

// A stream over bytes in memory (a copy is kept).
StreamPtr CreateMemoryStream(const void* data, size_t size);
StreamPtr CreateMemoryStream(std::string bytes);

// "incbin::name" streams: named blocks of bytes linked into the executable.
void RegisterIncbin(const std::string& name, const void* data, size_t size);
// Size of a registered block, or -1 when there is none.
int64_t IncbinSize(const std::string& name);

// Reads the whole stream from its current position.
std::string ReadAll(TStream& stream);

// Text and binary helpers. ReadLine stops at a line feed, a zero byte or the end;
// carriage returns are dropped. WriteLine appends CR LF.
std::string ReadLine(TStream& stream);
void WriteLine(TStream& stream, const std::string& text);
void WriteString(TStream& stream, const std::string& text);
bool Eof(const TStream& stream);
int ReadByte(TStream& stream);   // 0..255, 0 past the end
int ReadShort(TStream& stream);  // 0..65535
int ReadInt(TStream& stream);    // signed 32 bit
std::string ReadString(TStream& stream, int length);
void WriteByte(TStream& stream, int value);
void WriteShort(TStream& stream, int value);
void WriteInt(TStream& stream, int value);
