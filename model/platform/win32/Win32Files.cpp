// Wide paths, the Win32 error table and file information for the Windows implementations.
#include "model/platform/win32/Win32Files.h"

#include <algorithm>
#include <iterator>

#include "model/Utf16Path.h"

namespace glintwick {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongNetworkPrefix = L"\\\\?\\UNC\\";

bool StartsWith(std::wstring_view text, std::wstring_view start) {
    return text.substr(0, start.size()) == start;
}

std::wstring LongPathForm(const std::wstring& path) {
    if (path.size() < kLongPathFrom || StartsWith(path, kLongPrefix) ||
        StartsWith(path, L"\\\\.\\"))
        return path;
    // The long form is taken as it stands, so it is made whole first: a full path, its dots
    // resolved and its slashes turned round.
    std::wstring full(path.size() + MAX_PATH, L'\0');
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return path;
    full.resize(length);
    if (StartsWith(full, L"\\\\")) return std::wstring(kLongNetworkPrefix) + full.substr(2);
    if (full.size() >= 3 && full[1] == L':') return std::wstring(kLongPrefix) + full;
    return path;
}

}  // namespace

std::wstring WideText(const std::string& path) {
    const std::u16string wide = PathToUtf16(path);
    return std::wstring(wide.begin(), wide.end());
}

std::wstring WidePath(const std::string& path) { return LongPathForm(WideText(path)); }

std::string PathFromWide(std::wstring_view name) {
    if (StartsWith(name, kLongNetworkPrefix))
        return "\\\\" + PathFromWide(name.substr(kLongNetworkPrefix.size()));
    if (StartsWith(name, kLongPrefix) && name.size() >= kLongPrefix.size() + 3 &&
        name[kLongPrefix.size() + 1] == L':')
        name.remove_prefix(kLongPrefix.size());
    return PathFromUtf16(std::u16string(name.begin(), name.end()));
}

