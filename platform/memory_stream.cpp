// Streams over bytes in memory: owned copies, and read-only views of linked-in blocks.
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/builtin_streams.h"

namespace {

// Reads from a block of bytes that outlives the stream.
class ViewStream : public TStream {
public:
    ViewStream(const uint8_t* data, size_t size) : data(data), size(static_cast<int64_t>(size)) {}

    int Read(void* buffer, int count) override {
        const int64_t available = std::max<int64_t>(0, size - pos);
        const int64_t n = std::min<int64_t>(std::max(count, 0), available);
        if (n > 0) {
            std::memcpy(buffer, data + pos, static_cast<size_t>(n));
            pos += n;
        }
        return static_cast<int>(n);
    }
    bool Eof() const override { return pos >= size; }
    int64_t Size() const override { return size; }
    int64_t Pos() const override { return pos; }
    bool Seek(int64_t target) override {
        if (target < 0 || target > size) {
            return false;
        }
        pos = target;
        return true;
    }
    std::string_view LinkedBytes() const override {
        return {reinterpret_cast<const char*>(data), static_cast<size_t>(size)};
    }

private:
    const uint8_t* data;
    int64_t size;
    int64_t pos = 0;
};

// Owns its bytes; writes overwrite and extend them.
class MemoryStream : public TStream {
public:
    explicit MemoryStream(std::string bytes) : bytes(std::move(bytes)) {}

    int Read(void* buffer, int count) override {
        const int64_t available = std::max<int64_t>(0, Size() - pos);
        const int64_t n = std::min<int64_t>(std::max(count, 0), available);
        if (n > 0) {
            std::memcpy(buffer, bytes.data() + pos, static_cast<size_t>(n));
            pos += n;
        }
        return static_cast<int>(n);
    }
    int Write(const void* buffer, int count) override {
        if (count <= 0) {
            return 0;
        }
        const size_t end = static_cast<size_t>(pos) + static_cast<size_t>(count);
        if (end > bytes.size()) {
            bytes.resize(end);
        }
        std::memcpy(bytes.data() + pos, buffer, static_cast<size_t>(count));
        pos += count;
        return count;
    }
    bool Eof() const override { return pos >= Size(); }
    int64_t Size() const override { return static_cast<int64_t>(bytes.size()); }
    int64_t Pos() const override { return pos; }
    bool Seek(int64_t target) override {
        if (target < 0 || target > Size()) {
            return false;
        }
        pos = target;
        return true;
    }

private:
    std::string bytes;
    int64_t pos = 0;
};

struct IncbinBlock {
    const uint8_t* data;
    size_t size;
};

std::map<std::string, IncbinBlock>& IncbinBlocks() {
    static std::map<std::string, IncbinBlock> blocks;
    return blocks;
}

}  // namespace

StreamPtr OpenIncbinStream(const std::string& name, bool, bool write) {
    const auto found = IncbinBlocks().find(name);
    if (write || found == IncbinBlocks().end()) {
        return nullptr;
    }
    return std::make_shared<ViewStream>(found->second.data, found->second.size);
}

// Every value we read is little-endian already, so the wrapper is the inner stream.
StreamPtr OpenLittleEndianStream(const std::string& rest, bool read, bool write) {
    return OpenStream(rest, read, write);
}

StreamPtr CreateMemoryStream(const void* data, size_t size) {
    if (data == nullptr || size == 0) {
        return std::make_shared<MemoryStream>(std::string());
    }
    return std::make_shared<MemoryStream>(std::string(static_cast<const char*>(data), size));
}

StreamPtr CreateMemoryStream(std::string bytes) {
    return std::make_shared<MemoryStream>(std::move(bytes));
}

void RegisterIncbin(const std::string& name, const void* data, size_t size) {
    IncbinBlocks()[name] =
        IncbinBlock{static_cast<const uint8_t*>(data), data != nullptr ? size : 0};
}

int64_t IncbinSize(const std::string& name) {
    const auto found = IncbinBlocks().find(name);
    return found == IncbinBlocks().end() ? -1 : static_cast<int64_t>(found->second.size);
}
