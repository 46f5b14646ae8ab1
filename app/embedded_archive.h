#pragma once
// The game's data archive, linked into the executable (library tess_archive_blob).

// Makes the linked-in archive readable as "incbin::data.zip".
void RegisterEmbeddedArchive();