namespace {

// Newer than the compiler's headers.
constexpr DWORD kErrorDiskQuotaExceeded = 1295;

struct ErrorRow {
    DWORD error;
    FailureCause cause;
};

// The system's file errors by the table's causes. Errors of the network, of devices and of the
// newer calls are put with the cause a user can act on.
constexpr ErrorRow kErrorTable[] = {
    {ERROR_FILE_NOT_FOUND, FailureCause::FileNotFound},
    {ERROR_NO_MORE_FILES, FailureCause::FileNotFound},
    {ERROR_DISK_CHANGE, FailureCause::FileNotFound},
    {ERROR_PATH_NOT_FOUND, FailureCause::BadPath},
    {ERROR_INVALID_DRIVE, FailureCause::BadPath},
    {ERROR_NOT_SAME_DEVICE, FailureCause::BadPath},
    {ERROR_DUP_NAME, FailureCause::BadPath},
    {ERROR_BAD_NETPATH, FailureCause::BadPath},
    {ERROR_DEV_NOT_EXIST, FailureCause::BadPath},
    {ERROR_BAD_NET_NAME, FailureCause::BadPath},
    {ERROR_SHARING_PAUSED, FailureCause::BadPath},
    {ERROR_ALREADY_ASSIGNED, FailureCause::BadPath},
    {ERROR_BUFFER_OVERFLOW, FailureCause::BadPath},
    {ERROR_INVALID_NAME, FailureCause::BadPath},
    {ERROR_INVALID_LEVEL, FailureCause::BadPath},
    {ERROR_NO_VOLUME_LABEL, FailureCause::BadPath},
    {ERROR_DIR_NOT_ROOT, FailureCause::BadPath},
    {ERROR_LABEL_TOO_LONG, FailureCause::BadPath},
    {ERROR_BAD_PATHNAME, FailureCause::BadPath},
    {ERROR_FILENAME_EXCED_RANGE, FailureCause::BadPath},
    {ERROR_META_EXPANSION_TOO_LONG, FailureCause::BadPath},
    {ERROR_DIRECTORY, FailureCause::BadPath},
    {ERROR_CANT_RESOLVE_FILENAME, FailureCause::BadPath},
    {ERROR_TOO_MANY_OPEN_FILES, FailureCause::TooManyOpenFiles},
    {ERROR_SHARING_BUFFER_EXCEEDED, FailureCause::TooManyOpenFiles},
    {ERROR_TOO_MANY_NAMES, FailureCause::TooManyOpenFiles},
    {ERROR_NO_MORE_SEARCH_HANDLES, FailureCause::TooManyOpenFiles},
    {ERROR_ACCESS_DENIED, FailureCause::AccessDenied},
    {ERROR_INVALID_ACCESS, FailureCause::AccessDenied},
    {ERROR_CURRENT_DIRECTORY, FailureCause::AccessDenied},
    {ERROR_WRITE_PROTECT, FailureCause::AccessDenied},
    {ERROR_WRITE_FAULT, FailureCause::AccessDenied},
    {ERROR_NETWORK_BUSY, FailureCause::AccessDenied},
    {ERROR_BAD_NET_RESP, FailureCause::AccessDenied},
    {ERROR_NETNAME_DELETED, FailureCause::AccessDenied},
    {ERROR_NETWORK_ACCESS_DENIED, FailureCause::AccessDenied},
    {ERROR_REQ_NOT_ACCEP, FailureCause::AccessDenied},
    {ERROR_FILE_EXISTS, FailureCause::AccessDenied},
    {ERROR_INVALID_PASSWORD, FailureCause::AccessDenied},
    {ERROR_BUSY, FailureCause::AccessDenied},
    {ERROR_ALREADY_EXISTS, FailureCause::AccessDenied},
    {ERROR_SWAPERROR, FailureCause::AccessDenied},
    {ERROR_UNABLE_TO_MOVE_REPLACEMENT, FailureCause::AccessDenied},
    {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, FailureCause::AccessDenied},
    {ERROR_PRIVILEGE_NOT_HELD, FailureCause::AccessDenied},
    {ERROR_INVALID_HANDLE, FailureCause::InvalidFile},
    {ERROR_BAD_FORMAT, FailureCause::InvalidFile},
    {ERROR_NOT_DOS_DISK, FailureCause::InvalidFile},
    {ERROR_BAD_REM_ADAP, FailureCause::InvalidFile},
    {ERROR_BAD_DEV_TYPE, FailureCause::InvalidFile},
    {ERROR_INVALID_TARGET_HANDLE, FailureCause::InvalidFile},
    {ERROR_INVALID_ORDINAL, FailureCause::InvalidFile},
    {ERROR_INVALID_EXE_SIGNATURE, FailureCause::InvalidFile},
    {ERROR_BAD_EXE_FORMAT, FailureCause::InvalidFile},
    {ERROR_NO_SPOOL_SPACE, FailureCause::DirectoryFull},
    {ERROR_CANNOT_MAKE, FailureCause::DirectoryFull},
    {ERROR_BAD_LENGTH, FailureCause::BadSeek},
    {ERROR_SEEK, FailureCause::BadSeek},
    {ERROR_SECTOR_NOT_FOUND, FailureCause::BadSeek},
    {ERROR_READ_FAULT, FailureCause::BadSeek},
    {ERROR_WRONG_DISK, FailureCause::BadSeek},
    {ERROR_NEGATIVE_SEEK, FailureCause::BadSeek},
    {ERROR_SEEK_ON_DEVICE, FailureCause::BadSeek},
    {ERROR_BAD_UNIT, FailureCause::HardIO},
    {ERROR_NOT_READY, FailureCause::HardIO},
    {ERROR_BAD_COMMAND, FailureCause::HardIO},
    {ERROR_CRC, FailureCause::HardIO},
    {ERROR_ADAP_HDW_ERR, FailureCause::HardIO},
    {ERROR_UNEXP_NET_ERR, FailureCause::HardIO},
    {ERROR_NET_WRITE_FAULT, FailureCause::HardIO},
    {ERROR_INVALID_CATEGORY, FailureCause::HardIO},
    {ERROR_OPERATION_ABORTED, FailureCause::HardIO},
    {ERROR_IO_INCOMPLETE, FailureCause::HardIO},
    {ERROR_IO_PENDING, FailureCause::HardIO},
    {ERROR_IO_DEVICE, FailureCause::HardIO},
    {ERROR_SHARING_VIOLATION, FailureCause::SharingViolation},
    {ERROR_UNABLE_TO_REMOVE_REPLACED, FailureCause::SharingViolation},
    {ERROR_USER_MAPPED_FILE, FailureCause::SharingViolation},
    {ERROR_LOCK_VIOLATION, FailureCause::LockViolation},
    {ERROR_DRIVE_LOCKED, FailureCause::LockViolation},
    {ERROR_LOCK_FAILED, FailureCause::LockViolation},
    {ERROR_HANDLE_DISK_FULL, FailureCause::DiskFull},
    {ERROR_DISK_FULL, FailureCause::DiskFull},
    {ERROR_FILE_TOO_LARGE, FailureCause::DiskFull},
    {kErrorDiskQuotaExceeded, FailureCause::DiskFull},
    {ERROR_HANDLE_EOF, FailureCause::EndOfFile},
};

}  // namespace

FailureCause CauseFromWin32Error(DWORD error) {
    const auto row = std::find_if(std::begin(kErrorTable), std::end(kErrorTable),
                                  [error](const ErrorRow& r) { return r.error == error; });
    return row == std::end(kErrorTable) ? FailureCause::Generic : row->cause;
}

void FailWithLastError(const std::string& shownPath) {
    throw CFileFailure(CauseFromWin32Error(::GetLastError()), shownPath);
}

bool FileInformation(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const CHandle file(::CreateFileW(WidePath(path).c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.IsOpen() && ::GetFileInformationByHandle(file.Get(), &info);
}

}  // namespace glintwick
