// How screen readers see the program's windows: names, roles, labels, values and quiet text.
#pragma once

#include <wx/string.h>

#include <functional>

class wxWindow;

namespace glintwick {

// Roles the toolkit cannot know for windows the program draws or builds itself.
enum class AccessibleRole {
    Dialog,     // a top-level window that asks or tells something, then closes
    Link,       // opens a web page
    Marquee,    // text that changes often and is not worth announcing
    StatusBar,  // the window's status line; its text is its name
};

// The name a screen reader speaks for `window`, in place of what the toolkit makes of it.
void SetAccessibleName(wxWindow* window, const wxString& name);
void SetAccessibleRole(wxWindow* window, AccessibleRole role);
// `label` is (part of) what names `window`; a reader can follow the relation both ways.
void AddAccessibleLabel(wxWindow* window, wxWindow* label);

// A whole number within a range, as a control the program draws shows and steps it.
struct AccessibleRange {
    std::function<int()> value;
    std::function<int()> low;
    std::function<int()> high;
    std::function<void(int)> setValue;  // what a reader's "set value" does
};
// `window` becomes a spin button with `range`'s value. Called from the window's constructor,
// before a reader can have asked for it.
void ExposeAsSpinButton(wxWindow* window, AccessibleRange range);
// Tells readers that a spin button's value changed.
void NotifyValueChanged(wxWindow* window);

// `window` becomes a marquee whose text a reader can read when it asks; no change is ever
// announced, however often `text` changes. Called from the window's constructor.
void ExposeAsMarquee(wxWindow* window, std::function<wxString()> text);

}  // namespace glintwick
