// Writing a save's bytes into open files: all of them, and over an existing file in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/FileError.h"
#include "model/FileStamp.h"

namespace glintwick {

class CSaveSignals;

// Writes all of `bytes` at the descriptor's offset through the replaceable write call and
// counts in `written` what got there; 0, or the errno of the failure.
int WriteAll(int fd, std::string_view bytes, size_t& written);

// Overwrites the existing regular file `target` with `bytes` (prepared complete beforehand) as
// the same file, so that its other names, owner and attributes stay. Other savers of this
// program are held off for the whole write; the old bytes it overwrites are read first, room
// for the new content is taken, and if anything fails once the first byte is written, the old
// bytes and length are put back before CFileFailure is thrown (with `writeFailureCause` when
// given). A terminating signal waits until the file is whole again, either old or new. A file
// that reads back other than its length says (a kernel file) is refused as no file. Returns the
// stamp of the file as written.
CFileStamp WriteInPlace(const std::string& target, std::string_view bytes,
                        const std::optional<FailureCause>& writeFailureCause,
                        const std::string& shownPath, CSaveSignals& signals);

}  // namespace glintwick
