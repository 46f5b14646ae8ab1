#pragma once
// The game's data archive, linked into the executable (library tess_archive_blob).

// The asset prefix that reads from the linked-in archive (zip protocol).
inline constexpr const char* SHIPPED_ARCHIVE_PREFIX = "zip::incbin::data.zip//";

// Makes the linked-in archive readable as "incbin::data.zip".
void RegisterEmbeddedArchive();
