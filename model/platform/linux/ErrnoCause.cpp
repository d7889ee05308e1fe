// The causes of POSIX error numbers.
#include "model/platform/ErrnoCause.h"

#include <sys/stat.h>

#include <cerrno>

#include "model/PathParts.h"

namespace glintwick {

namespace {

bool ParentFolderExists(const std::string& path) {
    const std::string folder = FolderOf(path);
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FailureCause CauseFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT:
            return ParentFolderExists(path) ? FailureCause::FileNotFound : FailureCause::BadPath;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP: return FailureCause::BadPath;
        case EMFILE:
        case ENFILE: return FailureCause::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST:
        // What is no file: a socket, a device without its driver.
        case ENXIO:
        case ENODEV: return FailureCause::AccessDenied;
        case EBADF: return FailureCause::InvalidFile;
        case EMLINK: return FailureCause::DirectoryFull;
        case ESPIPE: return FailureCause::BadSeek;
        case EIO: return FailureCause::HardIO;
        case ETXTBSY:
        case EBUSY:
        // Another program holds a lease on the file (a file server's lock, say).
        case EWOULDBLOCK: return FailureCause::SharingViolation;
        case ENOLCK:
        case EDEADLK: return FailureCause::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return FailureCause::DiskFull;
        default: return FailureCause::Generic;
    }
}

}  // namespace glintwick
