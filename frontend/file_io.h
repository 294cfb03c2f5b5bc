// Replacing a file so that a reader always finds the old content or the new,
// never an empty or cut file: the bytes go to a temporary file in the same
// folder, are flushed to disk, renamed over the target in one step, and the
// folder is flushed so the rename itself survives a power cut.
//
// Temporary files are named ".velmora-<pid>-<n>.tmp" (the engine's saves of
// truckload images use the same pattern): short whatever the target's name,
// so a target of up to NAME_MAX bytes can be written, and recognisable, so
// those a killed process left behind are removed at the next save or start.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::frontend {

// Replaces (or creates) the file at `path` with exactly `bytes`.  A symbolic
// link is followed: the link stays and its target gets the new content.  A
// target that exists but may not be written, or is not a regular file, is
// refused with EACCES.  Returns 0 on success, else the errno of the failure
// (nothing then changed at `path`, and the temporary file is removed).
int replaceFileAtomically(const std::string &path, std::string_view bytes);

// Whether `fileName` (no folder) is one of our temporary files.
bool isTemporaryFileName(std::string_view fileName);

// Removes our temporary files in `folder` that no running process will
// finish: those of a process id not running on this machine, and any older
// than a day (left by another machine sharing the folder).  Errors are
// ignored; a temporary file of this very process is left alone.
void removeStaleTemporaries(const std::string &folder);

// Reads a whole regular file of at most `maxBytes` bytes.  Checked before
// it is opened and opened without blocking, so a pipe, device or folder
// given by that name is refused rather than waited on.  On failure, nothing
// and `error` is the errno (EISDIR for a folder, EINVAL for another kind of
// file, EFBIG for a file over the limit).
std::optional<std::string> readRegularFile(const std::string &path, std::size_t maxBytes, int &error);

} // namespace velmora::frontend
