// A small pair of up and down arrows that steps the integer in its buddy edit box.
#pragma once

#include <wx/control.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

namespace glintwick {

class CUpDownCtrl : public wxControl {
public:
    CUpDownCtrl(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size);

    // Binds the arrows to `buddy`: they step its number and the arrow keys in it do the same.
    void SetBuddy(wxTextCtrl* buddy);
    wxTextCtrl* GetBuddy() const { return m_buddy; }
    void SetRange(int low, int high);
    int GetLow() const { return m_low; }
    int GetHigh() const { return m_high; }
    // The buddy's number; while its text is no number, the last value stepped to.
    int CurrentValue() const;
    // `value` within the range, written into the buddy as a decimal number.
    void SetCurrentValue(int value);
    // One step up (+1) or down (-1) from the current value, told to the parent as wxEVT_SPIN.
    void Step(int direction);

    bool AcceptsFocus() const override { return false; }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouseDown(wxMouseEvent& event);
    void OnMouseUp(wxMouseEvent& event);
    void OnRepeat(wxTimerEvent& event);
    void OnBuddyKey(wxKeyEvent& event);

    wxTextCtrl* m_buddy = nullptr;
    int m_low = 0;
    int m_high = 100;
    int m_position = 0;
    int m_pressed = 0;  // +1 up arrow held, -1 down arrow held
    wxTimer m_repeat;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
