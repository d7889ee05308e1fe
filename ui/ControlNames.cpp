// Which captions and labels name a control, found by where they stand in the template.
#include "ui/ControlNames.h"

#include <wx/control.h>
#include <wx/event.h>

#include <cctype>
#include <map>
#include <optional>
#include <string>

#include "ui/Accessibility.h"
#include "ui/TemplateGeometry.h"
#include "ui/Translations.h"

namespace glintwick {

namespace {

using K = res::ControlKind;
using Controls = std::span<const res::ControlTemplate>;

// The list's columns and rows say what it is; a link or a picture is named by its owner.
bool NeedsName(const res::ControlTemplate& c) {
    switch (c.kind) {
        case K::Edit:
        case K::CentredEdit:
        case K::DropDownList:
        case K::Slider:
        case K::UpDown:
        case K::SunkenText: return true;
        case K::FirstRadio:
        case K::Radio:
        case K::CheckBox: return *c.text == '\0';
        default: return false;
    }
}

bool IsLabel(const res::ControlTemplate& c) {
    return (c.kind == K::Label || c.kind == K::RightLabel) && *c.text != '\0';
}

bool Inside(const res::ControlTemplate& inner, const res::ControlTemplate& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + ShownHeight(inner) <= outer.y + outer.height;
}

int CentreAcross(const res::ControlTemplate& c) { return c.x + c.width / 2; }

// The smallest captioned group box around `control`.
std::optional<size_t> Group(Controls controls, const res::ControlTemplate& control) {
    std::optional<size_t> best;
    for (size_t i = 0; i < controls.size(); ++i) {
        const res::ControlTemplate& c = controls[i];
        if (c.kind != K::GroupBox || *c.text == '\0' || !Inside(control, c)) continue;
        if (!best || c.width * c.height < controls[*best].width * controls[*best].height) best = i;
    }
    return best;
}

// The nearest label in `control`'s row, before it or after it.
std::optional<size_t> RowLabel(Controls controls, const res::ControlTemplate& control,
                               bool before) {
    std::optional<size_t> best;
    for (size_t i = 0; i < controls.size(); ++i) {
        const res::ControlTemplate& c = controls[i];
        if (!IsLabel(c) || !ShareARow(c, control)) continue;
        if ((CentreAcross(c) < CentreAcross(control)) != before) continue;
        if (!best || GapAcross(c, control) < GapAcross(controls[*best], control)) best = i;
    }
    return best;
}

// The nearest label that ends above `control` and shares some width with it.
std::optional<size_t> LabelAbove(Controls controls, const res::ControlTemplate& control) {
    std::optional<size_t> best;
    for (size_t i = 0; i < controls.size(); ++i) {
        const res::ControlTemplate& c = controls[i];
        if (!IsLabel(c) || c.y + c.height > control.y || GapAcross(c, control) >= 0) continue;
        if (!best || c.y + c.height > controls[*best].y + controls[*best].height) best = i;
    }
    return best;
}

// The template indexes of the texts that name control `index`, in reading order.
std::vector<size_t> NamingTexts(const res::DialogTemplate& templ, size_t index) {
    const res::ControlTemplate& control = templ.controls[index];
    if (!NeedsName(control)) return {};
    std::vector<size_t> texts;
    for (std::optional<size_t> text :
         {Group(templ.controls, control), RowLabel(templ.controls, control, true),
          RowLabel(templ.controls, control, false)})
        if (text) texts.push_back(*text);
    if (texts.empty())
        if (std::optional<size_t> above = LabelAbove(templ.controls, control))
            texts.push_back(*above);
    return texts;
}

// A label's text as read aloud: without the '&' that marks its access key ("&&" is an '&').
std::string WithoutAccessKey(const char* text) {
    std::string plain;
    for (const char* c = text; *c; ++c)
        if (*c != '&' || *++c) plain += *c;
    return plain;
}

std::string NameFromTexts(const res::DialogTemplate& templ, size_t index) {
    std::string texts;
    for (size_t text : NamingTexts(templ, index))
        texts += " " + WithoutAccessKey(UiTemplate(templ.controls[text].text).c_str());
    std::string name;
    for (char c : texts) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            name += c;
        else if (!name.empty() && name.back() != ' ')
            name += ' ';
    }
    if (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

}  // namespace

void NameControls(const res::DialogTemplate& templ, const std::vector<wxWindow*>& windows) {
    for (size_t i = 0; i < templ.controls.size(); ++i) {
        const std::vector<size_t> texts = NamingTexts(templ, i);
        if (texts.empty()) continue;
        SetAccessibleName(windows[i], wxString::FromUTF8(NameFromTexts(templ, i)));
        for (size_t text : texts) AddAccessibleLabel(windows[i], windows[text]);
    }
}

void BindLabelAccessKeys(wxWindow* parent, const res::DialogTemplate& templ,
                         const std::vector<wxWindow*>& windows) {
    std::map<wxChar, wxWindow*> targets;
    for (size_t i = 0; i < templ.controls.size(); ++i)
        for (size_t text : NamingTexts(templ, i)) {
            const res::ControlTemplate& label = templ.controls[text];
            if (label.kind != K::Label && label.kind != K::RightLabel) continue;
            wxString shown;  // the text without its '&', where `at` counts
            const int at = wxControl::FindAccelIndex(UiText(label.text), &shown);
            if (at >= 0) targets.emplace(wxToupper(shown[static_cast<size_t>(at)]), windows[i]);
        }
    if (targets.empty()) return;
    parent->Bind(wxEVT_CHAR_HOOK, [targets](wxKeyEvent& event) {
        const auto found = event.GetModifiers() == wxMOD_ALT
                               ? targets.find(wxToupper(static_cast<wxChar>(event.GetKeyCode())))
                               : targets.end();
        if (found == targets.end() || !found->second->IsEnabled()) return event.Skip();
        found->second->SetFocus();
    });
}

}  // namespace glintwick
