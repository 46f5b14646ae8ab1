#pragma once
// Plain file-system helpers. Paths are UTF-8 everywhere.
#include <filesystem>
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
// A UTF-8 path as the file system's own path type.
std::filesystem::path FsPath(const std::string& utf8);
