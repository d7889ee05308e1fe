// The Effect dialog: edits one effect's text, effect, speed and loops with a live preview.
#pragma once

#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <string>

#include "preview/EffectPreviewTicker.h"
#include "preview/TickSchedule.h"

namespace glintwick {

class CEffect;
class CSunkenText;
class CUpDownCtrl;

class CEffectDlg : public wxDialog {
public:
    // A new effect: the record defaults.
    explicit CEffectDlg(wxWindow* parent);
    // An existing effect: its four values.
    CEffectDlg(wxWindow* parent, const CEffect& effect);

    bool TransferDataToWindow() override;
    // The preview ends with the dialog.
    void EndModal(int code) override;
    // Reads text, effect, speed and loops in this order; stops at the first invalid value
    // with its message, keeping the values read before it.
    bool TransferDataFromWindow() override;

    void OnTimer(wxTimerEvent& event);
    // One tick of the preview; the timer calls it every 10 ms, tests call it directly.
    void TickPreview();
    void OnMoreInfo(wxCommandEvent& event);

    std::string m_strText;
    int m_nEffect;
    int m_nSpeed;
    int m_nLoops;

    wxTextCtrl* TextEdit() const { return m_edtText; }
    wxChoice* EffectList() const { return m_cboEffect; }
    wxSlider* SpeedSlider() const { return m_sldSpeed; }
    wxTextCtrl* LoopsEdit() const { return m_edtLoops; }
    CUpDownCtrl* LoopsArrows() const { return m_spnLoops; }
    CSunkenText* PreviewText() const { return m_stcPreview; }
    wxStaticText* SpeedValue() const { return m_stcSpeed; }
    wxStaticText* FlashWarning() const { return m_stcFlashWarning; }
    const CEffectPreviewTicker& Ticker() const { return m_ticker; }

private:
    void Build();
    void OnInitDialog(wxInitDialogEvent& event);
    // The slider's position as a number beside it.
    void ShowSpeed();
    // Warns while these values, played over and over in a page, flash more than three times in
    // a second; hidden otherwise.
    void ShowFlashWarning(const std::string& text, int effect, int speed);

    // Shows a validation message for `edit` (after the tick when one is running); false.
    bool Refuse(wxTextCtrl* edit, const wxString& message);

    CEffectPreviewTicker m_ticker;
    wxTimer m_timer;
    CTickSchedule m_schedule;
    bool m_bTicking = false;
    bool m_bMessagePending = false;
    wxTextCtrl* m_edtText = nullptr;
    wxChoice* m_cboEffect = nullptr;
    wxSlider* m_sldSpeed = nullptr;
    wxTextCtrl* m_edtLoops = nullptr;
    CUpDownCtrl* m_spnLoops = nullptr;
    CSunkenText* m_stcPreview = nullptr;
    wxStaticText* m_stcSpeed = nullptr;
    wxStaticText* m_stcFlashWarning = nullptr;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
