// Windows implementation of the process services.
#include "model/platform/Process.h"

// shellapi.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

#include "model/platform/win32/Win32Files.h"

namespace glintwick {

long CurrentProcessId() { return static_cast<long>(::GetCurrentProcessId()); }

bool IsProcessRunning(long pid) {
    const CHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid)));
    // A process that may not be asked about exists all the same.
    if (!process.IsOpen()) return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return ::GetExitCodeProcess(process.Get(), &code) && code == STILL_ACTIVE;
}

uint64_t ProcessMemoryLimit() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status)) return uint64_t{1} << 32;
    // What the machine can give now, not all it has, as MemAvailable on Linux.
    return std::min<uint64_t>(status.ullAvailPhys, status.ullAvailVirtual);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(PathFromWide(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

void PrepareStandardStreams() {
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    ::SetConsoleOutputCP(CP_UTF8);
}

bool StandardInputIsTerminal() { return ::_isatty(::_fileno(stdin)) != 0; }

std::string ProgramPath() {
    std::wstring path(32768, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return std::string();
    path.resize(length);
    return PathFromWide(path);
}

std::string SystemInterfaceLanguage() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (::LCIDToLocaleName(MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                           LOCALE_NAME_MAX_LENGTH, 0) == 0)
        return std::string();
    return PathFromWide(name);
}

}  // namespace glintwick
