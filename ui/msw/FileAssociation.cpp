// Registering the .gwk file type in the per-user classes and telling the shell about it.
#include "ui/msw/FileAssociation.h"

#include <shlobj.h>

#include <vector>

#include "resources/StringTable.h"
#include "ui/ShellRegistration.h"

namespace glintwick {

namespace {

constexpr const wchar_t* kExtension = L".gwk";

// The string table's ASCII texts as the registry's.
std::wstring Wide(const char* text) {
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

// The default value of `key` under `root`; empty when the key or the value is missing.
std::wstring DefaultValue(HKEY root, const std::wstring& key) {
    DWORD size = 0;
    if (::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::wstring();
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return std::wstring();
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

// Sets the default value of `key` when it differs; 1 when it was written.
int SetDefaultValue(HKEY root, const std::wstring& key, const std::wstring& value) {
    if (DefaultValue(root, key) == value) return 0;
    HKEY opened = nullptr;
    if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                          nullptr) != ERROR_SUCCESS)
        return 0;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG result = ::RegSetValueExW(opened, nullptr, 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    ::RegCloseKey(opened);
    return result == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace

int RegisterFileAssociation(HKEY classes, HKEY machineClasses, const std::wstring& program) {
    const std::wstring typeId = Wide(str::kFileTypeId);
    int written = SetDefaultValue(classes, typeId, Wide(str::kFileTypeName));
    // A volume without short names leaves blanks in the path: then it is quoted, or the shell
    // would run its first word.
    const bool blank = program.find(L' ') != std::wstring::npos;
    const std::wstring command = (blank ? L'"' + program + L'"' : program) + L" \"%1\"";
    written += SetDefaultValue(classes, typeId + L"\\shell\\open\\command", command);
    // Another program's claim on the extension stays, the machine's as well as the user's: the
    // shell reads the user's mapping where there is one, which would override the machine's.
    std::wstring mapped = DefaultValue(classes, kExtension);
    if (mapped.empty() && machineClasses) mapped = DefaultValue(machineClasses, kExtension);
    if (mapped.empty() || mapped == typeId) written += SetDefaultValue(classes, kExtension, typeId);
    return written;
}

std::wstring ShortProgramPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) break;
        path.resize(path.size() * 2);
    }
    const DWORD needed = ::GetShortPathNameW(path.data(), nullptr, 0);
    std::vector<wchar_t> shortPath(needed + 1);
    if (needed == 0 || ::GetShortPathNameW(path.data(), shortPath.data(), needed + 1) == 0)
        return path.data();
    return shortPath.data();
}

void RegisterProjectFileType() {
    HKEY classes = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0,
                          KEY_READ | KEY_WRITE, nullptr, &classes, nullptr) != ERROR_SUCCESS)
        return;
    HKEY machine = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, KEY_READ, &machine) !=
        ERROR_SUCCESS)
        machine = nullptr;
    const int written = RegisterFileAssociation(classes, machine, ShortProgramPath());
    if (machine) ::RegCloseKey(machine);
    ::RegCloseKey(classes);
    if (written > 0) ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void MarkProgramRunning() {
    // The handle stays open for the process's life; Windows closes it as the program ends.
    static const HANDLE running = ::CreateMutexW(nullptr, FALSE, L"OrvaneGlintwickRunning");
    (void)running;
}

}  // namespace glintwick
