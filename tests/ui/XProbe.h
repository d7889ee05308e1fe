// What the X server reports: the pointer's cursor, window titles and hints, other programs.
#pragma once

#include <wx/image.h>
#include <wx/toplevel.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

typedef struct _GtkWidget GtkWidget;

namespace glintwick::test {

struct PointerCursor {
    int width, height, xHot, yHot;
    // The program's 32 x 32 pointing hand with its hot spot at the fingertip.
    bool IsHand() const { return width == 32 && height == 32 && xHot == 8 && yHot == 3; }
};
// The cursor X shows at the pointer now.
PointerCursor CursorUnderPointer();

// The title X holds for a top-level window (_NET_WM_NAME, UTF-8).
std::string TitleOf(wxTopLevelWindow* window);
// The window manager hints (_MOTIF_WM_HINTS): functions and decorations; nullopt when unset.
struct MotifHints {
    unsigned long flags, functions, decorations;
};
std::optional<MotifHints> MotifHintsOf(wxTopLevelWindow* window);
std::optional<MotifHints> MotifHintsOf(unsigned long xWindow);
// The X window of a realized GTK window the program did not make through wx (a message box).
unsigned long XWindowOfWidget(GtkWidget* widget);
// The first entry of _NET_WM_WINDOW_TYPE, by name.
std::string WindowTypeOf(wxTopLevelWindow* window);
std::string WindowTypeOf(unsigned long xWindow);

// The top-level `window` as GTK draws it now.
wxImage GrabScreen(wxWindow* window);
// The first and last rows (in `window`'s coordinates) of `area` that hold text pixels (dark
// on light); {-1, -1} when there are none.
std::pair<int, int> InkRows(wxWindow* window, const wxRect& area);

// The most separate marks darker than `threshold` (luminance 0-255) found on one row of
// `area`: the tick marks of a slider, for one.
int MostMarksOnARow(wxWindow* window, const wxRect& area, int threshold);
// Luminance of one pixel of `window` as drawn.
int LuminanceAt(wxWindow* window, wxPoint point);

// Real pointer and keyboard input through XTest, each followed by a pause for the events.
void MoveTo(wxWindow* window, wxPoint offset = wxPoint(-1, -1));  // default: the centre
void ClickAt(wxWindow* window, wxPoint offset = wxPoint(-1, -1));
void DoubleClickAt(wxWindow* window);
// The point `offset` of `window`'s client area (default: its centre) on the screen.
wxPoint ScreenPoint(wxWindow* window, wxPoint offset = wxPoint(-1, -1));
// Presses the left button at `start` on the screen, moves there in steps to `end` and lets go.
void DragOnScreen(wxPoint start, wxPoint end);
void PressKey(int key, int modifiers = 0);
void TypeText(const char* text);
// Processes events for `ms` milliseconds.
void Pump(int ms);
// Gives `window`'s top-level window the X input focus and `window` the keyboard focus.
void FocusForKeys(wxWindow* window);

// Another program on this display.
class ChildProgram {
public:
    ChildProgram(const std::vector<std::string>& argv, const std::vector<std::string>& env);
    ~ChildProgram();
    // Waits up to `ms` for a top-level window of the child whose title satisfies `match`;
    // returns that title, or empty.
    std::string WaitForWindow(const std::function<bool(const std::string&)>& match, int ms);
    // The instance part of the WM_CLASS of the child's window titled `title`, or empty.
    std::string ClassOf(const std::string& title);
    // Asks every window of the child titled `title` to close, as a window manager would.
    void CloseWindow(const std::string& title);
    // Waits for the child's end; its exit status, or -1 when it did not end within `ms`.
    int Wait(int ms);
    std::string Stderr() const;

private:
    int m_pid = -1;
    std::string m_stderrPath;
};

}  // namespace glintwick::test
