// What identifies one state of a file on disk: which file it is, its length and its last write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace glintwick {

class CFileDescriptor;

// Another program that writes the file changes its length or its time of last write; one that
// replaces it (as saves do, through a new file renamed over it) changes which file it is.
struct CFileStamp {
    uint64_t volume = 0;   // the device or volume the file lies on
    uint64_t fileId = 0;   // its inode or file index there
    uint64_t size = 0;     // bytes
    int64_t modified = 0;  // time of last write, in the platform's finest unit
    bool operator==(const CFileStamp&) const = default;
};

// The stamp of an open file. A file whose status cannot be read gets a stamp that matches no
// file, so that a later check asks rather than misses a change.
CFileStamp StampOfOpenFile(const CFileDescriptor& file);

// The stamp of the file at `path` now, through links; nothing when no file can be found there.
std::optional<CFileStamp> StampAt(const std::string& path);

}  // namespace glintwick
