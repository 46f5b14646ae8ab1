#pragma once
// Plain-file streams (used by OpenStream for paths without a protocol).
#include <string>

#include "platform/stream.h"

enum class FileMode {
    Read,       // existing file, read only
    Write,      // created or truncated, write only
    ReadWrite,  // existing file kept, or created
    Create,     // created or truncated, read and write
};

StreamPtr OpenFileStream(const std::string& path, FileMode mode);
