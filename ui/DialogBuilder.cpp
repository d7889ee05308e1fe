// Creation of template controls: one wx control per template kind, at dialog-unit places.
#include "ui/DialogBuilder.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <vector>

#include "resources/Art.h"
#include "resources/Ids.h"
#include "ui/Accessibility.h"
#include "ui/ControlNames.h"
#include "ui/HyperLink.h"
#include "ui/PlatformStyle.h"
#include "ui/SafeCast.h"
#include "ui/SunkenText.h"
#include "ui/TemplateGeometry.h"
#include "ui/TextFit.h"
#include "ui/TextUndo.h"
#include "ui/Translations.h"
#include "ui/UpDownCtrl.h"
#include "ui/WxText.h"

namespace glintwick {

void TickEveryValue(wxSlider* slider) {
    // GTK's tick frequency leaves out both ends of the range.
    slider->ClearTicks();
    for (int value = slider->GetMin(); value <= slider->GetMax(); ++value) slider->SetTick(value);
}

int WxIdFor(int templateId) {
    if (templateId == id::kOk) return wxID_OK;
    if (templateId == id::kCancel) return wxID_CANCEL;
    return templateId < 0 ? wxID_ANY : templateId;
}

wxSize TemplateSizeInPixels(wxWindow* window, const res::DialogTemplate& templ) {
    return window->ConvertDialogToPixels(wxSize(templ.width, templ.height));
}

namespace {

using K = res::ControlKind;

bool ShowsOneLineOfText(K kind) {
    return kind == K::Edit || kind == K::CentredEdit || kind == K::DropDownList;
}

bool IsOneLineLabel(const res::ControlTemplate& c) {
    return ((c.kind == K::Label || c.kind == K::RightLabel) && c.height <= 12) ||
           c.kind == K::FirstRadio || c.kind == K::Radio || c.kind == K::CheckBox;
}

// The text box in the same row as `label` (their rectangles share some height) that is nearest
// to it across, or none.
const res::ControlTemplate* RowPartner(const res::DialogTemplate& templ,
                                       const res::ControlTemplate& label) {
    const res::ControlTemplate* best = nullptr;
    int bestDistance = 0;
    for (const res::ControlTemplate& c : templ.controls) {
        if (!ShowsOneLineOfText(c.kind) || !ShareARow(c, label)) continue;
        const int distance = GapAcross(c, label);
        if (!best || distance < bestDistance) best = &c, bestDistance = distance;
    }
    return best;
}

// A text box centres its one line of text in its height. A label, radio button or check box in
// the same row is centred on that box at its own natural height, so both texts share one
// baseline as the dialog-unit templates mean (drawn as designed, a label's text would start at
// the label's top, a few pixels above the text beside it).
void AlignLabelsWithTheirRow(const res::DialogTemplate& templ,
                             const std::vector<wxWindow*>& windows) {
    for (size_t i = 0; i < templ.controls.size(); ++i) {
        const res::ControlTemplate& label = templ.controls[i];
        if (!IsOneLineLabel(label)) continue;
        const res::ControlTemplate* partner = RowPartner(templ, label);
        if (!partner) continue;
        const wxWindow* box = windows[static_cast<size_t>(partner - templ.controls.data())];
        const wxRect row = box->GetRect();
        const wxRect rect = windows[i]->GetRect();
        // A label draws its text from its top: its natural height is one line of its font.
        const bool plainLabel = label.kind == K::Label || label.kind == K::RightLabel;
        const int natural = plainLabel ? windows[i]->GetTextExtent(windows[i]->GetLabel()).y
                                       : windows[i]->GetBestSize().y;
        const int height = std::min(natural, row.height);
        windows[i]->SetSize(rect.x, row.y + (row.height - height) / 2, rect.width, height);
    }
}

}  // namespace

std::map<int, wxWindow*> BuildControls(wxWindow* parent, const res::DialogTemplate& templ,
                                       int* widenedBy) {
    std::map<int, wxWindow*> created;
    std::vector<wxWindow*> windows;
    wxWindow* previous = nullptr;
    for (const res::ControlTemplate& c : templ.controls) {
        wxPoint pos = parent->ConvertDialogToPixels(wxPoint(c.x, c.y));
        wxSize size = parent->ConvertDialogToPixels(wxSize(c.width, c.height));
        const int id = WxIdFor(c.id);
        const wxString text = UiText(c.text);
        wxWindow* window = nullptr;
        switch (c.kind) {
            case K::PushButton:
            case K::DefaultPushButton: {
                auto* button = new wxButton(parent, id, text, pos, size);
                if (c.kind == K::DefaultPushButton) button->SetDefault();
                window = button;
                break;
            }
            case K::Label:
            case K::RightLabel: {
                // A label of more than one line wraps at its width; a one-line label that
                // does not fit shows an ellipsis rather than being cut mid-letter.
                const bool multiLine = c.height > 12;
                auto* label =
                    new wxStaticText(parent, id, text, pos, size,
                                     wxST_NO_AUTORESIZE | (multiLine ? 0 : wxST_ELLIPSIZE_END) |
                                         (c.kind == K::RightLabel ? wxALIGN_RIGHT : wxALIGN_LEFT));
                if (multiLine) label->Wrap(size.x);
                window = label;
                break;
            }
            case K::SunkenText: window = new CSunkenText(parent, id, pos, size); break;
            case K::Edit:
            case K::CentredEdit: {
                auto* edit = new wxTextCtrl(parent, id, text, pos, size,
                                            c.kind == K::CentredEdit ? wxTE_CENTRE : 0);
                AttachTextUndo(edit);
                window = edit;
                break;
            }
            case K::ReportList:
                window = new wxDataViewCtrl(parent, id, pos, size, wxDV_SINGLE | wxBORDER_SUNKEN);
                break;
            case K::DropDownList:
                // The template's height is the opened list's; the closed box is one line.
                size.y = parent->ConvertDialogToPixels(wxSize(0, kClosedListHeight)).y;
                window = new wxChoice(parent, id, pos, size);
                break;
            case K::Slider: {
                auto* slider =
                    new wxSlider(parent, id, 1, 1, 20, pos, size, wxSL_HORIZONTAL | wxSL_AUTOTICKS);
                TickEveryValue(slider);
                window = slider;
                break;
            }
            case K::FirstRadio:
            case K::Radio:
                window = new wxRadioButton(parent, id, text, pos, size,
                                           c.kind == K::FirstRadio ? wxRB_GROUP : 0);
                break;
            case K::CheckBox: window = new wxCheckBox(parent, id, text, pos, size); break;
            case K::GroupBox: window = new wxStaticBox(parent, id, text, pos, size); break;
            case K::UpDown: {
                // Sits at the right edge of the control before it, which gives up that room.
                auto* buddy = As<wxTextCtrl>(previous);
                if (buddy) {
                    const wxRect r = buddy->GetRect();
                    buddy->SetSize(r.width - size.x, r.height);
                    pos = wxPoint(r.GetRight() + 1 - size.x, r.y);
                    size.y = r.height;
                }
                auto* arrows = new CUpDownCtrl(parent, id, pos, size);
                arrows->SetBuddy(buddy);
                window = arrows;
                break;
            }
            case K::Icon:
                window = new wxStaticBitmap(
                    parent, id,
                    ProgramIcons().GetIcon(parent->FromDIP(32),
                                           wxIconBundle::FALLBACK_NEAREST_LARGER),
                    pos, wxDefaultSize);
                break;
            case K::Link: window = new CHyperLink(parent, id, text, pos, size); break;
        }
        if (c.startsDisabled) window->Disable();
        if (c.id >= 0) created[c.id] = window;
        windows.push_back(window);
        previous = window;
    }
    const int widened = MakeRoomForTexts(templ, windows);
    if (widenedBy) *widenedBy = widened;
    AlignLabelsWithTheirRow(templ, windows);
    NameControls(templ, windows);
    BindLabelAccessKeys(parent, templ, windows);
    return created;
}

std::map<int, wxWindow*> BuildDialog(wxDialog* dialog, const res::DialogTemplate& templ,
                                     int escapeId) {
    UseCompactStyle(dialog);
    dialog->SetClientSize(TemplateSizeInPixels(dialog, templ));
    int widened = 0;
    auto controls = BuildControls(dialog, templ, &widened);
    if (widened) dialog->SetClientSize(dialog->GetClientSize() + wxSize(widened, 0));
    dialog->SetEscapeId(escapeId);
    // F1 does what the dialog's More Info button does.
    if (auto found = controls.find(id::kMoreInfoButton); found != controls.end()) {
        wxWindow* moreInfo = found->second;
        dialog->Bind(wxEVT_CHAR_HOOK, [moreInfo](wxKeyEvent& event) {
            if (event.GetKeyCode() != WXK_F1 || event.GetModifiers() != wxMOD_NONE)
                return event.Skip();
            wxCommandEvent press(wxEVT_BUTTON, moreInfo->GetId());
            press.SetEventObject(moreInfo);
            moreInfo->ProcessWindowEvent(press);
        });
    }
    SetAccessibleRole(dialog, AccessibleRole::Dialog);
    dialog->CentreOnParent();
    return controls;
}

}  // namespace glintwick
