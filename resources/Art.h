// The program's own artwork: icon 128, logo bitmap 140 and hand cursor 136.
#pragma once

#include <wx/bitmap.h>
#include <wx/cursor.h>
#include <wx/iconbndl.h>

class wxWindow;

namespace glintwick {

wxIconBundle ProgramIcons();                  // 16, 32 and 48 pixels
wxBitmap LogoBitmap(const wxWindow& window);  // 77 x 77, scaled with the window's dots per inch
wxCursor HandCursor();                        // pointing hand, hot spot at the fingertip (8, 3)
wxBitmap SplashBitmap();                      // start-up picture, 381 x 282

}  // namespace glintwick
