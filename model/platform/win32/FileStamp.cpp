// Windows implementation of file stamps: volume serial, file index, size and last write time.
#include "model/FileStamp.h"

#include <io.h>

#include "model/platform/RegularFile.h"
#include "model/platform/win32/Win32Files.h"

namespace glintwick {

namespace {

uint64_t Join(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

CFileStamp StampOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return CFileStamp{info.dwVolumeSerialNumber, Join(info.nFileIndexHigh, info.nFileIndexLow),
                      Join(info.nFileSizeHigh, info.nFileSizeLow),
                      static_cast<int64_t>(Join(info.ftLastWriteTime.dwHighDateTime,
                                                info.ftLastWriteTime.dwLowDateTime))};
}

}  // namespace

CFileStamp StampOfOpenFile(const CFileDescriptor& file) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file.Get()));
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileInformationByHandle(handle, &info) ? StampOf(info) : CFileStamp{};
}

std::optional<CFileStamp> StampAt(const std::string& path) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!FileInformation(path, info)) return std::nullopt;
    return StampOf(info);
}

}  // namespace glintwick
