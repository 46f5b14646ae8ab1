// The browser build: the page preloads data.zip into the virtual file system
// beside the program; it is read into memory once, the file let go, and the
// bytes registered as the linked-in archive would be.
#include <cstdio>
#include <string>

#include "app/embedded_archive.h"
#include "platform/debug_log.h"
#include "platform/stream.h"

namespace {

const char* const PRELOADED_ARCHIVE = "/data.zip";

}  // namespace

void RegisterEmbeddedArchive() {
    static std::string bytes;
    if (bytes.empty()) {
        if (StreamPtr stream = ReadStream(PRELOADED_ARCHIVE)) {
            bytes = ReadAll(*stream);
            CloseStream(stream);
            std::remove(PRELOADED_ARCHIVE);
        }
        if (bytes.empty()) {
            DebugLog(std::string("archive: the preloaded ") + PRELOADED_ARCHIVE + " is missing");
        }
    }
    RegisterIncbin("data.zip", bytes.data(), bytes.size());
}

const char* LevelStartPrefix() {
    return SHIPPED_ARCHIVE_PREFIX;
}
