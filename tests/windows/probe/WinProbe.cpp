// winprobe.exe: what the Wine tests ask of the desktop from inside it: windows, messages,
// commands, list headers, control texts, open menus, a file held open by another process,
// registry values, long paths, resources.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                          nullptr, nullptr);
    return out;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

// The visible top-level windows for which `match` holds.
template <typename Match>
std::vector<HWND> TopLevelWindows(Match match) {
    struct Search {
        Match* match;
        std::vector<HWND> found;
    } search{&match, {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (::IsWindowVisible(window) && (*s->match)(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits up to `seconds` for a window that `match` accepts.
template <typename Match>
HWND WaitFor(Match match, double seconds) {
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < seconds * 1000; ::Sleep(100)) {
        const std::vector<HWND> found = TopLevelWindows(match);
        if (!found.empty()) return found.front();
    }
    return nullptr;
}

HWND WindowTitled(const std::wstring& title, double seconds) {
    return WaitFor([&](HWND w) { return TextOf(w) == title; }, seconds);
}

// window TITLE SECONDS: waits for the window, prints its place and size.
int Window(const std::wstring& title, double seconds) {
    const HWND window = WindowTitled(title, seconds);
    if (!window) return 1;
    RECT r{};
    ::GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

// gone TITLE SECONDS: waits until no window has that title.
int Gone(const std::wstring& title, double seconds) {
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < seconds * 1000; ::Sleep(100))
        if (TopLevelWindows([&](HWND w) { return TextOf(w) == title; }).empty()) return 0;
    return 1;
}

// The pixels of `area` of the screen, or of `icon` drawn over `background` at that size.
std::vector<COLORREF> Pixels(const RECT& area, HICON icon, COLORREF background) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    if (icon) {
        HBRUSH brush = ::CreateSolidBrush(background);
        const RECT all{0, 0, width, height};
        ::FillRect(memory, &all, brush);
        ::DeleteObject(brush);
        ::DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    } else {
        ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    }
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// Which of the system's message icons `box` shows, told by its pixels: "none" without one.
std::string IconOf(HWND box) {
    HWND picture = nullptr;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            ::IsWindowVisible(child))
            picture = child;
    if (!picture) return "none";
    RECT area{};
    ::GetWindowRect(picture, &area);
    if (area.right - area.left < 8 || area.bottom - area.top < 8) return "none";
    const std::vector<COLORREF> shown = Pixels(area, nullptr, 0);
    const struct {
        const wchar_t* id;
        const char* name;
    } icons[] = {{IDI_QUESTION, "question"},
                 {IDI_EXCLAMATION, "exclamation"},
                 {IDI_HAND, "error"},
                 {IDI_ASTERISK, "information"}};
    const char* best = "unknown";
    long long bestDistance = -1;
    for (const auto& icon : icons) {
        const std::vector<COLORREF> drawn =
            Pixels(area, ::LoadIconW(nullptr, icon.id), shown.front());
        long long distance = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            for (int shift : {0, 8, 16})
                distance += std::abs(static_cast<int>((shown[i] >> shift) & 0xff) -
                                     static_cast<int>((drawn[i] >> shift) & 0xff));
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = icon.name;
        }
    }
    return best;
}

// message SECONDS: waits for a message box, prints its caption, icon and texts, then presses
// its default button.
int Message(double seconds) {
    const HWND box = WaitFor([](HWND w) { return ClassOf(w) == L"#32770"; }, seconds);
    if (!box) return 1;
    ::Sleep(300);  // its controls are filled in as it appears
    std::string out = "caption: " + Utf8(TextOf(box)) + "\nicon: " + IconOf(box) + "\n";
    ::EnumChildWindows(
        box,
        [](HWND child, LPARAM data) -> BOOL {
            const std::wstring text = TextOf(child);
            if (!text.empty())
                *reinterpret_cast<std::string*>(data) += Utf8(ClassOf(child) + L": " + text) + "\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    std::fputs(out.c_str(), stdout);
    std::fflush(stdout);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

// command TITLE ID: the menu command `ID` to that window; close TITLE: its close box.
int Post(const std::wstring& title, UINT message, WPARAM wParam) {
    const HWND window = WindowTitled(title, 10);
    return window && ::PostMessageW(window, message, wParam, 0) ? 0 : 1;
}

// hold PATH ACCESS SHARE STOPFILE: opens the file as another program would ("read" or
// "write"; "none", "read" or "read-write" shared) and keeps it until STOPFILE exists.
int Hold(const std::wstring& path, const std::wstring& access, const std::wstring& share,
         const std::wstring& stop) {
    const DWORD desired = access == L"write" ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const DWORD sharing = share == L"none"   ? 0
                          : share == L"read" ? FILE_SHARE_READ
                                             : FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE file =
        ::CreateFileW(path.c_str(), desired, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::puts("held");
    std::fflush(stdout);
    for (int i = 0; i < 1200 && ::GetFileAttributesW(stop.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        ::Sleep(100);
    ::CloseHandle(file);
    return 0;
}

// header TITLE: for every visible column header inside that window, its size and place
// within its parent, then its parent's size: "WIDTHxHEIGHT+X+Y in WIDTHxHEIGHT".
int Header(const std::wstring& title) {
    const HWND window = WindowTitled(title, 10);
    if (!window) return 1;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            RECT r{}, p{};
            const HWND parent = ::GetParent(child);
            if (ClassOf(child) == L"SysHeader32" && ::IsWindowVisible(child) &&
                ::GetWindowRect(child, &r) && ::GetClientRect(parent, &p)) {
                ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
                std::printf("%ldx%ld+%ld+%ld in %ldx%ld\n", r.right - r.left, r.bottom - r.top,
                            r.left, r.top, p.right, p.bottom);
            }
            return TRUE;
        },
        0);
    return 0;
}

// texts TITLE: the texts of the window's controls, one per line, in the order they were made.
int Texts(const std::wstring& title) {
    const HWND window = WindowTitled(title, 10);
    if (!window) return 1;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            const std::wstring text = TextOf(child);
            if (::IsWindowVisible(child) && !text.empty()) std::printf("%s\n", Utf8(text).c_str());
            return TRUE;
        },
        0);
    return 0;
}

// popup SECONDS: waits for an open menu (another process's menus cannot be read under Wine,
// but whether one opened can be seen).
int Popup(double seconds) {
    return WaitFor([](HWND w) { return ClassOf(w) == L"#32768"; }, seconds) ? 0 : 1;
}

// regget KEY VALUE: a string value under HKEY_CURRENT_USER, as UTF-8.
int RegGet(const std::wstring& key, const std::wstring& name) {
    wchar_t value[4096] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.empty() ? nullptr : name.c_str(),
                       RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return 1;
    std::printf("%s\n", Utf8(value).c_str());
    return 0;
}

// longpath PATH: the long form of a path.
int LongPath(const std::wstring& path) {
    wchar_t out[4096] = {};
    if (!::GetLongPathNameW(path.c_str(), out, 4096)) return 1;
    std::printf("%s\n", Utf8(out).c_str());
    return 0;
}

// resources PROGRAM: the first icon group's id and image sizes, the version strings and what
// the manifest asks for.
int Resources(const std::wstring& program) {
    const HMODULE module = ::LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return 1;
    ULONG_PTR first = 0;
    ::EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR data) -> BOOL {
            *reinterpret_cast<ULONG_PTR*>(data) =
                IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0;
            return FALSE;  // the first one is the shell's
        },
        reinterpret_cast<LONG_PTR>(&first));
    std::printf("first icon: %lu,", static_cast<unsigned long>(first));
    if (const HRSRC group =
            first ? ::FindResourceW(module, MAKEINTRESOURCEW(first), RT_GROUP_ICON) : nullptr) {
        // GRPICONDIR: three WORDs, then 14-byte entries whose first byte is the width (0: 256).
        const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(module, group)));
        const WORD count = *reinterpret_cast<const WORD*>(bytes + 4);
        for (WORD i = 0; i < count; ++i)
            std::printf(" %d", bytes[6 + 14 * i] ? bytes[6 + 14 * i] : 256);
    }
    std::printf("\n");
    if (const HRSRC manifest = ::FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        const std::string text(
            static_cast<const char*>(::LockResource(::LoadResource(module, manifest))),
            ::SizeofResource(module, manifest));
        for (const char* want : {"PerMonitorV2", "true/pm", "Microsoft.Windows.Common-Controls",
                                 "asInvoker", "longPathAware"})
            if (text.find(want) != std::string::npos) std::printf("manifest: %s\n", want);
    }
    ::FreeLibrary(module);
    std::vector<BYTE> version(::GetFileVersionInfoSizeW(program.c_str(), nullptr));
    if (!version.empty() &&
        ::GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(version.size()),
                              version.data())) {
        for (const wchar_t* key :
             {L"ProductName", L"FileVersion", L"CompanyName", L"OriginalFilename"}) {
            wchar_t* value = nullptr;
            UINT length = 0;
            const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
            if (::VerQueryValueW(version.data(), path.c_str(), reinterpret_cast<void**>(&value),
                                 &length))
                std::printf("%s: %s\n", Utf8(key).c_str(), Utf8(value).c_str());
        }
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    auto seconds = [&](int i) { return argc > i ? std::wcstod(argv[i], nullptr) : 30.0; };
    if (command == L"window" && argc >= 3) return Window(argv[2], seconds(3));
    if (command == L"gone" && argc >= 3) return Gone(argv[2], seconds(3));
    if (command == L"message") return Message(seconds(2));
    if (command == L"command" && argc == 4)
        return Post(argv[2], WM_COMMAND, std::wcstoul(argv[3], nullptr, 10));
    if (command == L"close" && argc == 3) return Post(argv[2], WM_CLOSE, 0);
    if (command == L"hold" && argc == 6) return Hold(argv[2], argv[3], argv[4], argv[5]);
    if (command == L"header" && argc == 3) return Header(argv[2]);
    if (command == L"texts" && argc == 3) return Texts(argv[2]);
    if (command == L"popup") return Popup(seconds(2));
    if (command == L"regget" && argc == 4) return RegGet(argv[2], argv[3]);
    if (command == L"longpath" && argc == 3) return LongPath(argv[2]);
    if (command == L"resources" && argc == 3) return Resources(argv[2]);
    std::fputs(
        "usage: winprobe "
        "window|gone|message|command|close|header|texts|popup|hold|regget|longpath|resources ...\n",
        stderr);
    return 2;
}
