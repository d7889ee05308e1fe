// The HTML Help viewer's one entry point, through a hook that tests replace to see the calls.
#pragma once

#include <windows.h>

namespace glintwick {

using HtmlHelpFunction = HWND (*)(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

// HtmlHelpW of the system's viewer (hhctrl.ocx, loaded on the first call) unless replaced; with
// no viewer on the system, a call that does nothing.
HtmlHelpFunction& HtmlHelpCall();

}  // namespace glintwick
