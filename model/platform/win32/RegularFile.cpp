// Windows implementation of the regular-file reads: wide paths, deny-write sharing.
#include "model/platform/RegularFile.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>

#include "model/platform/win32/Win32Files.h"

namespace glintwick {

// The descriptor is the C runtime's, over the system's handle, so the standard streams can be
// opened over it; closing it closes the handle.
CFileDescriptor::~CFileDescriptor() {
    if (m_fd >= 0) ::_close(m_fd);
}

namespace {

// A file on a disk that is no folder: not a device, a pipe or a console.
bool IsDiskFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool IsRegularFile(const std::string& path) {
    const CHandle file(::CreateFileW(WidePath(path).c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.IsOpen() && IsDiskFile(file.Get());
}

CFileDescriptor OpenRegularFile(const std::string& path, uint64_t& size) {
    // Other programs may read the file meanwhile but not write it. A folder cannot be opened
    // this way and is refused as access denied, like a device or a pipe below.
    CHandle file(::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                               nullptr));
    if (!file.IsOpen()) FailWithLastError(path);
    if (!IsDiskFile(file.Get())) throw CFileFailure(FailureCause::AccessDenied, path);
    LARGE_INTEGER length{};
    if (!::GetFileSizeEx(file.Get(), &length)) FailWithLastError(path);
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file.Get()), _O_RDONLY | _O_BINARY);
    if (fd < 0) throw CFileFailure(FailureCause::TooManyOpenFiles, path);
    file.Release();
    size = static_cast<uint64_t>(length.QuadPart);
    return CFileDescriptor(fd);
}

size_t ReadFromFile(const CFileDescriptor& file, char* out, size_t count, const std::string& path) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file.Get()));
    // One call reads at most what a DWORD counts.
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(count, 1u << 30));
    DWORD read = 0;
    if (!::ReadFile(handle, out, chunk, &read, nullptr)) {
        // A file's end, or a pipe's once its writer closed it.
        if (::GetLastError() == ERROR_HANDLE_EOF || ::GetLastError() == ERROR_BROKEN_PIPE) return 0;
        FailWithLastError(path);
    }
    return read;
}

}  // namespace glintwick
