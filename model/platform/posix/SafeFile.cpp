// POSIX implementation of the whole-file writes.
#include "model/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

#include "model/PathParts.h"
#include "model/RegularFile.h"
#include "model/platform/posix/FileAttributes.h"

namespace glintwick {

namespace {

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

// The template of the temporary file beside the target. Short, so that a target whose name is
// as long as the file system allows still has a sibling.
constexpr const char* kTemporaryName = "/.glintwick-XXXXXX";

[[noreturn]] void Fail(FailureCause cause, const std::string& shownPath) {
    throw CFileFailure(cause, shownPath);
}

// Writes all of `bytes` through the replaceable write call; the errno of a failure otherwise.
int WriteAll(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = FileWriteCall()(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        written += static_cast<size_t>(n);
    }
    return 0;
}

// Overwrites the existing regular file `target` with `bytes` (prepared complete beforehand):
// room for the new length is taken first, so that a full disk or a file-size limit stops the
// save before the old content is touched; then the bytes, the new length and a sync.
void WriteInPlace(const std::string& target, std::string_view bytes,
                  const std::optional<FailureCause>& writeFailureCause,
                  const std::string& shownPath) {
    CFileDescriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) Fail(CauseFromErrno(errno, target), shownPath);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) Fail(CauseFromErrno(errno, target), shownPath);
    if (!S_ISREG(st.st_mode)) Fail(FailureCause::AccessDenied, shownPath);
    auto fail = [&](int err) {
        Fail(writeFailureCause.value_or(CauseFromErrno(err, target)), shownPath);
    };
    const off_t length = static_cast<off_t>(bytes.size());
    if (length > st.st_size && ::fallocate(fd.Get(), 0, 0, length) != 0 && errno != EOPNOTSUPP)
        fail(errno);
    if (const int err = WriteAll(fd.Get(), bytes)) fail(err);
    if (::ftruncate(fd.Get(), length) != 0) fail(errno);
    if (::fsync(fd.Get()) != 0) fail(errno);
    if (::close(fd.Release()) != 0) fail(errno);
}

}  // namespace

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

WriteCall& FileWriteCall() {
    static WriteCall call = &::write;
    return call;
}

bool IsWritableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0 &&
           ::access(path.c_str(), W_OK) == 0;
}

// How a save replaces a file, decided as GLib's file replacement and careful editors do:
// - a new file, or one whose owner, group, mode and extended attributes the new one can take
//   over: a temporary file beside it, written, synced and renamed over it;
// - a file with other hard links, one whose owner, group or attributes cannot be kept, or one
//   in a folder that allows no temporary file (read-only, or sticky for another's file): the
//   file itself, overwritten in place with content prepared in full beforehand;
// - a file that is not regular or has no write permission: refused.
void WriteFileAtomically(const std::string& requestedPath, std::string_view bytes,
                         std::optional<FailureCause> writeFailureCause, bool followLinks) {
    // No name at all (a script's unset variable) is no path to write to.
    if (requestedPath.empty()) Fail(FailureCause::BadPath, requestedPath);
    const std::string& shownPath = requestedPath;
    const std::string target = followLinks ? ResolveTarget(requestedPath) : requestedPath;

    // An existing target must be a file a save may replace, as if it were opened for writing.
    // A link that is not followed is replaced itself.
    struct stat existing {};
    const bool targetExists = (followLinks ? ::stat(target.c_str(), &existing)
                                           : ::lstat(target.c_str(), &existing)) == 0 &&
                              !S_ISLNK(existing.st_mode);
    if (targetExists && !IsWritableFile(target)) Fail(FailureCause::AccessDenied, shownPath);
    if (targetExists && existing.st_nlink > 1)
        return WriteInPlace(target, bytes, writeFailureCause, shownPath);

    std::string tempName = FolderOf(target) + kTemporaryName;
    CFileDescriptor fd(::mkostemp(tempName.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        const int err = errno;
        if (targetExists && (err == EACCES || err == EPERM))
            return WriteInPlace(target, bytes, writeFailureCause, shownPath);
        Fail(CauseFromErrno(err, target), shownPath);
    }
    auto discard = [&] { ::unlink(tempName.c_str()); };
    auto fail = [&](int err) {
        discard();
        Fail(writeFailureCause.value_or(CauseFromErrno(err, target)), shownPath);
    };

    if (targetExists) {
        if (!TakeOverAttributes(target, existing, fd.Get())) {
            discard();
            return WriteInPlace(target, bytes, writeFailureCause, shownPath);
        }
    } else {
        // A new file gets the usual permissions.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.Get(), 0666 & ~mask) != 0) fail(errno);
    }

    if (const int err = WriteAll(fd.Get(), bytes)) fail(err);
    if (::fsync(fd.Get()) != 0) fail(errno);
    if (::close(fd.Release()) != 0) fail(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        const int err = errno;
        // A sticky folder lets nobody but the owner replace a file; the owner's file then
        // takes the new content itself.
        if (targetExists && (err == EACCES || err == EPERM)) {
            discard();
            return WriteInPlace(target, bytes, writeFailureCause, shownPath);
        }
        fail(err);
    }

    // Make the rename itself durable; a failure here no longer endangers either file.
    CFileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace glintwick
