// POSIX implementation of the whole-file writes.
#include "model/SafeFile.h"

#include "model/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

namespace glintwick {

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

}  // namespace

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

WriteCall& FileWriteCall() {
    static WriteCall call = &::write;
    return call;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWritableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0 &&
           ::access(path.c_str(), W_OK) == 0;
}

void WriteFileAtomically(const std::string& requestedPath, std::string_view bytes,
                         std::optional<FailureCause> writeFailureCause) {
    const std::string& shownPath = requestedPath;
    const std::string target = ResolveTarget(requestedPath);

    // An existing target must be a file a save may replace, as if it were opened for writing.
    struct stat existing {};
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    if (targetExists && !IsWritableFile(target))
        throw CFileFailure(FailureCause::AccessDenied, shownPath);

    std::string tempName = FolderOf(target) + "/." + FileNameOf(target) + ".XXXXXX";
    std::vector<char> tempPath(tempName.begin(), tempName.end());
    tempPath.push_back('\0');
    CFileDescriptor fd(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (fd.Get() < 0) throw CFileFailure(CauseFromErrno(errno, target), shownPath);

    auto fail = [&](int err) {
        ::unlink(tempPath.data());
        throw CFileFailure(writeFailureCause.value_or(CauseFromErrno(err, target)), shownPath);
    };

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    mode_t mode = 0666;
    if (targetExists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(fd.Get(), mode) != 0) fail(errno);

    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = FileWriteCall()(fd.Get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd.Get()) != 0) fail(errno);
    if (::close(fd.Release()) != 0) fail(errno);
    if (::rename(tempPath.data(), target.c_str()) != 0) fail(errno);

    // Make the rename itself durable; a failure here no longer endangers either file.
    CFileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace glintwick
