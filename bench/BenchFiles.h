#pragma once

#include <exception>
#include <string>

// Folders and day files the benchmarks make for themselves.

// A folder of that name under the user's temporary folder, with its
// trailing backslash; made when missing.
std::string BenchFolder(const std::string& name);
// The folder's files and the folder itself; sub-folders are emptied first.
void RemoveFolder(const std::string& folder);
// A busy day file: every minute of working hours (08:00 to 18:00) has keys
// and travel, varied by `seed`.
std::string BusyDay(int seed);

// Where the benchmarks' day logs and trees report: a file the benchmark cannot
// take makes its figures meaningless, so the error stops it.
[[noreturn]] void StopOnError(const std::exception& error);
