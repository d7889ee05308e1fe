// POSIX implementation of file stamps: device, inode, size and modification time from stat.
#include "model/FileStamp.h"

#include <sys/stat.h>

#include "model/platform/RegularFile.h"

namespace glintwick {

namespace {

CFileStamp StampOf(const struct stat& st) {
    return CFileStamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                      static_cast<uint64_t>(st.st_size),
                      static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace

CFileStamp StampOfOpenFile(const CFileDescriptor& file) {
    struct stat st {};
    return ::fstat(file.Get(), &st) == 0 ? StampOf(st) : CFileStamp{};
}

std::optional<CFileStamp> StampAt(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return StampOf(st);
}

}  // namespace glintwick
