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
    if (XGetWindowProperty(XDisplay(), window, XInternAtom(XDisplay(), name, False), 0, 1024, False,
                           type, &actualType, &format, &items, &after, &data) == Success &&
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

}  // namespace

wxPoint ScreenPoint(wxWindow* window, wxPoint offset) {
    const wxSize size = window->GetClientSize();
    if (offset == wxPoint(-1, -1)) offset = wxPoint(size.x / 2, size.y / 2);
    return window->ClientToScreen(offset);
}

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
    return MotifHintsOf(XWindowOf(window));
}

unsigned long XWindowOfWidget(GtkWidget* widget) {
    return gdk_x11_window_get_xid(gtk_widget_get_window(widget));
}

std::optional<MotifHints> MotifHintsOf(unsigned long xWindow) {
    int format = 0;
    unsigned long items = 0;
    const Atom hints = XInternAtom(XDisplay(), "_MOTIF_WM_HINTS", False);
    auto bytes = Property(xWindow, "_MOTIF_WM_HINTS", hints, format, items);
    if (items < 3 || format != 32) return std::nullopt;
    const auto* values = reinterpret_cast<const unsigned long*>(bytes.data());
    return MotifHints{values[0], values[1], values[2]};
}

std::string WindowTypeOf(wxTopLevelWindow* window) { return WindowTypeOf(XWindowOf(window)); }

std::string WindowTypeOf(unsigned long xWindow) {
    int format = 0;
    unsigned long items = 0;
    auto bytes = Property(xWindow, "_NET_WM_WINDOW_TYPE", XA_ATOM, format, items);
    if (items < 1 || format != 32) return {};
    char* name = XGetAtomName(XDisplay(), *reinterpret_cast<const Atom*>(bytes.data()));
    std::string type = name ? name : "";
    if (name) XFree(name);
    return type;
}

wxImage GrabScreen(wxWindow* window) {
    // GTK draws the window's whole widget tree into an image, as it draws it on the screen;
    // unlike a copy of the screen this cannot catch another window above it or stale pixels.
    Pump(50);
    const wxSize size = window->GetSize();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.x, size.y);
    cairo_t* cairo = cairo_create(surface);
    GtkWidget* widget = window->GetHandle();
    gtk_widget_draw(widget, cairo);
    cairo_surface_flush(surface);
    wxImage image(size);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) {
            const unsigned char* pixel = data + y * stride + x * 4;  // B, G, R, unused
            image.SetRGB(x, y, pixel[2], pixel[1], pixel[0]);
        }
    cairo_destroy(cairo);
    cairo_surface_destroy(surface);
    return image;
}

namespace {

// `window`'s top-level window as drawn, and where `window`'s client area lies in it.
wxImage DrawnWithOffset(wxWindow* window, wxPoint& offset) {
    wxWindow* top = wxGetTopLevelParent(window);
    offset = window->ClientToScreen(wxPoint(0, 0)) - top->GetScreenPosition();
    return GrabScreen(top);
}

int Luminance(const wxImage& image, int x, int y) {
    return (image.GetRed(x, y) * 3 + image.GetGreen(x, y) * 6 + image.GetBlue(x, y)) / 10;
}

}  // namespace

int MostMarksOnARow(wxWindow* window, const wxRect& inWindow, int threshold) {
    wxPoint offset;
    const wxImage image = DrawnWithOffset(window, offset);
    const wxRect area = wxRect(inWindow.GetPosition() + offset, inWindow.GetSize())
                            .Intersect(wxRect(image.GetSize()));
    int most = 0;
    for (int y = area.y; y <= area.GetBottom(); ++y) {
        int marks = 0;
        bool inMark = false;
        for (int x = area.x; x <= area.GetRight(); ++x) {
            const bool dark = Luminance(image, x, y) < threshold;
            if (dark && !inMark) ++marks;
            inMark = dark;
        }
        most = std::max(most, marks);
    }
    return most;
}

int LuminanceAt(wxWindow* window, wxPoint point) {
    wxPoint offset;
    const wxImage image = DrawnWithOffset(window, offset);
    return Luminance(image, point.x + offset.x, point.y + offset.y);
}

std::pair<int, int> InkRows(wxWindow* window, const wxRect& inWindow) {
    wxPoint offset;
    const wxImage image = DrawnWithOffset(window, offset);
    const wxRect area(inWindow.GetPosition() + offset, inWindow.GetSize());
    int first = -1, last = -1;
    for (int y = std::max(area.y, 0); y < std::min(area.GetBottom() + 1, image.GetHeight()); ++y) {
        for (int x = std::max(area.x, 0); x < std::min(area.GetRight() + 1, image.GetWidth());
             ++x) {
            if (Luminance(image, x, y) < 110) {
                if (first < 0) first = y - offset.y;
                last = y - offset.y;
                break;
            }
        }
    }
    return {first, last};
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

void DragOnScreen(wxPoint start, wxPoint end) {
    wxUIActionSimulator input;
    input.MouseMove(start);
    Pump(100);
    input.MouseDown();
    Pump(100);
    // Steps past the toolkit's drag threshold, then slowly enough for every motion to be seen.
    constexpr int kSteps = 12;
    for (int step = 1; step <= kSteps; ++step) {
        input.MouseMove(start + (end - start) * step / kSteps);
        Pump(40);
    }
    Pump(200);
    input.MouseUp();
    Pump(300);
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

ChildProgram::ChildProgram(const std::vector<std::string>& argv,
                           const std::vector<std::string>& env) {
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

std::string ChildProgram::WaitForWindow(const std::function<bool(const std::string&)>& match,
                                        int ms) {
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

std::string ChildProgram::ClassOf(const std::string& title) {
    std::vector<std::pair<Window, std::string>> windows;
    TitledWindows(DefaultRootWindow(XDisplay()), m_pid, windows);
    for (const auto& [window, name] : windows) {
        XClassHint hint{};
        if (name != title || !XGetClassHint(XDisplay(), window, &hint)) continue;
        const std::string instance = hint.res_name ? hint.res_name : "";
        XFree(hint.res_name);
        XFree(hint.res_class);
        return instance;
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
        event.xclient.data.l[0] =
            static_cast<long>(XInternAtom(XDisplay(), "WM_DELETE_WINDOW", False));
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
