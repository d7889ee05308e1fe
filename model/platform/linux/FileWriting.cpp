// Writing whole contents into files, and overwriting a file in place without losing it.
#include "model/platform/linux/FileWriting.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "model/platform/ErrnoCause.h"
#include "model/platform/RegularFile.h"
#include "model/platform/SafeFile.h"
#include "model/platform/linux/SaveSignals.h"

namespace glintwick {

namespace {

// Savers of this program hold the lock for a moment; one held longer is another program's.
constexpr auto kLockPatience = std::chrono::seconds(30);

[[noreturn]] void Fail(FailureCause cause, const std::string& shownPath) {
    throw CFileFailure(cause, shownPath);
}

// Waits for the exclusive lock that every in-place save takes. flock rather than a fcntl
// lock: it belongs to this open file, so no other descriptor of the process on the same file
// (a load of it, say) drops it on closing as it would a classic fcntl lock; it is the lock
// flock(1) takes, so a script can hold saves off while it works on the file; and Linux carries
// it over NFS as a lock of the whole file. A file system that keeps no locks still saves.
void LockForSaving(int fd, const std::string& shownPath) {
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return;
        if (std::chrono::steady_clock::now() > giveUp) Fail(FailureCause::LockViolation, shownPath);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// The first `count` bytes of the file whose status claims `size` bytes: what a failed save
// puts back. Reading them all, the file must end there too: a kernel file (/proc/self/comm
// claims none, a sysfs file a page) is no file to keep. The cause of a failure otherwise.
std::optional<FailureCause> ReadOldContent(int fd, off_t size, size_t count, std::string& old,
                                           const std::string& target) {
    old.resize(count);
    const bool whole = count == static_cast<size_t>(size);
    size_t got = 0;
    char beyond = 0;
    for (;;) {
        const bool atEnd = got == count;
        if (atEnd && !whole) return std::nullopt;
        const ssize_t n = atEnd
                              ? ::pread(fd, &beyond, 1, static_cast<off_t>(got))
                              : ::pread(fd, old.data() + got, count - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return CauseFromErrno(errno, target);
        if (atEnd) return n == 0 ? std::nullopt : std::optional(FailureCause::AccessDenied);
        if (n == 0) return FailureCause::AccessDenied;
        got += static_cast<size_t>(n);
    }
}

// Puts the first `count` old bytes and the old `length` back, and syncs. The plain call, not
// the replaceable one: these bytes were in the file a moment ago, so they fit where the new
// ones did not (a file-size limit stopped those past the old ones). A failure here leaves
// nothing more to try; the first failure is the one reported.
void PutBack(int fd, const std::string& old, size_t count, off_t length) {
    for (size_t at = 0; at < count;) {
        const ssize_t n = ::pwrite(fd, old.data() + at, count - at, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        at += static_cast<size_t>(n);
    }
    if (::ftruncate(fd, length) == 0) ::fsync(fd);
}

}  // namespace

int WriteAll(int fd, std::string_view bytes, size_t& written) {
    written = 0;
    while (written < bytes.size()) {
        const ssize_t n = FileWriteCall()(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        written += static_cast<size_t>(n);
    }
    return 0;
}

CFileStamp WriteInPlace(const std::string& target, std::string_view bytes,
                        const std::optional<FailureCause>& writeFailureCause,
                        const std::string& shownPath, CSaveSignals& signals) {
    CFileDescriptor fd(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) Fail(CauseFromErrno(errno, target), shownPath);
    LockForSaving(fd.Get(), shownPath);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) Fail(CauseFromErrno(errno, target), shownPath);
    if (!S_ISREG(st.st_mode)) Fail(FailureCause::AccessDenied, shownPath);
    // Kept: the old bytes the new ones overwrite, which is all of them when the new content
    // is as long or longer; so no more memory than twice the new content.
    const off_t length = static_cast<off_t>(bytes.size());
    std::string old;
    if (const auto cause = ReadOldContent(
            fd.Get(), st.st_size, static_cast<size_t>(std::min(length, st.st_size)), old, target))
        Fail(*cause, shownPath);
    auto fail = [&](int err) {
        Fail(writeFailureCause.value_or(CauseFromErrno(err, target)), shownPath);
    };

    // Room first, beyond the old length too (without changing it), so that a full disk stops
    // the save here where it can; a sparse or copy-on-write file can still run out later.
    if (length > 0 && ::fallocate(fd.Get(), FALLOC_FL_KEEP_SIZE, 0, length) != 0 &&
        errno != EOPNOTSUPP)
        fail(errno);

    // The new bytes, synced, before a shorter content drops the old tail: until then every
    // failure can put the old content back whole. Once the tail is dropped the file holds the
    // whole new content, and only the sync of its length can still fail.
    signals.Hold();
    size_t written = 0;
    int err = WriteAll(fd.Get(), bytes, written);
    if (err == 0 && ::fsync(fd.Get()) != 0) err = errno;
    if (err == 0 && length < st.st_size && ::ftruncate(fd.Get(), length) != 0) err = errno;
    if (err != 0) PutBack(fd.Get(), old, std::min(written, old.size()), st.st_size);
    if (err == 0 && length < st.st_size && ::fsync(fd.Get()) != 0) err = errno;
    signals.Release();
    if (err != 0) fail(err);
    const CFileStamp stamp = StampOfOpenFile(fd);
    // Closing also lets the next saver in.
    if (::close(fd.Release()) != 0) fail(errno);
    return stamp;
}

}  // namespace glintwick
