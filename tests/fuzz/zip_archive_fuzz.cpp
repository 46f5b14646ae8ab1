// The zip archive: any bytes as the archive source; every entry name found in
// the central directory opens or fails cleanly, never past the entry limit.
#include <zip.h>

#include <string>
#include <vector>

#include "app/zip_archive.h"
#include "fuzz/fuzz_support.h"
#include "platform/stream.h"

namespace {

// The names libzip sees, read separately so the reader's own index is tested.
std::vector<std::string> EntryNames(const uint8_t* data, size_t size) {
    std::vector<std::string> names;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (archive == nullptr) {
        if (source != nullptr) {
            zip_source_free(source);
        }
    } else {
        const zip_int64_t count = zip_get_num_entries(archive, 0);
        for (zip_int64_t i = 0; i < count && names.size() < 64; ++i) {
            const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
            if (name != nullptr) {
                names.emplace_back(name);
            }
        }
        zip_discard(archive);
    }
    zip_error_fini(&error);
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        RegisterZipProtocol();
        return true;
    }();
    (void)registered;
    static const uint8_t none = 0;
    RegisterIncbin("fuzz.zip", size != 0 ? data : &none, size);
    ForgetZipSources();
    FUZZ_CHECK(ZipSourceSize("incbin::fuzz.zip") == static_cast<int64_t>(size));

    std::vector<std::string> names = EntryNames(data, size);
    names.push_back("missing.txt");
    names.push_back(std::string(300, 'a'));
    for (const std::string& name : names) {
        StreamPtr stream = ReadStream("zip::incbin::fuzz.zip//" + name);
        if (stream) {
            FUZZ_CHECK(stream->Size() >= 0 && stream->Size() <= ZIP_ENTRY_LIMIT);
            const std::string bytes = ReadAll(*stream);
            FUZZ_CHECK(static_cast<int64_t>(bytes.size()) == stream->Size());
        }
    }
    ForgetZipSources();
    return 0;
}
