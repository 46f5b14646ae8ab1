#include "app/assets.h"

#include <algorithm>
#include <vector>

#include "app/line_helpers.h"
#include "app/zip_archive.h"
#include "platform/debug_log.h"
#include "platform/files.h"

namespace {

std::string& ArchivePrefix() {
    static std::string prefix;
    return prefix;
}

// The archive's size for the debug line: the source named in the prefix.
int64_t ArchiveSize() {
    const std::string& prefix = ArchivePrefix();
    const std::string zipMark = "zip::";
    if (prefix.compare(0, zipMark.size(), zipMark) != 0) {
        return -1;
    }
    const size_t split = prefix.find("//", zipMark.size());
    if (split == std::string::npos) {
        return -1;
    }
    return ZipSourceSize(prefix.substr(zipMark.size(), split - zipMark.size()));
}

void LogArchiveMiss(const std::string& text, const std::string& name, const std::string& path) {
    DebugLog(text + name + "***  (" + path + ") incbinlen = " + std::to_string(ArchiveSize()));
}

// The entry of dir whose name equals part without regard to case, "" when none.
std::string MatchNoCase(const std::string& dir, const std::string& part) {
    const std::string wanted = ToLower(part);
    for (const std::string& entry : ListDir(dir)) {
        if (ToLower(entry) == wanted) {
            return entry;
        }
    }
    return "";
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = std::min(path.find('/', start), path.size());
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

// A plain path as it exists on disk: as written when it exists, else with "/"
// separators and every component matched without regard to case.
std::string ResolvePlainPath(const std::string& name) {
    if (name.empty() || FileExists(name)) {
        return name;
    }
    const std::string path = ForwardSlashes(name);
    std::string resolved;
    bool first = true;
    for (const std::string& part : SplitPath(path)) {
        const std::string prefix = first ? "" : resolved + "/";
        const std::string dir = first ? "." : (resolved.empty() ? "/" : resolved);
        first = false;
        if (part.empty() || part == "." || part == "..") {
            resolved = prefix + part;
            continue;
        }
        const std::string exact = prefix + part;
        if (FileExists(exact) || DirectoryExists(exact)) {
            resolved = exact;
            continue;
        }
        const std::string match = MatchNoCase(dir, part);
        if (match.empty()) {
            return name;
        }
        resolved = prefix + match;
    }
    return resolved;
}

// The archive attempt shared by the four loaders: null when the prefix is
// empty or the entry is missing (after the debug line).
template <typename Result, typename Load>
Result TryArchive(const std::string& text, const std::string& name, Load load) {
    const std::string& prefix = ArchivePrefix();
    if (prefix.empty()) {
        return nullptr;
    }
    const std::string path = ForwardSlashes(prefix + name);
    Result result = load(path);
    if (!result) {
        LogArchiveMiss(text, name, path);
    }
    return result;
}

template <typename Result, typename Load>
Result LoadAsset(const std::string& text, const std::string& name, Load load) {
    Result result = TryArchive<Result>(text, name, load);
    if (result) {
        return result;
    }
    return load(ResolvePlainPath(name));
}

}  // namespace

void SetArchivePrefix(const std::string& prefix) {
    ArchivePrefix() = prefix;
}

const std::string& GetArchivePrefix() {
    return ArchivePrefix();
}

StreamPtr OpenAssetFile(const std::string& name) {
    return LoadAsset<StreamPtr>("File not found in zip stream: ", name,
                                [](const std::string& path) { return ReadStream(path); });
}

ImagePtr LoadAssetImage(const std::string& name, int flags) {
    return LoadAsset<ImagePtr>("Image not found in zip stream: ", name,
                               [flags](const std::string& path) { return LoadImage(path, flags); });
}

PixmapPtr LoadAssetPixmap(const std::string& name) {
    return LoadAsset<PixmapPtr>("Image not found in zip stream: ", name,
                                [](const std::string& path) { return LoadPixmap(path); });
}

SoundPtr LoadAssetSound(const std::string& name, int flags) {
    return LoadAsset<SoundPtr>("Sound not found in zip stream: ", name,
                               [flags](const std::string& path) { return LoadSound(path, flags); });
}
