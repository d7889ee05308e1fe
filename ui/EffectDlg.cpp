// The Effect dialog: layout from template 102, data exchange with validation, live preview.
#include "ui/EffectDlg.h"

#include <algorithm>

#include "model/CodePage.h"
#include "model/Effect.h"
#include "model/FileError.h"
#include "model/IntegerText.h"
#include "model/MessageFormat.h"
#include "preview/FlashCheck.h"
#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/CodePageTextFilter.h"
#include "ui/DialogBuilder.h"
#include "ui/HelpAccess.h"
#include "ui/Prompt.h"
#include "ui/SunkenText.h"
#include "ui/Translations.h"
#include "ui/UpDownCtrl.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {
constexpr int kMaxTextLength = 500;
constexpr int kMinLoops = CEffect::kMinLoops;
constexpr int kMaxLoops = CEffect::kMaxLoops;
// The text a new effect starts with: the prompt in the user's language, where the project's code
// page can hold it.
std::string DefaultEffectText() {
    std::string text;
    char32_t rejected = 0;
    return Utf8ToCodePage(UiTemplate(str::kDefaultEffectText), text, rejected)
               ? text
               : std::string(str::kDefaultEffectText);
}

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CEffectDlg, wxDialog)
    EVT_INIT_DIALOG(CEffectDlg::OnInitDialog)
    EVT_TIMER(id::kPreviewTimer, CEffectDlg::OnTimer)
    EVT_BUTTON(id::kMoreInfoButton, CEffectDlg::OnMoreInfo)
wxEND_EVENT_TABLE()
// clang-format on

CEffectDlg::CEffectDlg(wxWindow* parent)
    : wxDialog(parent, id::kEffectDialog, UiText(str::kEffectCaption), wxDefaultPosition,
               wxDefaultSize, kDialogStyle),
      m_strText(DefaultEffectText()),
      m_nEffect(CEffect::kDefaultEffect),
      m_nSpeed(CEffect::kDefaultSpeed),
      m_nLoops(CEffect::kDefaultLoops),
      m_ticker(m_strText, m_nEffect, m_nSpeed),
      m_timer(this, id::kPreviewTimer) {
    Build();
}

CEffectDlg::CEffectDlg(wxWindow* parent, const CEffect& effect)
    : wxDialog(parent, id::kEffectDialog, UiText(str::kEffectCaption), wxDefaultPosition,
               wxDefaultSize, kDialogStyle),
      m_strText(effect.GetText()),
      m_nEffect(effect.GetEffect()),
      m_nSpeed(effect.GetSpeed()),
      m_nLoops(effect.GetLoops()),
      m_ticker(m_strText, m_nEffect, m_nSpeed),
      m_timer(this, id::kPreviewTimer) {
    Build();
}

void CEffectDlg::Build() {
    auto controls = BuildDialog(this, res::kEffectDialog, wxID_CANCEL);
    m_edtText = wxStaticCast(controls[id::kTextEdit], wxTextCtrl);
    m_cboEffect = wxStaticCast(controls[id::kEffectCombo], wxChoice);
    m_sldSpeed = wxStaticCast(controls[id::kSpeedSlider], wxSlider);
    m_edtLoops = wxStaticCast(controls[id::kCountEdit], wxTextCtrl);
    m_spnLoops = wxStaticCast(controls[id::kUpDown], CUpDownCtrl);
    m_stcPreview = wxStaticCast(controls[id::kPreviewText], CSunkenText);
    m_stcSpeed = wxStaticCast(controls[id::kSpeedValue], wxStaticText);
    m_stcFlashWarning = wxStaticCast(controls[id::kFlashWarning], wxStaticText);
    m_stcFlashWarning->Hide();
    m_sldSpeed->Bind(wxEVT_SLIDER, [this](wxCommandEvent& event) {
        ShowSpeed();
        event.Skip();
    });
    RestrictToCodePage(m_edtText);
    // GTK opens a closed drop-down on Enter; here Enter presses OK as in the other fields, and
    // Alt+Down or Space open the list.
    m_cboEffect->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !event.HasAnyModifiers()) {
            wxCommandEvent press(wxEVT_BUTTON, wxID_OK);
            press.SetEventObject(FindWindow(wxID_OK));
            ProcessWindowEvent(press);
            return;
        }
        event.Skip();
    });
}

bool CEffectDlg::TransferDataToWindow() {
    SetLimitedText(m_edtText, m_strText, kMaxTextLength);
    if (m_cboEffect->GetCount() > 0) m_cboEffect->SetSelection(m_nEffect);
    m_sldSpeed->SetValue(m_nSpeed);
    ShowSpeed();
    m_edtLoops->ChangeValue(wxString::Format("%d", m_nLoops));
    return true;
}

