#pragma once
// The "zip::" stream protocol: "zip::" + source + "//" + entry, where source is
// any stream url (e.g. "incbin::data.zip") holding a zip archive. Entries are
// found without regard to letter case; each is inflated into memory on open.
#include <cstdint>
#include <string>

#include "platform/stream.h"

constexpr size_t ZIP_NAME_LIMIT = 256;                    // names must be shorter
constexpr int64_t ZIP_ENTRY_LIMIT = 256LL * 1024 * 1024;  // inflated bytes of one entry

// Registers the opener under "zip"; safe to call more than once.
void RegisterZipProtocol();

// Opens one entry for reading; "rest" is the url without "zip::".
StreamPtr OpenZipStream(const std::string& rest, bool read, bool write);

// Size in bytes of a source's archive data, -1 when it cannot be read.
int64_t ZipSourceSize(const std::string& source);

// Drops every cached source, so a source read again sees new bytes.
void ForgetZipSources();
