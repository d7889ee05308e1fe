// Whole-file writes that never leave a half-written target.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "model/FileError.h"

namespace glintwick {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over
// `path`, keeping the old file's owner, group, mode and extended attributes. A file with other
// hard links, one whose owner, group or attributes the new file could not take, or one in a
// folder that allows no temporary file is overwritten in place instead, from content prepared in
// full. On any failure before the content is replaced the previous file is untouched, the
// temporary file is removed and CFileFailure is thrown. Failures to create the file carry the
// platform error's cause; later failures (write, flush, close, rename) carry
// `writeFailureCause` when given. With `followLinks`, a symbolic link at `path` is written
// through to its target; without, the link itself is replaced.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::optional<FailureCause> writeFailureCause = std::nullopt,
                         bool followLinks = true);

// True when `path` is an existing regular file that a save may replace: it has a write
// permission bit (a file with none counts as read-only even for the superuser) and this
// process may write it.
bool IsWritableFile(const std::string& path);

// The write call the atomic writes use; tests replace it to make writing fail at any point, as
// a full disk would. It returns what write(2) returns.
using WriteCall = ssize_t (*)(int fd, const void* data, size_t size);
WriteCall& FileWriteCall();

// Makes a write beyond the file-size limit fail with EFBIG, reported as a full disk, instead of
// killing the process with SIGXFSZ half-way through a save. Both programs call it at start.
void IgnoreFileSizeSignal();

}  // namespace glintwick
