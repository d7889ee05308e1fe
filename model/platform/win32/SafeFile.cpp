// Windows implementation of the whole-file writes: exclusive sharing, then an atomic replace.
#include "model/platform/SafeFile.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdint>
#include <random>

#include "model/platform/ErrnoCause.h"
#include "model/platform/FileSystem.h"
#include "model/platform/RegularFile.h"
#include "model/platform/win32/Win32Files.h"

namespace glintwick {

namespace {

[[noreturn]] void Fail(FailureCause cause, const std::string& shownPath) {
    throw CFileFailure(cause, shownPath);
}

// The write call's own: one WriteFile on the descriptor's handle, the error left for
// GetLastError.
ssize_t WriteToHandle(int fd, const void* data, size_t size) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    if (!::WriteFile(handle, data, chunk, &written, nullptr)) return -1;
    return static_cast<ssize_t>(written);
}

// The cause of a failed write call: the system's error when it left one, else the C
// runtime's error number (a replacement write call in the tests sets only that).
FailureCause WriteFailureCause(const std::string& target) {
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? CauseFromWin32Error(error) : CauseFromErrno(errno, target);
}

// Writes all of `bytes` to `fd` through the replaceable write call; the cause otherwise.
std::optional<FailureCause> WriteAll(int fd, std::string_view bytes, const std::string& target) {
    size_t written = 0;
    while (written < bytes.size()) {
        ::SetLastError(ERROR_SUCCESS);
        errno = 0;
        const ssize_t n = FileWriteCall()(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) return WriteFailureCause(target);
        if (n == 0) return FailureCause::HardIO;
        written += static_cast<size_t>(n);
    }
    return std::nullopt;
}

HANDLE HandleOf(const CFileDescriptor& fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd.Get()));
}

// A descriptor over an open handle, for the write call; it owns the handle from then on. An
// invalid descriptor when the runtime has no room for one (the handle stays with `file`).
CFileDescriptor DescriptorOf(CHandle& file) {
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file.Get()), _O_WRONLY | _O_BINARY);
    if (fd >= 0) file.Release();
    return CFileDescriptor(fd);
}

// Writes `bytes` through the write call from the file's current place, ends the file there
// and flushes it; the cause of a failure otherwise. The descriptor takes the handle over and
// closes it.
std::optional<FailureCause> WriteEndAndFlush(CHandle& file, std::string_view bytes,
                                             const std::string& shownPath) {
    const CFileDescriptor fd = DescriptorOf(file);
    if (fd.Get() < 0) return FailureCause::TooManyOpenFiles;
    if (auto cause = WriteAll(fd.Get(), bytes, shownPath)) return cause;
    if (!::SetEndOfFile(HandleOf(fd)) || !::FlushFileBuffers(HandleOf(fd)))
        return CauseFromWin32Error(::GetLastError());
    return std::nullopt;
}

