#pragma once
// Zip archives built on the spot for the archive tests, in scratch folders.
#include <zip.h>

#include "support/scratch_folder.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace archive_test {

using ZipEntries = std::vector<std::pair<std::string, std::string>>;

// A zip archive (deflated entries) with the given names and contents.
inline std::string BuildZip(const std::string& scratchFile, const ZipEntries& entries) {
    int error = 0;
    zip_t* archive = zip_open(scratchFile.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& [name, content] : entries) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_RAW);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0);
    }
    zip_close(archive);
    std::string bytes = ReadFileBytes(scratchFile);
    std::filesystem::remove(scratchFile);
    return bytes;
}

}  // namespace archive_test
