// POSIX implementation of the regular-file reads.
#include "model/platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/FileError.h"
#include "model/platform/ErrnoCause.h"

namespace glintwick {

CFileDescriptor::~CFileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

CFileDescriptor OpenRegularFile(const std::string& path, uint64_t& size) {
    // No name at all (a script's unset variable) is no path to read.
    if (path.empty()) throw CFileFailure(FailureCause::BadPath, path);
    // O_NONBLOCK: opening a FIFO without a writer, or a device, must not wait for anything.
    CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) throw CFileFailure(CauseFromErrno(errno, path), path);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) throw CFileFailure(CauseFromErrno(errno, path), path);
    if (!S_ISREG(st.st_mode)) throw CFileFailure(FailureCause::AccessDenied, path);
    // A regular file never blocks; reads go back to plain blocking ones.
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    size = static_cast<uint64_t>(st.st_size);
    return fd;
}

size_t ReadFromFile(const CFileDescriptor& file, char* out, size_t count, const std::string& path) {
    for (;;) {
        const ssize_t n = ::read(file.Get(), out, count);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) throw CFileFailure(CauseFromErrno(errno, path), path);
    }
}

}  // namespace glintwick
