#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "app/assets.h"
#include "platform/stream.h"

namespace {
// Served names are looked up as "incbin::" + name.
const char* const SERVE_PREFIX = "incbin::";
}  // namespace

void ServeFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
    // An empty block still has to be a readable file.
    static const uint8_t none = 0;
    RegisterIncbin(name, size != 0 ? data : &none, size);
    SetArchivePrefix(SERVE_PREFIX);
}

std::string FuzzText(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

void FuzzCheckFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: reader promise broken: %s\n", file, line, what);
    std::abort();
}
