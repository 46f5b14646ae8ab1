#include "app/zip_archive.h"

#include <zip.h>

#include <map>
#include <memory>
#include <unordered_map>

#include "app/line_helpers.h"
#include "platform/debug_log.h"

namespace {

// One archive source: its bytes (read once, or linked in and read in place)
// and the lower-cased entry index.
class ZipSource {
public:
    explicit ZipSource(std::string data) : owned(std::move(data)), bytes(owned) { Open(); }
    explicit ZipSource(std::string_view linked) : bytes(linked) { Open(); }
    ~ZipSource() {
        if (archive != nullptr) {
            zip_discard(archive);
        }
    }
    ZipSource(const ZipSource&) = delete;
    ZipSource& operator=(const ZipSource&) = delete;

    bool IsOpen() const { return archive != nullptr; }
    int64_t Size() const { return static_cast<int64_t>(bytes.size()); }
    StreamPtr OpenEntry(const std::string& entry) const;

private:
    void Open();
    void BuildIndex();
    bool ReadEntry(zip_uint64_t index, std::string& out) const;

    std::string owned;
    std::string_view bytes;
    zip_t* archive = nullptr;
    std::unordered_map<std::string, zip_uint64_t> index;
};

void ZipSource::Open() {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source != nullptr) {
        archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (archive == nullptr) {
            zip_source_free(source);
        }
    }
    if (archive == nullptr) {
        DebugLog(std::string("***Error: cannot open zip archive: ") + zip_error_strerror(&error));
    } else {
        BuildIndex();
    }
    zip_error_fini(&error);
}

void ZipSource::BuildIndex() {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name == nullptr) {
            continue;
        }
        const std::string key = ToLower(name);
        if (key.size() >= ZIP_NAME_LIMIT) {
            continue;
        }
        index.emplace(key, static_cast<zip_uint64_t>(i));  // the first of equal names wins
    }
}

bool ZipSource::ReadEntry(zip_uint64_t entry, std::string& out) const {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, entry, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
        return false;
    }
    if (stat.size > static_cast<zip_uint64_t>(ZIP_ENTRY_LIMIT)) {
        DebugLog("***Error: zip entry too large: " + std::to_string(stat.size) + " bytes");
        return false;
    }
    zip_file_t* file = zip_fopen_index(archive, entry, 0);
    if (file == nullptr) {
        return false;
    }
    out.resize(static_cast<size_t>(stat.size));
    zip_int64_t total = 0;
    bool ok = true;
    while (ok && static_cast<zip_uint64_t>(total) < stat.size) {
        const zip_int64_t got =
            zip_fread(file, out.data() + total, stat.size - static_cast<zip_uint64_t>(total));
        if (got <= 0) {
            ok = false;
        } else {
            total += got;
        }
    }
    // The entry must end where its header says: one more byte means a lying size.
    char extra = 0;
    if (ok && zip_fread(file, &extra, 1) != 0) {
        ok = false;
    }
    zip_fclose(file);
    return ok;
}

StreamPtr ZipSource::OpenEntry(const std::string& entry) const {
    if (entry.size() >= ZIP_NAME_LIMIT) {
        DebugLog("***Error: zip entry name too long (" + std::to_string(entry.size()) +
                 " characters)");
        return nullptr;
    }
    const auto found = index.find(ToLower(entry));
    if (found == index.end()) {
        return nullptr;
    }
    std::string data;
    if (!ReadEntry(found->second, data)) {
        DebugLog("***Error: cannot inflate zip entry: " + entry);
        return nullptr;
    }
    return CreateMemoryStream(std::move(data));
}

std::map<std::string, std::unique_ptr<ZipSource>>& Sources() {
    static std::map<std::string, std::unique_ptr<ZipSource>> sources;
    return sources;
}

// The cached source, read on first use; null when its bytes cannot be read.
const ZipSource* FindSource(const std::string& url) {
    auto& sources = Sources();
    const auto found = sources.find(url);
    if (found != sources.end()) {
        return found->second.get();
    }
    const StreamPtr stream = ReadStream(url);
    if (!stream) {
        DebugLog("***Error: cannot read zip source: " + url);
        return nullptr;  // not cached: the source may appear later
    }
    const std::string_view linked = stream->LinkedBytes();
    auto source = linked.empty() ? std::make_unique<ZipSource>(ReadAll(*stream))
                                 : std::make_unique<ZipSource>(linked);
    return sources.emplace(url, std::move(source)).first->second.get();
}

}  // namespace

void RegisterZipProtocol() {
    RegisterStreamProtocol("zip", OpenZipStream);
}

StreamPtr OpenZipStream(const std::string& rest, bool read, bool write) {
    if (!read || write) {
        return nullptr;
    }
    const size_t split = rest.find("//");
    if (split == std::string::npos) {
        return nullptr;
    }
    const ZipSource* source = FindSource(rest.substr(0, split));
    if (source == nullptr || !source->IsOpen()) {
        return nullptr;
    }
    return source->OpenEntry(rest.substr(split + 2));
}

int64_t ZipSourceSize(const std::string& source) {
    const ZipSource* found = FindSource(source);
    return found != nullptr ? found->Size() : -1;
}

void ForgetZipSources() {
    Sources().clear();
}
