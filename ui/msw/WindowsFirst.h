// Windows' headers, read before anything else in the window layer of the Windows build, less the
// macros that would rename the program's own functions (FormatMessage above all).
#pragma once

#include <windows.h>

#undef FormatMessage
