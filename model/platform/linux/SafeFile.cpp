// POSIX implementation of the whole-file writes.
#include "model/platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>

#include "model/PathParts.h"
#include "model/platform/ErrnoCause.h"
#include "model/platform/RegularFile.h"
#include "model/platform/linux/FileAttributes.h"
#include "model/platform/linux/FileWriting.h"
#include "model/platform/linux/SaveSignals.h"
#include "model/platform/linux/TemporaryFile.h"

namespace glintwick {

namespace {

// As many links as the kernel follows in one path before it calls it a loop.
constexpr int kMostLinks = 40;

// The file a save through `path` writes: the end of its chain of symbolic links, which need
// not exist yet (a link that leads nowhere names the file to make, as editors save through
// it); a relative link is read from its own folder. Nothing for a chain that never ends.
std::optional<std::string> ResolveTarget(std::string path) {
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string to(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), to.data(), to.size());
        if (length <= 0 || static_cast<size_t>(length) >= to.size()) return path;
        to.resize(static_cast<size_t>(length));
        path = to.front() == '/' ? to : FolderPrefixOf(path) + to;
    }
    return std::nullopt;
}

[[noreturn]] void Fail(FailureCause cause, const std::string& shownPath) {
    throw CFileFailure(cause, shownPath);
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
// - a file with other hard links, one whose owner, group or attributes cannot be kept, one in
//   a folder that allows no temporary file (read-only, or sticky for another's file), or one
//   whose name cannot be replaced (a file bind-mounted over it): the file itself, overwritten
//   in place (see WriteInPlace);
// - a file that is not regular or has no write permission: refused.
// SIGTERM, SIGINT and SIGHUP during the save remove its temporary file before they end the
// process, and temporary files that ended saves left in the folder are removed first.
CFileStamp WriteFileAtomically(const std::string& requestedPath, std::string_view bytes,
                               std::optional<FailureCause> writeFailureCause, bool followLinks) {
    // No name at all (a script's unset variable) is no path to write to.
    if (requestedPath.empty()) Fail(FailureCause::BadPath, requestedPath);
    const std::string& shownPath = requestedPath;
    const std::optional<std::string> resolved =
        followLinks ? ResolveTarget(requestedPath) : requestedPath;
    if (!resolved) Fail(CauseFromErrno(ELOOP, requestedPath), shownPath);
    const std::string& target = *resolved;

    // An existing target must be a file a save may replace, as if it were opened for writing.
    // A link that is not followed is replaced itself.
    struct stat existing {};
    const bool targetExists = ::lstat(target.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode);
    if (targetExists && !IsWritableFile(target)) Fail(FailureCause::AccessDenied, shownPath);

    CSaveSignals signals;
    const std::string folder = FolderOf(target);
    RemoveAbandonedTemporaryFiles(folder);
    auto writeInPlace = [&] {
        return WriteInPlace(target, bytes, writeFailureCause, shownPath, signals);
    };
    if (targetExists && existing.st_nlink > 1) return writeInPlace();

    std::string tempName;
    signals.Hold();
    CFileDescriptor fd(CreateTemporaryFile(folder, tempName));
    signals.Release(fd.Get() >= 0 ? &tempName : nullptr);
    if (fd.Get() < 0) {
        const int err = errno;
        // A folder that takes no new file: read-only, sticky for another's file, or a kernel
        // folder that has only its own names (which writing in place then refuses).
        if (targetExists && (err == EACCES || err == EPERM || err == ENOENT)) return writeInPlace();
        Fail(CauseFromErrno(err, target), shownPath);
    }
    auto discard = [&] {
        ::unlink(tempName.c_str());
        signals.Release();
    };
    auto fail = [&](FailureCause cause) {
        discard();
        Fail(cause, shownPath);
    };
    // Writing, flushing and closing fail as writes; the caller may name their cause.
    auto writeFailed = [&](int err) {
        fail(writeFailureCause.value_or(CauseFromErrno(err, target)));
    };

    if (targetExists) {
        if (!TakeOverAttributes(target, existing, fd.Get())) {
            discard();
            return writeInPlace();
        }
    } else {
        // A new file gets the usual permissions.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.Get(), 0666 & ~mask) != 0) fail(CauseFromErrno(errno, target));
    }

    size_t written = 0;
    if (const int err = WriteAll(fd.Get(), bytes, written)) writeFailed(err);
    if (::fsync(fd.Get()) != 0) writeFailed(errno);
    // The renamed file keeps its inode, length and time of last write.
    const CFileStamp stamp = StampOfOpenFile(fd);
    if (::close(fd.Release()) != 0) writeFailed(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        const int err = errno;
        // The name cannot be replaced but the file may be written: a sticky folder lets only
        // the owner replace a file, and a file bind-mounted over the name (one file handed
        // into a container) is busy or on another file system.
        if (targetExists && (err == EACCES || err == EPERM || err == EBUSY || err == EXDEV)) {
            discard();
            return writeInPlace();
        }
        fail(CauseFromErrno(err, target));
    }
    signals.Release();

    // Make the rename itself durable; a failure here no longer endangers either file.
    CFileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() >= 0) ::fsync(folderFd.Get());
    return stamp;
}

}  // namespace glintwick
