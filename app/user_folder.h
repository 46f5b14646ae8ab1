#pragma once
// The user data folder and the settings files in it. On Linux it is the
// player's own "$XDG_DATA_HOME/" (default "~/.local/share/"); on Windows the
// machine's common application data folder ("C:\ProgramData\"), shared by
// every account; then the folder name. TESSALUNE_DATA_DIR, when set, replaces
// the whole folder (so tests never touch a real home).
#include <string>

#include "platform/stream.h"
#include "platform/system.h"  // GrantUsersFullAccess

constexpr int SPECIAL_FOLDER_COMMON_APPDATA = 35;

// The user data folder name, "Tessalune/" unless start-up sets another.
void SetUserFolderName(const std::string& folder);
const std::string& GetUserFolderName();

// Path of a system special folder with a trailing "/", "" when there is none.
std::string GetSpecialFolder(int id);
// The folder the settings of folder live in, with a trailing "/" ("" for none).
std::string SettingsFolder(const std::string& folder);
// Creates the settings folder with its parents when it does not exist yet.
bool PrepareSettingsFolder(const std::string& folder);

StreamPtr OpenSettingsFile(const std::string& folder, const std::string& file);
StreamPtr CreateSettingsFile(const std::string& folder, const std::string& file);

// Writes bytes to path so that path holds either its old or its new content
// whatever happens: a temporary file beside it, flushed and synced, renamed over.
bool ReplaceFileSafely(const std::string& path, const std::string& bytes);
