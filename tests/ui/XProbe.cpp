// X server queries for the window tests: XFixes cursors, window properties, XTest input.
#include "XProbe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace glintwick::test {

namespace {

Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

Window XWindowOf(wxTopLevelWindow* window) {
    GdkWindow* gdk = gtk_widget_get_window(window->GetHandle());
    return gdk ? GDK_WINDOW_XID(gdk) : 0;
}

std::vector<unsigned char> Property(Window window, const char* name, Atom type, int& format,
                                    unsigned long& items) {
    Atom actualType = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned char> bytes;
    items = 0;
    if (XGetWindowProperty(XDisplay(), window, XInternAtom(XDisplay(), name, False), 0, 1024,
                           False, type, &actualType, &format, &items, &after, &data) == Success &&
        data) {
        const size_t size = items * (format == 32 ? sizeof(long) : format / 8);
        bytes.assign(data, data + size);
        XFree(data);
    }
    return bytes;
}

std::string WindowTitle(Window window) {
    int format = 0;
    unsigned long items = 0;
    auto bytes = Property(window, "_NET_WM_NAME", XInternAtom(XDisplay(), "UTF8_STRING", False),
                          format, items);
    return std::string(bytes.begin(), bytes.end());
}

long WindowPid(Window window) {
    int format = 0;
    unsigned long items = 0;
    auto bytes = Property(window, "_NET_WM_PID", XA_CARDINAL, format, items);
    return items == 1 && format == 32 ? *reinterpret_cast<const long*>(bytes.data()) : -1;
}

// Every window of process `pid` below `window` with a title, with that title.
void TitledWindows(Window window, long pid, std::vector<std::pair<Window, std::string>>& out) {
    const std::string title = WindowTitle(window);
    if (!title.empty() && WindowPid(window) == pid) out.emplace_back(window, title);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(XDisplay(), window, &root, &parent, &children, &count)) return;
    for (unsigned int i = 0; i < count; ++i) TitledWindows(children[i], pid, out);
    if (children) XFree(children);
}

wxPoint ScreenPoint(wxWindow* window, wxPoint offset) {
    const wxSize size = window->GetClientSize();
    if (offset == wxPoint(-1, -1)) offset = wxPoint(size.x / 2, size.y / 2);
    return window->ClientToScreen(offset);
}

}  // namespace

PointerCursor CursorUnderPointer() {
    XSync(XDisplay(), False);
    XFixesCursorImage* image = XFixesGetCursorImage(XDisplay());
    if (!image) return {0, 0, 0, 0};
    const PointerCursor shape{image->width, image->height, image->xhot, image->yhot};
    XFree(image);
    return shape;
}

std::string TitleOf(wxTopLevelWindow* window) { return WindowTitle(XWindowOf(window)); }

std::optional<MotifHints> MotifHintsOf(wxTopLevelWindow* window) {
    int format = 0;
    unsigned long items = 0;
    const Atom hints = XInternAtom(XDisplay(), "_MOTIF_WM_HINTS", False);
    auto bytes = Property(XWindowOf(window), "_MOTIF_WM_HINTS", hints, format, items);
    if (items < 3 || format != 32) return std::nullopt;
    const auto* values = reinterpret_cast<const unsigned long*>(bytes.data());
    return MotifHints{values[0], values[1], values[2]};
}

std::string WindowTypeOf(wxTopLevelWindow* window) {
    int format = 0;
    unsigned long items = 0;
    auto bytes = Property(XWindowOf(window), "_NET_WM_WINDOW_TYPE", XA_ATOM, format, items);
    if (items < 1 || format != 32) return {};
    char* name = XGetAtomName(XDisplay(), *reinterpret_cast<const Atom*>(bytes.data()));
    std::string type = name ? name : "";
    if (name) XFree(name);
    return type;
}

void Pump(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        wxYield();
        wxMilliSleep(5);
    } while (std::chrono::steady_clock::now() < end);
}

void MoveTo(wxWindow* window, wxPoint offset) {
    wxUIActionSimulator().MouseMove(ScreenPoint(window, offset));
    Pump(100);
}

void ClickAt(wxWindow* window, wxPoint offset) {
    MoveTo(window, offset);
    wxUIActionSimulator().MouseClick();
    Pump(150);
}

void DoubleClickAt(wxWindow* window) {
    MoveTo(window);
    wxUIActionSimulator().MouseDblClick();
    Pump(150);
}

void PressKey(int key, int modifiers) {
    wxUIActionSimulator().Char(key, modifiers);
    Pump(100);
}

void TypeText(const char* text) {
    wxUIActionSimulator().Text(text);
    Pump(100);
}

void FocusForKeys(wxWindow* window) {
    auto* top = wxDynamicCast(wxGetTopLevelParent(window), wxTopLevelWindow);
    top->Raise();
    XSetInputFocus(XDisplay(), XWindowOf(top), RevertToParent, CurrentTime);
    Pump(50);
    window->SetFocus();
    Pump(50);
}

ChildProgram::ChildProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    char templ[] = "/tmp/gwk-child-stderr-XXXXXX";
    const int fd = mkstemp(templ);
    m_stderrPath = templ;
    m_pid = fork();
    if (m_pid == 0) {
        dup2(fd, 2);
        for (const std::string& variable : env) putenv(strdup(variable.c_str()));
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(fd);
}

ChildProgram::~ChildProgram() {
    if (m_pid > 0 && Wait(0) == -1) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    unlink(m_stderrPath.c_str());
}

std::string ChildProgram::WaitForWindow(const std::function<bool(const std::string&)>& match, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        std::vector<std::pair<Window, std::string>> windows;
        TitledWindows(DefaultRootWindow(XDisplay()), m_pid, windows);
        for (const auto& [window, title] : windows)
            if (match(title)) return title;
        Pump(50);
    }
    return {};
}

void ChildProgram::CloseWindow(const std::string& title) {
    std::vector<std::pair<Window, std::string>> windows;
    TitledWindows(DefaultRootWindow(XDisplay()), m_pid, windows);
    for (const auto& [window, name] : windows) {
        if (name != title) continue;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(XDisplay(), "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(XDisplay(), "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(XDisplay(), window, False, NoEventMask, &event);
    }
    XFlush(XDisplay());
}

int ChildProgram::Wait(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= end) return -1;
        Pump(20);
    }
}

std::string ChildProgram::Stderr() const {
    std::ifstream in(m_stderrPath);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace glintwick::test