// Where a save writes: a followed link's final target, or the path itself.
std::wstring TargetOf(const std::wstring& path, bool followLinks) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (!followLinks || attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return path;
    const CHandle file(::CreateFileW(path.c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    std::wstring final(32768, L'\0');
    const DWORD length = file.IsOpen()
                             ? ::GetFinalPathNameByHandleW(file.Get(), final.data(),
                                                           static_cast<DWORD>(final.size()), 0)
                             : 0;
    if (length == 0 || length >= final.size()) return path;
    final.resize(length);
    return final;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// Reads the first `count` bytes of the file into `old`; the cause of a failure otherwise. A
// file that ends before them is no file to keep.
std::optional<FailureCause> ReadOldContent(HANDLE file, size_t count, std::string& old) {
    old.resize(count);
    for (size_t got = 0; got < count;) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(got);
        at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(got) >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(count - got, 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(file, old.data() + got, chunk, &n, &at))
            return CauseFromWin32Error(::GetLastError());
        if (n == 0) return FailureCause::AccessDenied;
        got += n;
    }
    return std::nullopt;
}

// Takes room on the disk for `size` bytes without changing the file's length, so that a full
// disk stops the save before the old content is touched. A system or file system that cannot
// (Wine, some network shares) saves without: the old bytes are put back if the disk fills.
std::optional<FailureCause> TakeRoom(HANDLE file, LONGLONG size) {
    FILE_ALLOCATION_INFO room{};
    room.AllocationSize.QuadPart = size;
    if (::SetFileInformationByHandle(file, FileAllocationInfo, &room, sizeof room))
        return std::nullopt;
    switch (const DWORD error = ::GetLastError()) {
        case ERROR_CALL_NOT_IMPLEMENTED:
        case ERROR_NOT_SUPPORTED:
        case ERROR_INVALID_FUNCTION:
        case ERROR_INVALID_PARAMETER: return std::nullopt;
        default: return CauseFromWin32Error(error);
    }
}

// Ends the file after `length` bytes.
bool SetLength(HANDLE file, LONGLONG length) {
    LARGE_INTEGER end{};
    end.QuadPart = length;
    return ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

// Writes the old bytes back over the start of the file, ends it at its old `length` and
// flushes it. The plain call, not the replaceable one: these bytes were in the file a moment
// ago, so they fit where the new ones did not. A failure here leaves nothing more to try; the
// first failure is the one reported.
void PutBack(HANDLE file, const std::string& old, LONGLONG length) {
    for (size_t done = 0; done < old.size();) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(done);
        at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(done) >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(old.size() - done, 1u << 30));
        DWORD n = 0;
        if (!::WriteFile(file, old.data() + done, chunk, &n, &at) || n == 0) break;
        done += n;
    }
    if (SetLength(file, length)) ::FlushFileBuffers(file);
}

// Overwrites the open file with `bytes`, prepared complete beforehand, as the same file. The
// old bytes the new ones cover are read first (all of them when the new content is as long
// or longer, so no more memory than twice the new content) and room for the new content is
// taken. The new bytes are written and flushed before a shorter content drops the old tail:
// until then any failure puts the old bytes and length back before it is reported, whatever
// the write call said it had written. Once the tail is dropped the file holds the whole new
// content, and only the flush of its length can still fail.
void WriteInPlace(CHandle& file, std::string_view bytes,
                  const std::optional<FailureCause>& writeFailureCause,
                  const std::string& shownPath) {
    auto fail = [&](FailureCause cause) { Fail(writeFailureCause.value_or(cause), shownPath); };
    LARGE_INTEGER size{}, start{};
    if (!::GetFileSizeEx(file.Get(), &size)) fail(CauseFromWin32Error(::GetLastError()));
    const auto length = static_cast<LONGLONG>(bytes.size());
    std::string old;
    if (const auto cause =
            ReadOldContent(file.Get(), static_cast<size_t>(std::min(length, size.QuadPart)), old))
        Fail(*cause, shownPath);
    if (length > 0)
        if (const auto cause = TakeRoom(file.Get(), std::max(length, size.QuadPart))) fail(*cause);
    if (!::SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN))
        fail(CauseFromWin32Error(::GetLastError()));

    const CFileDescriptor fd = DescriptorOf(file);
    if (fd.Get() < 0) fail(FailureCause::TooManyOpenFiles);
    const HANDLE handle = HandleOf(fd);
    std::optional<FailureCause> cause = WriteAll(fd.Get(), bytes, shownPath);
    const bool shorter = length < size.QuadPart;
    if (!cause && (!::FlushFileBuffers(handle) || (shorter && !SetLength(handle, length))))
        cause = CauseFromWin32Error(::GetLastError());
    if (cause) PutBack(handle, old, size.QuadPart);
    if (!cause && shorter && !::FlushFileBuffers(handle))
        cause = CauseFromWin32Error(::GetLastError());
    if (cause) fail(*cause);
}

