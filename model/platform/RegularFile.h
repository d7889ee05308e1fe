// Reading files that must be regular files: opened without blocking, read only as far as needed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace glintwick {

// Closes a descriptor on every path out of a scope.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd = -1) : m_fd(fd) {}
    ~CFileDescriptor();
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(other.Release()) {}
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// True when `path` names a regular file, through symbolic links.
bool IsRegularFile(const std::string& path);

// Opens `path` for reading without ever blocking on it: a FIFO, a device or a folder is
// refused with "Access to %1 was denied." before a byte is read. Other failures carry the
// platform error's cause. `size` receives the file's length.
CFileDescriptor OpenRegularFile(const std::string& path, uint64_t& size);

// Reads up to `count` bytes from an open file into `out`; 0 at its end. A failure throws
// CFileFailure with the platform error's cause, naming `path`.
size_t ReadFromFile(const CFileDescriptor& file, char* out, size_t count, const std::string& path);

// The whole of a small regular file; nothing when the file is missing, unreadable, not a
// regular file or longer than `limit` bytes.
std::optional<std::string> ReadSmallFile(const std::string& path, uint64_t limit);

}  // namespace glintwick
