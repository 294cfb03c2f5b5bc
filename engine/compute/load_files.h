// Saved truckload files: the image of load_image.h written to and read from
// a file.
#pragma once

#include "dravlen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dravlen {

// Replaces the file at `path` by exactly `length` bytes: they are written
// to a new file in the same folder, flushed to disk and renamed over the
// target, so a failed write leaves the previous file as it was.  A target
// that exists but may not be written (read-only) is refused.  False on any
// failure (the temporary file is removed), with the reason in *why when
// why is not null.
bool ReplaceFileAtomically(const char *path, const uint8_t *data, std::size_t length,
                           DravlenLoadFailure *why = nullptr);

// Reads the whole file; false when it cannot be opened or read, or is not
// a regular file, with the reason in *why when why is not null.
bool ReadWholeFile(const char *path, std::vector<uint8_t> &out, DravlenLoadFailure *why = nullptr);

// The reason matching a system error number.
DravlenLoadFailure FailureFromErrno(int error);

// The name a truckload takes from its file: the path after its last "/" or
// "\" (files named on Windows keep working), cut at its last ".".
std::string LoadNameFromPath(const char *path);

} // namespace dravlen
