#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

[[nodiscard]] bool FileExists(const std::string& path);

// The running executable's full path, and its folder with the trailing backslash.
std::string ExecutablePath();
std::string ExecutableFolder();

// Reads a whole file. Raises "Cannot open file "%s". %s" when it cannot be
// opened or read.
std::string ReadFileBytes(const std::string& path);
// The same, but nothing when there is no such file (or folder on its path):
// one look at the file system instead of asking whether it exists first.
std::optional<std::string> ReadFileIfPresent(const std::string& path);

// Creates or truncates a file and writes it whole. Raises
// "Cannot create file "%s". %s" when it cannot.
void WriteFileBytes(const std::string& path, std::string_view bytes);

// Names of the entries of a folder whose own (long) name matches a wildcard
// pattern, every attribute allowed, in ascending name order whatever the file
// system's order. A name that only its generated short name matches is left
// out.
std::vector<std::string> ListFolder(const std::string& folder, const std::string& pattern);

// Whether a name matches a pattern of '*' (any run of characters) and '?'
// (one character), without regard to case, as file names compare.
[[nodiscard]] bool NameMatches(std::wstring_view name, std::wstring_view pattern);

void DeleteFileIfPresent(const std::string& path) noexcept;
