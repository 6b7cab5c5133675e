#pragma once

#include <functional>
#include <string>
#include <string_view>

// The points of a save at which a crash can strike; tests stop the process
// there to prove that the target always holds the old or the new content.
enum class SaveStep { TempCreated, HalfWritten, Flushed, BeforeRename, Renamed };

using SaveStepProbe = std::function<void(SaveStep)>;

// The name of the temporary file a save of `path` writes first. It never ends
// in the target's extension, so a listing of "*.dat" does not see it.
std::string TempFileNameFor(const std::string& path);

// Replaces the content of `path` so that no reader ever finds it missing or
// short: the bytes go to a temporary file in the same folder, are flushed to
// disk, and the temporary file is renamed over the target. A target held open
// by someone else (a backup tool, a scanner) is retried for a few tens of
// milliseconds. On failure the old content is untouched, the temporary file is
// removed and "Cannot create file "%s". %s" is raised.
void SaveFileAtomically(const std::string& path, std::string_view bytes,
                        const SaveStepProbe& probe = {});
