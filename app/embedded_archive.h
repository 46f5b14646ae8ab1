#pragma once
// The game's data archive, linked into the executable (library tess_archive_blob;
// in the browser build it is preloaded beside the program instead).

// The asset prefix that reads from the linked-in archive (zip protocol).
inline constexpr const char* SHIPPED_ARCHIVE_PREFIX = "zip::incbin::data.zip//";

// Makes the linked-in archive readable as "incbin::data.zip".
void RegisterEmbeddedArchive();

// The asset prefix of a command-line start level: the plain data tree on the
// desktop; in the browser, whose only data is the preloaded archive, that.
const char* LevelStartPrefix();
