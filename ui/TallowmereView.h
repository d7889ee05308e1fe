// The main view: the effects list, its buttons, the repeat group and the preview player.
#pragma once

#include <wx/button.h>
#include <wx/dataview.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <functional>
#include <string>

#include "model/DocumentBase.h"
#include "preview/PreviewPlayer.h"
#include "preview/SequenceTiming.h"
#include "preview/TickSchedule.h"
#include "ui/EffectListModel.h"
#include "ui/LayoutManager.h"

namespace glintwick {

class CTallowmereDoc;
class CHyperLink;
class CSunkenText;
class CUpDownCtrl;

class CTallowmereView : public wxScrolledWindow, public CDocumentView {
public:
    CTallowmereView(wxWindow* parent, CTallowmereDoc& doc);
    ~CTallowmereView() override;

    // A project was created or opened.
    void OnInitialUpdate() override;
    // The document changed: a changed list stops the preview and is redrawn; the repeat group
    // follows the project.
    void OnUpdate() override;
    // How long the sequence plays, for the frame's status bar, where it does not disturb the
    // form.
    wxString DescribeDuration();

    void OnAddNew(wxCommandEvent& event);
    void OnEdit(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnMoveUp(wxCommandEvent& event);
    void OnMoveDown(wxCommandEvent& event);
    void OnDblClkList(wxDataViewEvent& event);
    void OnItemChangedList(wxDataViewEvent& event);
    void OnRepeatForever(wxCommandEvent& event);
    void OnRepeatTimes(wxCommandEvent& event);
    void OnKillFocusRepeatCount(wxFocusEvent& event);
    // A count typed into the box reaches the project when the box loses the focus; every
    // command takes it first (the document asks for it), exactly as leaving the box would.
    void CommitRepeatCount();
    void OnStart(wxCommandEvent& event);
    void OnPause(wxCommandEvent& event);
    void OnStop(wxCommandEvent& event);
    void OnStop();
    void OnTimer(wxTimerEvent& event);
    // One tick of the preview; the timer calls it every 10 ms, tests call it directly.
    void TickPreview();
    void OnSize(wxSizeEvent& event);

    // Where a file dropped on the list goes: the frame's Open.
    void SetFileDropHandler(std::function<void(const std::string&)> open) {
        m_openDroppedFile = std::move(open);
    }

    // The form's designed size in pixels.
    wxSize GetFormSize() const;
    // The larger of the visible area and the form: what the layout fills.
    wxSize GetLayoutSize() const;
    bool IsPlaying() const { return m_timer.IsRunning(); }
    int GetTimerInterval() const { return m_timer.GetInterval(); }
    long FirstSelectedRow() const;

    // The form's controls, for the frame and the tests.
    wxDataViewCtrl* EffectsList() const { return m_lstEffects; }
    CEffectListModel* EffectsModel() const { return m_model.get(); }
    // Selects `row` as a click would, and brings it into view.
    void SelectRow(long row);
    wxButton* AddNewButton() const { return m_btnAddNew; }
    wxButton* EditButton() const { return m_btnEdit; }
    wxButton* DeleteButton() const { return m_btnDelete; }
    wxButton* MoveUpButton() const { return m_btnMoveUp; }
    wxButton* MoveDownButton() const { return m_btnMoveDown; }
    wxRadioButton* ForeverRadio() const { return m_rdoForever; }
    wxRadioButton* TimesRadio() const { return m_rdoTimes; }
    wxTextCtrl* CountEdit() const { return m_edtRepeatCount; }
    CUpDownCtrl* CountArrows() const { return m_spnRepeatCount; }
    wxStaticText* TimesLabel() const { return m_stcTimes; }
    CSunkenText* Display() const { return m_stcDisplay; }
    wxButton* StartButton() const { return m_btnStart; }
    wxButton* PauseButton() const { return m_btnPause; }
    wxButton* StopButton() const { return m_btnStop; }
    CHyperLink* LogoLink() const { return m_picLogo; }

private:
    bool m_bFirstUpdate = true;
    bool m_bPaused = false;
    CPreviewPlayer m_player;
    CLayoutManager m_layout;

    wxObjectDataPtr<CEffectListModel> m_model;
    wxDataViewCtrl* m_lstEffects = nullptr;
    wxButton* m_btnAddNew = nullptr;
    wxButton* m_btnEdit = nullptr;
    wxButton* m_btnDelete = nullptr;
    wxButton* m_btnMoveUp = nullptr;
    wxButton* m_btnMoveDown = nullptr;
    wxRadioButton* m_rdoForever = nullptr;
    wxRadioButton* m_rdoTimes = nullptr;
    wxTextCtrl* m_edtRepeatCount = nullptr;
    CUpDownCtrl* m_spnRepeatCount = nullptr;
    wxStaticText* m_stcTimes = nullptr;
    CSunkenText* m_stcDisplay = nullptr;
    wxButton* m_btnStart = nullptr;
    wxButton* m_btnPause = nullptr;
    wxButton* m_btnStop = nullptr;
    CHyperLink* m_picLogo = nullptr;

    void CreateColumns();
    void SetRules();
    void ShrinkFrameToForm();
    void EnableRowButtons(long row);
    void EnableRepeatCount(bool enable);
    void StoreRepeatCount();
    void ShowChangedRow();
    // Moves the selected row one place up (-1) or down (+1).
    void MoveSelected(int step);
    // Moves the row at `row` to `to` as one command (none when `to` is off the list).
    void MoveRow(long row, long to);
    void FocusRow(long row);
    // The repeat choice as a command, when it changes the project.
    void SubmitRepeat(int repeat);
    // The count the box's text stands for, within 1 to 100.
    int CountInBox() const;

    CTallowmereDoc& m_doc;
    wxTimer m_timer;
    CTickSchedule m_schedule;
    long m_nSelectionMark = -1;
    long m_nRowToShow = -1;  // the row the next refresh brings into view
    bool m_bStoringCount = false;
    int m_widenedForTexts = 0;  // how much wider than its template the form is for its texts
    // The document's list as the list control last showed it: a refresh of an unchanged list (a
    // view is refreshed more than once while a project opens) does not rebuild the rows.
    uint64_t m_shownListVersion = UINT64_MAX;
    CPassTally m_passTally;  // the pass the status bar states
    std::function<void(const std::string&)> m_openDroppedFile;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace glintwick
