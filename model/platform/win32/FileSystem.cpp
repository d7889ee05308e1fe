// Windows implementation of the file-system services, on wide paths.
#include "model/platform/FileSystem.h"

#include <random>

#include "model/platform/win32/Win32Files.h"

namespace glintwick {

const char* const kPathSeparators = "\\/";

std::string AbsolutePath(const std::string& path) {
    const std::wstring wide = WideText(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return path;
        if (length < full.size()) {
            full.resize(length);
            return PathFromWide(full);
        }
        full.resize(length);
    }
}

bool IsSameFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return FileInformation(first, a) && FileInformation(second, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

bool SomethingAt(const std::string& path) {
    // The attributes of a link are its own: the link counts, wherever it leads.
    return ::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::filesystem::path NativePath(const std::string& path) { return WidePath(path); }
std::string PathString(const std::filesystem::path& path) { return PathFromWide(path.native()); }

std::string MakePrivateFolder(const std::string& prefix) {
    // A folder in the user's own temporary folder is the user's alone: it takes that folder's
    // permissions. The name is random, and an existing one is never taken over.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
        if (::CreateDirectoryW(WidePath(name).c_str(), nullptr)) return name;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) FailWithLastError(name);
    }
    throw CFileFailure(FailureCause::AccessDenied, prefix);
}

bool IsPrivateFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace glintwick
