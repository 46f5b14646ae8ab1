#include "app/embedded_archive.h"

#include <cstddef>

#include "platform/stream.h"

// Bounds of data.zip, placed by embedded_data_zip.S.
extern "C" const unsigned char tess_data_zip_begin[];
extern "C" const unsigned char tess_data_zip_end[];

void RegisterEmbeddedArchive() {
    const auto size = static_cast<size_t>(tess_data_zip_end - tess_data_zip_begin);
    RegisterIncbin("data.zip", tess_data_zip_begin, size);
}

const char* LevelStartPrefix() {
    return "";
}
