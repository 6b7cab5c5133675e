#pragma once

#include "toolkit/Handle.h"

#include <string>

// A fresh folder under the system's temporary folder, removed with its
// content when the test ends.
class TempFolder {
public:
    TempFolder();
    // A folder of a fixed name, emptied first: for a test whose child process
    // must find the same folder.
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path with its trailing backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Test helpers for whole files.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
// Holds a file open without sharing, as a backup tool or scanner might.
FileHandle Hold(const std::string& path);
