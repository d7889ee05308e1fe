// Whole-file writes that never leave a half-written target.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileError.h"
#include "model/FileStamp.h"

namespace glintwick {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over
// `path`, keeping the old file's owner, group, mode and extended attributes. A file with other
// hard links, one whose owner, group or attributes the new file could not take, one in a
// folder that allows no temporary file or one whose name cannot be replaced (a bind mount) is
// overwritten in place instead, from content prepared in full, with other savers of this
// program held off and the old content put back if writing fails. On any failure the previous
// file is as it was, the temporary file is removed and CFileFailure is thrown; a signal that
// ends the program during the save removes the temporary file first. Failures to create the
// file carry the platform error's cause; failures to write, flush or close carry
// `writeFailureCause` when given. With `followLinks`, a symbolic link at `path` is written
// through to the end of its chain, made when it does not exist yet; a chain that never ends is
// a bad path. Without, the link itself is replaced. Returns the stamp of the file as written.
CFileStamp WriteFileAtomically(const std::string& path, std::string_view bytes,
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

// Removes the temporary files that saves ended without removing (a killed or crashed program)
// from the folders of `files`. The window program calls it at start with the recent files.
void RemoveAbandonedSaves(const std::vector<std::string>& files);

}  // namespace glintwick
