// Packs the staged data tree into the game's archive.
//
//   pack_archive <archive.zip> <root folder> <contents list> <manifest>...
//
// Each manifest lists one path a line, relative to the root; those below
// "data/" are packed (a generator may also make files for the package).
// Entry names are those paths lower-cased with "/" separators, in sorted
// order, with one fixed time stamp and mode, so equal trees give equal
// archives. Pictures and sounds are compressed already and are stored as
// they are, so the game reads them without inflating; the rest is deflated.
// Entries whose bytes did not change are copied from the previous archive
// instead of being compressed again; an archive that comes out identical to
// the previous one is left untouched. The contents list names every entry.
#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/content/common/output_manifest.h"

namespace fs = std::filesystem;

namespace {

constexpr time_t FIXED_TIME = 1577836800;  // 2020-01-01, the same in every build
constexpr zip_uint32_t FILE_MODE = 0100644u << 16;

struct Entry {
    std::string name;  // lower case, "/" separators
    fs::path source;
};

std::string EntryName(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    for (char& c : path) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return path;
}

bool ReadFile(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool Packed(const std::string& name) {
    return name.starts_with("data/") && name.find("..") == std::string::npos;
}

// The entries the manifests name, sorted; false when a manifest is missing.
bool ReadManifests(const fs::path& root, const std::vector<fs::path>& manifests,
                   std::vector<Entry>& entries) {
    std::set<std::string> seen;
    for (const fs::path& manifest : manifests) {
        if (!fs::is_regular_file(manifest)) {
            std::cerr << "pack_archive: cannot read " << manifest << "\n";
            return false;
        }
        for (const std::string& line : ReadOutputManifest(manifest)) {
            const std::string name = EntryName(line);
            if (Packed(name) && seen.insert(name).second) {
                entries.push_back({name, root / line});
            }
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return true;
}

zip_int32_t CompressionOf(const std::string& name) {
    for (const char* stored : {".ogg", ".jpg", ".png"}) {
        if (name.ends_with(stored)) {
            return ZIP_CM_STORE;
        }
    }
    return ZIP_CM_DEFLATE;
}

uint32_t Crc(const std::string& bytes) {
    return static_cast<uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

// The previous archive's entry with the same name, size and checksum, or -1.
zip_int64_t Unchanged(zip_t* previous, const Entry& entry, const std::string& bytes) {
    if (previous == nullptr) {
        return -1;
    }
    const zip_int64_t index = zip_name_locate(previous, entry.name.c_str(), 0);
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(previous, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
        return -1;
    }
    const bool same = stat.size == bytes.size() && stat.crc == Crc(bytes) &&
                      stat.comp_method == CompressionOf(entry.name);
    return same ? index : -1;
}

bool AddEntry(zip_t* archive, zip_t* previous, const Entry& entry, std::vector<std::string>& keep) {
    std::string bytes;
    if (!ReadFile(entry.source, bytes)) {
        std::cerr << "pack_archive: cannot read " << entry.source << "\n";
        return false;
    }
    const zip_int64_t old = Unchanged(previous, entry, bytes);
    zip_source_t* source = nullptr;
    if (old >= 0) {
        source = zip_source_zip(archive, previous, static_cast<zip_uint64_t>(old),
                                ZIP_FL_COMPRESSED, 0, -1);
    } else {
        keep.push_back(std::move(bytes));
        source = zip_source_buffer(archive, keep.back().data(), keep.back().size(), 0);
    }
    if (source == nullptr) {
        return false;
    }
    const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    const auto at = static_cast<zip_uint64_t>(index);
    if (old < 0 && zip_set_file_compression(archive, at, CompressionOf(entry.name), 0) != 0) {
        return false;
    }
    return zip_file_set_mtime(archive, at, FIXED_TIME, 0) == 0 &&
           zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX, FILE_MODE) == 0;
}

bool SameBytes(const fs::path& a, const fs::path& b) {
    std::string first;
    std::string second;
    return ReadFile(a, first) && ReadFile(b, second) && first == second;
}

bool Pack(const fs::path& output, const std::vector<Entry>& entries) {
    const fs::path temporary = output.string() + ".tmp";
    std::error_code ignored;
    fs::remove(temporary, ignored);
    int error = 0;
    zip_t* previous = fs::exists(output) ? zip_open(output.c_str(), ZIP_RDONLY, &error) : nullptr;
    zip_t* archive = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        std::cerr << "pack_archive: cannot create " << temporary << "\n";
        if (previous != nullptr) {
            zip_discard(previous);
        }
        return false;
    }
    // Buffers handed to libzip must live until the archive is closed; a
    // vector of strings keeps their data in place when it grows.
    std::vector<std::string> keep;
    keep.reserve(entries.size());
    bool ok = true;
    for (const Entry& entry : entries) {
        ok = ok && AddEntry(archive, previous, entry, keep);
    }
    if (!ok || zip_close(archive) != 0) {
        if (ok) {
            std::cerr << "pack_archive: " << zip_strerror(archive) << "\n";
        }
        zip_discard(archive);
        if (previous != nullptr) {
            zip_discard(previous);
        }
        fs::remove(temporary, ignored);
        return false;
    }
    if (previous != nullptr) {
        zip_discard(previous);
    }
    if (fs::exists(output) && SameBytes(output, temporary)) {
        fs::remove(temporary, ignored);
        return true;
    }
    fs::rename(temporary, output);
    return true;
}

bool WriteContents(const fs::path& file, const std::vector<Entry>& entries) {
    std::string text;
    for (const Entry& entry : entries) {
        text += entry.name + "\n";
    }
    std::string old;
    if (ReadFile(file, old) && old == text) {
        return true;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::cerr << "usage: pack_archive <archive.zip> <root folder> <contents list> "
                     "<manifest>...\n";
        return 2;
    }
    std::vector<Entry> entries;
    if (!ReadManifests(argv[2], std::vector<fs::path>(argv + 4, argv + argc), entries) ||
        !Pack(argv[1], entries) || !WriteContents(argv[3], entries)) {
        return 1;
    }
    std::cout << "pack_archive: " << entries.size() << " entries in " << argv[1] << "\n";
    return 0;
}
