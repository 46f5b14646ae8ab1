#pragma once
// Plain file-system helpers.
#include <string>
#include <vector>

bool CreateDir(const std::string& path, bool withParents = true);
bool CreateEmptyFile(const std::string& path);
bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);
bool DeleteFile(const std::string& path);
// Renames from over to, replacing to; both on one file system.
bool RenameFile(const std::string& from, const std::string& to);
// The directory part of a path, without the trailing separator ("" when none).
std::string ExtractDir(const std::string& path);
// Names in a directory (no "." or ".."), sorted.
std::vector<std::string> ListDir(const std::string& path);
