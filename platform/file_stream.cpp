#include "platform/file_stream.h"

#include <cstdio>
#include <filesystem>

#include "platform/files.h"
#include "platform/system.h"

namespace {

class FileStream : public TStream {
public:
    FileStream(std::FILE* file, bool canWrite) : file(file), canWrite(canWrite) {
        if (std::fseek(file, 0, SEEK_END) == 0) {
            size = std::ftell(file);
        }
        std::fseek(file, 0, SEEK_SET);
        if (size < 0) {
            size = 0;
        }
    }
    ~FileStream() override { std::fclose(file); }
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    int Read(void* buffer, int count) override {
        if (count <= 0) {
            return 0;
        }
        PrepareFor(false);
        const size_t got = std::fread(buffer, 1, static_cast<size_t>(count), file);
        pos += static_cast<int64_t>(got);
        return static_cast<int>(got);
    }
    int Write(const void* buffer, int count) override {
        if (!canWrite || count <= 0) {
            return 0;
        }
        PrepareFor(true);
        const size_t put = std::fwrite(buffer, 1, static_cast<size_t>(count), file);
        pos += static_cast<int64_t>(put);
        if (pos > size) {
            size = pos;
        }
        return static_cast<int>(put);
    }
    bool Eof() const override { return pos >= size; }
    int64_t Size() const override { return size; }
    int64_t Pos() const override { return pos; }
    bool Seek(int64_t target) override {
        if (target < 0 || std::fseek(file, static_cast<long>(target), SEEK_SET) != 0) {
            return false;
        }
        pos = target;
        lastWasWrite = false;
        return true;
    }
    bool Flush() override { return std::fflush(file) == 0; }

private:
    // C streams need a positioning call between a write and a read.
    void PrepareFor(bool writing) {
        if (writing != lastWasWrite) {
            std::fseek(file, static_cast<long>(pos), SEEK_SET);
            lastWasWrite = writing;
        }
    }

    std::FILE* file;
    bool canWrite;
    bool lastWasWrite = false;
    int64_t size = 0;
    int64_t pos = 0;
};

const char* ModeString(FileMode mode, const std::string& path) {
    switch (mode) {
        case FileMode::Read:
            return "rb";
        case FileMode::Write:
            return "wb";
        case FileMode::Create:
            return "w+b";
        case FileMode::ReadWrite: {
            std::error_code error;
            return std::filesystem::is_regular_file(FsPath(path), error) ? "r+b" : "w+b";
        }
    }
    return "rb";
}

}  // namespace

StreamPtr OpenFileStream(const std::string& path, FileMode mode) {
    std::error_code error;
    if (path.empty() || std::filesystem::is_directory(FsPath(path), error)) {
        return nullptr;
    }
    std::FILE* file = OpenFile(path, ModeString(mode, path));
    if (file == nullptr) {
        return nullptr;
    }
    return std::make_shared<FileStream>(file, mode != FileMode::Read);
}
