// What MSAA clients (screen readers on Windows) read of the windows the program names and draws.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>

#include "ui/Accessibility.h"

namespace glintwick {
namespace {

// The name, role and value of a window's client object, as a reader asks for them.
struct Answers {
    std::wstring name;
    long role = 0;
    std::wstring value;
};

Answers Ask(wxWindow* window) {
    Answers answers;
    IAccessible* accessible = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(static_cast<HWND>(window->GetHandle()), OBJID_CLIENT,
                                            IID_IAccessible,
                                            reinterpret_cast<void**>(&accessible))))
        return answers;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &text)) && text) answers.name = text;
    ::SysFreeString(text);
    text = nullptr;
    if (SUCCEEDED(accessible->get_accValue(self, &text)) && text) answers.value = text;
    ::SysFreeString(text);
    VARIANT role;
    ::VariantInit(&role);
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4)
        answers.role = role.lVal;
    accessible->Release();
    return answers;
}

TEST(Accessibility, ReadersGetTheNamesRolesAndValuesTheProgramGives) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Readers");
    auto* label = new wxStaticText(frame, wxID_ANY, "&Final text:");
    auto* edit = new wxTextCtrl(frame, wxID_ANY, "Bye", wxPoint(0, 30));
    auto* named = new wxWindow(frame, wxID_ANY, wxPoint(0, 60), wxSize(20, 20));
    auto* link = new wxWindow(frame, wxID_ANY, wxPoint(0, 90), wxSize(20, 20));
    auto* arrows = new wxWindow(frame, wxID_ANY, wxPoint(0, 120), wxSize(20, 20));
    auto* marquee = new wxWindow(frame, wxID_ANY, wxPoint(0, 150), wxSize(20, 20));
    int count = 7;
    AddAccessibleLabel(edit, label);
    SetAccessibleName(named, "Maker's logo");
    SetAccessibleRole(link, AccessibleRole::Link);
    ExposeAsSpinButton(arrows, {[&] { return count; }, [] { return 1; }, [] { return 100; },
                                [&](int v) { count = v; }});
    ExposeAsMarquee(marquee, [] { return wxString("Welcome!"); });
    frame->Show();

    EXPECT_EQ(Ask(edit).name, L"Final text:");
    EXPECT_EQ(Ask(named).name, L"Maker's logo");
    EXPECT_EQ(Ask(link).role, ROLE_SYSTEM_LINK);
    const Answers spin = Ask(arrows);
    EXPECT_EQ(spin.role, ROLE_SYSTEM_SPINBUTTON);
    EXPECT_EQ(spin.value, L"7");
    count = 12;
    NotifyValueChanged(arrows);
    EXPECT_EQ(Ask(arrows).value, L"12");
    const Answers text = Ask(marquee);
    EXPECT_EQ(text.role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(text.value, L"Welcome!");
    frame->Destroy();
}

}  // namespace
}  // namespace glintwick
