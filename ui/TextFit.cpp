// Room for translated texts.
#include "ui/TextFit.h"

#include <algorithm>
#include <map>

#include <wx/button.h>
#include <wx/control.h>

#include "ui/SafeCast.h"

namespace glintwick {

using K = res::ControlKind;

int ButtonTextWidth(wxWindow& button) {
    // Measured as an exact fit: the toolkit's standard width, which a short text gets, is no
    // need of the text's.
    const long style = button.GetWindowStyleFlag();
    button.SetWindowStyleFlag(style | wxBU_EXACTFIT);
    button.InvalidateBestSize();
    const int width = button.GetBestSize().x;
    button.SetWindowStyleFlag(style);
    button.InvalidateBestSize();
    return width;
}

int WidthForText(const res::ControlTemplate& control, const wxWindow& window) {
    const auto* owner = As<wxControl>(const_cast<wxWindow*>(&window));
    if (!owner || owner->GetLabel().empty()) return 0;
    const int text = window.GetTextExtent(owner->GetLabelText()).x;
    switch (control.kind) {
        case K::Label:
        case K::RightLabel:
            // A label of more than one line wraps; a one-line label needs its text and no more.
            return control.height > 12 ? 0 : text + 2;
        case K::PushButton:
        case K::DefaultPushButton: return ButtonTextWidth(const_cast<wxWindow&>(window));
        case K::FirstRadio:
        case K::Radio:
        case K::CheckBox: return window.GetBestSize().x;
        // A group's title sits inside its frame's corners.
        case K::GroupBox: return text + window.FromDIP(24);
        default: return 0;
    }
}

int MakeRoomForTexts(const res::DialogTemplate& templ, const std::vector<wxWindow*>& windows) {
    // Where the form opens (a control's right edge) and by how much.
    std::map<int, int> openings;
    for (size_t i = 0; i < windows.size(); ++i) {
        const wxRect rect = windows[i]->GetRect();
        const int lacks = WidthForText(templ.controls[i], *windows[i]) - rect.width;
        if (lacks > 0)
            openings[rect.GetRight() + 1] = std::max(openings[rect.GetRight() + 1], lacks);
    }
    if (openings.empty()) return 0;
    // Every x at or beyond an opening moves across by the openings up to it.
    auto moved = [&](int x) {
        int by = 0;
        for (const auto& [at, width] : openings)
            if (at <= x) by += width;
        return x + by;
    };
    for (wxWindow* window : windows) {
        const wxRect rect = window->GetRect();
        const int left = moved(rect.x), right = moved(rect.GetRight() + 1);
        window->SetSize(left, rect.y, right - left, rect.height);
    }
    int total = 0;
    for (const auto& opening : openings) total += opening.second;
    return total;
}

int ColumnTitleWidth(const wxWindow& list, const wxString& title) {
    // Headers set their titles in bold, with padding on either side.
    const wxFont bold = list.GetFont().Bold();
    int width = 0;
    list.GetTextExtent(title, &width, nullptr, nullptr, nullptr, &bold);
    return width + list.FromDIP(12);
}

std::vector<int> WidthsShowingTitles(std::vector<int> shares, const std::vector<int>& needs) {
    int lacking = 0;
    for (size_t i = 0; i < shares.size(); ++i)
        if (needs[i] > shares[i]) {
            lacking += needs[i] - shares[i];
            shares[i] = needs[i];
        }
    while (lacking > 0) {
        size_t most = 0;
        for (size_t i = 1; i < shares.size(); ++i)
            if (shares[i] - needs[i] > shares[most] - needs[most]) most = i;
        const int spare = shares[most] - needs[most];
        if (spare <= 0) break;
        const int taken = std::min({spare, lacking, std::max(1, spare / 2)});
        shares[most] -= taken;
        lacking -= taken;
    }
    return shares;
}

}  // namespace glintwick
