// Helpers of the Windows implementations: wide paths, owned handles and the error table.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "model/FileError.h"

namespace glintwick {

// A path as the system's wide calls take it. From kLongPathFrom characters on it takes the long
// form (\\?\C:\... or \\?\UNC\server\...), which every call accepts up to 32,767 characters
// whether or not the system has long paths turned on; below it stays as written, so names that
// the long form would take literally (CON, a trailing dot) mean what they always did.
// kLongPathFrom leaves room below the old 260 for the names a save adds beside a file.
inline constexpr size_t kLongPathFrom = 200;
std::wstring WidePath(const std::string& path);
// The wide characters of a path, as written.
std::wstring WideText(const std::string& path);
// A path from a wide call, in the form a user writes: without the long form's prefix.
std::string PathFromWide(std::wstring_view name);

// The cause of a Win32 error code in the file-error table; every code has one, "any other
// error" for the codes no row names.
FailureCause CauseFromWin32Error(DWORD error);

// Throws CFileFailure with the cause of GetLastError(), naming `shownPath`.
[[noreturn]] void FailWithLastError(const std::string& shownPath);

// Closes a handle on every path out of a scope.
class CHandle {
public:
    explicit CHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    ~CHandle() {
        if (IsOpen()) ::CloseHandle(m_handle);
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_handle(other.Release()) {}
    CHandle& operator=(CHandle&& other) noexcept {
        CHandle old(std::exchange(m_handle, other.Release()));
        return *this;
    }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE Get() const { return m_handle; }
    HANDLE Release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_handle;
};

// What GetFileInformationByHandle tells of the file at `path`, opened without any access (so
// no sharing mode of another program stands in the way), through links; false when it cannot
// be opened.
bool FileInformation(const std::string& path, BY_HANDLE_FILE_INFORMATION& info);

}  // namespace glintwick
