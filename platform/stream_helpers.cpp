// Text and little-endian binary helpers over any stream.
#include <algorithm>

#include "platform/stream.h"

namespace {

uint32_t ReadLittleEndian(TStream& stream, int bytes) {
    uint8_t buffer[4] = {0, 0, 0, 0};
    stream.Read(buffer, bytes);
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | buffer[i];
    }
    return value;
}

void WriteLittleEndian(TStream& stream, uint32_t value, int bytes) {
    uint8_t buffer[4];
    for (int i = 0; i < bytes; ++i) {
        buffer[i] = static_cast<uint8_t>(value >> (8 * i));
    }
    stream.Write(buffer, bytes);
}

}  // namespace

std::string ReadAll(TStream& stream) {
    std::string bytes;
    const int64_t left = stream.Size() - stream.Pos();
    if (left > 0) {
        bytes.reserve(static_cast<size_t>(left));
    }
    char buffer[65536];
    int got = 0;
    while ((got = stream.Read(buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return bytes;
}

std::string ReadLine(TStream& stream) {
    std::string line;
    uint8_t byte = 0;
    while (stream.Read(&byte, 1) == 1) {
        if (byte == '\n' || byte == 0) {
            break;
        }
        if (byte != '\r') {
            line.push_back(static_cast<char>(byte));
        }
    }
    return line;
}

void WriteString(TStream& stream, const std::string& text) {
    if (!text.empty()) {
        stream.Write(text.data(), static_cast<int>(text.size()));
    }
}

void WriteLine(TStream& stream, const std::string& text) {
    WriteString(stream, text);
    WriteString(stream, "\r\n");
}

bool Eof(const TStream& stream) {
    return stream.Eof();
}

int ReadByte(TStream& stream) {
    return static_cast<int>(ReadLittleEndian(stream, 1));
}

int ReadShort(TStream& stream) {
    return static_cast<int>(ReadLittleEndian(stream, 2));
}

int ReadInt(TStream& stream) {
    return static_cast<int32_t>(ReadLittleEndian(stream, 4));
}

std::string ReadString(TStream& stream, int length) {
    std::string text;
    char buffer[4096];
    while (length > 0) {
        const int got = stream.Read(buffer, std::min<int>(length, sizeof buffer));
        if (got <= 0) {
            break;
        }
        text.append(buffer, static_cast<size_t>(got));
        length -= got;
    }
    return text;
}

void WriteByte(TStream& stream, int value) {
    WriteLittleEndian(stream, static_cast<uint32_t>(value), 1);
}

void WriteShort(TStream& stream, int value) {
    WriteLittleEndian(stream, static_cast<uint32_t>(value), 2);
}

void WriteInt(TStream& stream, int value) {
    WriteLittleEndian(stream, static_cast<uint32_t>(value), 4);
}
