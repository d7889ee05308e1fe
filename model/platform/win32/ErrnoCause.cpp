// The causes of the C runtime's error numbers, for the few failures the runtime reports.
#include "model/platform/ErrnoCause.h"

#include <cerrno>

namespace glintwick {

namespace {

struct ErrnoRow {
    int err;
    FailureCause cause;
};

// The runtime turns the system's errors into these numbers; the system's own errors are
// mapped exactly where a call reports them (Win32Files.cpp).
constexpr ErrnoRow kErrnoTable[] = {
    {ENOENT, FailureCause::FileNotFound},     {ENOTDIR, FailureCause::BadPath},
    {ENAMETOOLONG, FailureCause::BadPath},    {EINVAL, FailureCause::BadPath},
    {EMFILE, FailureCause::TooManyOpenFiles}, {ENFILE, FailureCause::TooManyOpenFiles},
    {EACCES, FailureCause::AccessDenied},     {EPERM, FailureCause::AccessDenied},
    {EROFS, FailureCause::AccessDenied},      {EISDIR, FailureCause::AccessDenied},
    {EEXIST, FailureCause::AccessDenied},     {EBADF, FailureCause::InvalidFile},
    {ESPIPE, FailureCause::BadSeek},          {EIO, FailureCause::HardIO},
    {EBUSY, FailureCause::SharingViolation},  {EDEADLK, FailureCause::LockViolation},
    {ENOLCK, FailureCause::LockViolation},    {ENOSPC, FailureCause::DiskFull},
    {EFBIG, FailureCause::DiskFull},
};

}  // namespace

FailureCause CauseFromErrno(int err, const std::string&) {
    for (const ErrnoRow& row : kErrnoTable)
        if (row.err == err) return row.cause;
    return FailureCause::Generic;
}

}  // namespace glintwick