// A new file beside the target, for this process alone, under a name nobody could prepare.
CHandle CreateTemporaryFile(const std::wstring& folder, std::wstring& name) {
    static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<size_t> pick(0, std::size(kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + L"\\.glintwick-";
        for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
        CHandle file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.IsOpen() || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return CHandle();
}

// The stamp of the file a save wrote, read once every handle on it is closed: the system may
// settle the time of last write only when the writing handle closes.
CFileStamp WrittenStamp(const std::wstring& target) {
    return StampAt(PathFromWide(target)).value_or(CFileStamp{});
}

}  // namespace

void IgnoreFileSizeSignal() {}

// The temporary names here tell no process, so none is known to be abandoned.
void RemoveAbandonedSaves(const std::vector<std::string>&) {}

WriteCall& FileWriteCall() {
    static WriteCall call = &WriteToHandle;
    return call;
}

bool IsWritableFile(const std::string& path) {
    // The read-only attribute means read-only; a folder is no file to save.
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// How a save replaces a file:
// - the target is first opened for exclusive writing, as the file's sharing rules have it, so
//   a file that another program holds gives a sharing violation and stays as it was;
// - a file with other hard links is overwritten in place through that handle, from content
//   prepared in full, so every name keeps seeing it;
// - otherwise a temporary file beside it is written, flushed and put in its place by
//   ReplaceFileW, which keeps the target's attributes, security and streams (the attributes
//   are set again, for file systems that do not); a new target is moved into place with
//   MoveFileExW, replacing and writing through;
// - a folder in which no temporary file may be made has the existing file written in place.
CFileStamp WriteFileAtomically(const std::string& requestedPath, std::string_view bytes,
                               std::optional<FailureCause> writeFailureCause, bool followLinks) {
    // No name at all (a script's unset variable) is no path to write to.
    if (requestedPath.empty()) Fail(FailureCause::BadPath, requestedPath);
    const std::string& shownPath = requestedPath;
    const std::wstring target = TargetOf(WidePath(AbsolutePath(requestedPath)), followLinks);
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        attributes = INVALID_FILE_ATTRIBUTES;  // a link that is not followed is replaced itself
    const bool targetExists = attributes != INVALID_FILE_ATTRIBUTES;
    if (targetExists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        Fail(FailureCause::AccessDenied, shownPath);

    CHandle existing;
    if (targetExists) {
        existing = CHandle(::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!existing.IsOpen()) FailWithLastError(shownPath);
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileType(existing.Get()) != FILE_TYPE_DISK)
            Fail(FailureCause::AccessDenied, shownPath);
        if (::GetFileInformationByHandle(existing.Get(), &info) && info.nNumberOfLinks > 1) {
            WriteInPlace(existing, bytes, writeFailureCause, shownPath);
            return WrittenStamp(target);
        }
    }

    std::wstring tempName;
    CHandle temp = CreateTemporaryFile(FolderOf(target), tempName);
    if (!temp.IsOpen()) {
        const DWORD error = ::GetLastError();
        if (targetExists && error == ERROR_ACCESS_DENIED) {
            WriteInPlace(existing, bytes, writeFailureCause, shownPath);
            return WrittenStamp(target);
        }
        Fail(CauseFromWin32Error(error), shownPath);
    }
    // The target stays closed to other programs until its successor is ready.
    auto fail = [&](FailureCause cause) {
        ::DeleteFileW(tempName.c_str());
        Fail(writeFailureCause.value_or(cause), shownPath);
    };
    if (const auto cause = WriteEndAndFlush(temp, bytes, shownPath)) {
        temp = CHandle();
        fail(*cause);
    }
    existing = CHandle();
    const bool replaced = targetExists
                              ? ::ReplaceFileW(target.c_str(), tempName.c_str(), nullptr,
                                               REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : ::MoveFileExW(tempName.c_str(), target.c_str(),
                                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) fail(CauseFromWin32Error(::GetLastError()));
    if (targetExists) ::SetFileAttributesW(target.c_str(), attributes);
    return WrittenStamp(target);
}

}  // namespace glintwick
