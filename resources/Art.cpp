// Artwork drawn by resources/art/make_art.py, compiled in as XPM.
#include "resources/Art.h"

#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/window.h>

#include "resources/art/hand136.xpm"
#include "resources/art/icon16.xpm"
#include "resources/art/icon32.xpm"
#include "resources/art/icon48.xpm"
#include "resources/art/logo140.xpm"
#include "resources/art/splash135_png.h"

namespace glintwick {

wxIconBundle ProgramIcons() {
    wxIconBundle icons;
    icons.AddIcon(wxIcon(icon16_xpm));
    icons.AddIcon(wxIcon(icon32_xpm));
    icons.AddIcon(wxIcon(icon48_xpm));
    return icons;
}

wxBitmap LogoBitmap(const wxWindow& window) {
    const wxBitmap logo(logo140_xpm);
    const wxSize size = window.FromDIP(logo.GetSize());
    if (size == logo.GetSize()) return logo;
    return wxBitmap(logo.ConvertToImage().Scale(size.x, size.y, wxIMAGE_QUALITY_HIGH));
}

wxBitmap SplashBitmap() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    return wxBitmap::NewFromPNGData(splash135_png, sizeof splash135_png);
}

wxCursor HandCursor() {
    wxImage image = wxBitmap(hand136_xpm).ConvertToImage();
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 8);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 3);
    return wxCursor(image);
}

}  // namespace glintwick