void CEffectDlg::EndModal(int code) {
    m_timer.Stop();
    wxDialog::EndModal(code);
}

bool CEffectDlg::TransferDataFromWindow() {
    const std::optional<std::string> text = TextWithinLimit(m_edtText, kMaxTextLength);
    if (!text) return Refuse(m_edtText, TooLongMessage(kMaxTextLength));
    m_strText = *text;
    m_nEffect = m_cboEffect->GetSelection();
    m_nSpeed = m_sldSpeed->GetValue();
    const std::optional<int> loops = ParseDialogInteger(m_edtLoops->GetValue().ToStdString());
    if (!loops) return Refuse(m_edtLoops, UiText(str::kEnterInteger));
    if (*loops < kMinLoops || *loops > kMaxLoops) {
        return Refuse(m_edtLoops, UiMessage(str::kEnterIntegerBetween, std::to_string(kMinLoops),
                                            std::to_string(kMaxLoops)));
    }
    m_nLoops = *loops;
    return true;
}

bool CEffectDlg::Refuse(wxTextCtrl* edit, const wxString& message) {
    // GLib does not run a timer again while its callback runs, so a message box shown from a
    // tick would freeze the preview under it: the tick ends first, then the message shows.
    if (m_bTicking) {
        m_bMessagePending = true;
        CallAfter([this, edit, message] {
            ReportInvalidEdit(this, edit, message);
            m_bMessagePending = false;
        });
    } else {
        ReportInvalidEdit(this, edit, message);
    }
    return false;
}

void CEffectDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();  // the standard initialisation exchanges the values to the controls
    m_timer.Start(kTickMilliseconds);
    m_schedule.Start(CTickSchedule::Now());
    m_sldSpeed->SetRange(1, 20);
    TickEveryValue(m_sldSpeed);
    m_sldSpeed->SetValue(m_nSpeed);
    ShowSpeed();
    m_spnLoops->SetRange(kMinLoops, kMaxLoops);
    m_cboEffect->Clear();
    for (int i = 0; i < CEffect::GetNumEffects(); ++i)
        m_cboEffect->Append(UiText(CEffect::GetEffectNameByIndex(i).c_str()));
    m_cboEffect->SetSelection(CEffect::IsValidEffectIndex(m_nEffect) ? m_nEffect : wxNOT_FOUND);
    ShowFlashWarning(m_strText, m_nEffect, m_nSpeed);
    FindWindow(wxID_OK)->SetFocus();
}

void CEffectDlg::ShowSpeed() {
    m_stcSpeed->SetLabel(wxString::Format("%d", m_sldSpeed->GetValue()));
}

void CEffectDlg::ShowFlashWarning(const std::string& text, int effect, int speed) {
    const int flashes = FlashesOnItsOwn(text, effect, speed);
    const bool warn = flashes > kMaxFlashesPerSecond;
    if (warn) {
        m_stcFlashWarning->SetLabel(UiMessage(str::kFlashWarning, std::to_string(flashes)));
        m_stcFlashWarning->Wrap(m_stcFlashWarning->GetSize().x);
    }
    m_stcFlashWarning->Show(warn);
}

// Each timer event plays the ticks the clock calls for, so the loop keeps the page's time.
void CEffectDlg::OnTimer(wxTimerEvent&) {
    for (int due = m_schedule.TicksDue(CTickSchedule::Now()); due > 0; --due) TickPreview();
}

void CEffectDlg::TickPreview() {
    // While a validation message waits or shows, the ticks only animate, so the message is
    // not shown again and again.
    if (!m_bMessagePending) {
        const std::string liveText = FromEditWx(m_edtText->GetValue()).value_or(m_ticker.Text());
        const int liveEffect = m_cboEffect->GetSelection();
        const int liveSpeed = m_sldSpeed->GetValue();
        if (m_ticker.Differs(liveText, liveEffect, liveSpeed)) {
            // The preview takes the live values even when a later field fails validation.
            m_ticker.Restart(liveText, liveEffect, liveSpeed);
            ShowSpeed();
            ShowFlashWarning(liveText, liveEffect, liveSpeed);
            m_bTicking = true;
            TransferDataFromWindow();
            m_bTicking = false;
        }
    }
    if (auto frame = m_ticker.Tick()) m_stcPreview->SetLabel(ToWxShown(*frame));
}

void CEffectDlg::OnMoreInfo(wxCommandEvent&) { ShowHelpTopic(kHelpTopicEffectDialog); }

}  // namespace glintwick
