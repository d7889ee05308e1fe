// The main view's handlers: list editing through the document, repeat group, preview player.
#include "ui/TallowmereView.h"

#include <wx/frame.h>
#include <wx/spinbutt.h>

#include <algorithm>
#include <memory>

#include "model/IntegerText.h"
#include "model/ProjectCommands.h"
#include "model/TallowmereDoc.h"
#include "preview/SequenceTiming.h"
#include "resources/Art.h"
#include "resources/Ids.h"
#include "resources/StringTable.h"
#include "resources/Templates.h"
#include "ui/Accessibility.h"
#include "ui/DialogBuilder.h"
#include "ui/EffectDlg.h"
#include "ui/EffectListInput.h"
#include "ui/FocusMove.h"
#include "ui/HyperLink.h"
#include "ui/ListControl.h"
#include "ui/PlatformStyle.h"
#include "ui/Prompt.h"
#include "ui/SunkenText.h"
#include "ui/TextFit.h"
#include "ui/Translations.h"
#include "ui/UpDownCtrl.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {
constexpr int kMinRepeat = 1;
constexpr int kMaxRepeat = 100;
constexpr int kPreviewPeriodMs = kTickMilliseconds;
}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CTallowmereView, wxScrolledWindow)
    EVT_BUTTON(id::kAddNewButton, CTallowmereView::OnAddNew)
    EVT_BUTTON(id::kEditButton, CTallowmereView::OnEdit)
    EVT_BUTTON(id::kDeleteButton, CTallowmereView::OnDelete)
    EVT_BUTTON(id::kMoveUpButton, CTallowmereView::OnMoveUp)
    EVT_BUTTON(id::kMoveDownButton, CTallowmereView::OnMoveDown)
    EVT_DATAVIEW_ITEM_ACTIVATED(id::kEffectsList, CTallowmereView::OnDblClkList)
    EVT_DATAVIEW_SELECTION_CHANGED(id::kEffectsList, CTallowmereView::OnItemChangedList)
    EVT_RADIOBUTTON(id::kForeverRadio, CTallowmereView::OnRepeatForever)
    EVT_RADIOBUTTON(id::kTimesRadio, CTallowmereView::OnRepeatTimes)
    EVT_BUTTON(id::kStartButton, CTallowmereView::OnStart)
    EVT_BUTTON(id::kPauseButton, CTallowmereView::OnPause)
    EVT_BUTTON(id::kStopButton, CTallowmereView::OnStop)
    EVT_TIMER(id::kPreviewTimer, CTallowmereView::OnTimer)
    EVT_SIZE(CTallowmereView::OnSize)
wxEND_EVENT_TABLE()
// clang-format on

CTallowmereView::CTallowmereView(wxWindow* parent, CTallowmereDoc& doc)
    : wxScrolledWindow(parent, id::kMainForm, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxTAB_TRAVERSAL),
      m_player(doc),
      m_model(new CEffectListModel(doc)),
      m_doc(doc),
      m_timer(this, id::kPreviewTimer) {
    auto controls = BuildControls(this, res::kMainForm, &m_widenedForTexts);
    auto button = [&](int id) { return wxStaticCast(controls[id], wxButton); };
    m_lstEffects = wxStaticCast(controls[id::kEffectsList], wxDataViewCtrl);
    m_lstEffects->AssociateModel(m_model.get());
    SetAccessibleName(m_lstEffects, UiText(str::kEffectsListName));
    m_btnAddNew = button(id::kAddNewButton);
    m_btnEdit = button(id::kEditButton);
    m_btnDelete = button(id::kDeleteButton);
    m_btnMoveUp = button(id::kMoveUpButton);
    m_btnMoveDown = button(id::kMoveDownButton);
    m_rdoForever = wxStaticCast(controls[id::kForeverRadio], wxRadioButton);
    m_rdoTimes = wxStaticCast(controls[id::kTimesRadio], wxRadioButton);
    m_edtRepeatCount = wxStaticCast(controls[id::kCountEdit], wxTextCtrl);
    m_spnRepeatCount = wxStaticCast(controls[id::kUpDown], CUpDownCtrl);
    m_stcTimes = wxStaticCast(controls[id::kTimesLabel], wxStaticText);
    m_stcDisplay = wxStaticCast(controls[id::kDisplay], CSunkenText);
    m_btnStart = button(id::kStartButton);
    m_btnPause = button(id::kPauseButton);
    m_btnStop = button(id::kStopButton);
    m_picLogo = wxStaticCast(controls[id::kLogoPicture], CHyperLink);
    m_picLogo->SetBitmap(LogoBitmap(*this), ToWx(str::kCompany));
    m_edtRepeatCount->Bind(wxEVT_KILL_FOCUS, &CTallowmereView::OnKillFocusRepeatCount, this);
    BindEffectListInput(m_lstEffects, {[this] {
                                           wxCommandEvent none;
                                           OnDelete(none);
                                       },
                                       [this](int step) { MoveSelected(step); },
                                       [this](long row, long to) { MoveRow(row, to); },
                                       [this](const std::string& path) {
                                           if (m_openDroppedFile) m_openDroppedFile(path);
                                       }});
    // A count the arrows stepped to is the project's at once: it is what Save must write.
    Bind(
        wxEVT_SPIN, [this](wxSpinEvent&) { StoreRepeatCount(); }, id::kUpDown);

    SetScrollRate(10, 10);
    SetVirtualSize(GetFormSize());
    m_doc.AddView(this);
    // A count still being typed goes in before any command, as a step of its own.
    m_doc.SetPendingEdit([this] { CommitRepeatCount(); });
}

CTallowmereView::~CTallowmereView() {
    m_timer.Stop();
    m_doc.SetPendingEdit({});
    m_doc.RemoveView(this);
}

wxSize CTallowmereView::GetFormSize() const {
    return TemplateSizeInPixels(const_cast<CTallowmereView*>(this), res::kMainForm) +
           wxSize(m_widenedForTexts, 0);
}

void CTallowmereView::OnInitialUpdate() {
    OnUpdate();
    ShrinkFrameToForm();
    if (m_bFirstUpdate) {
        CreateColumns();
        m_bFirstUpdate = false;
        m_spnRepeatCount->SetRange(kMinRepeat, kMaxRepeat);
        m_btnStart->Enable();
        m_btnPause->Disable();
        m_btnStop->Disable();
        OnUpdate();
    }
    // The layout is recorded unscrolled with every control at its designed place, so that a
    // frame still settling its size cannot skew the record.
    Scroll(0, 0);
    m_layout.Resize(GetFormSize());
    m_layout.Init(this, GetFormSize());
    SetRules();
    m_layout.Resize(GetLayoutSize());
    m_doc.SetModified(false);
}

// The columns take their designed shares of the list's width once, where a translated title
// needs no more; fixed widths also spare the list from measuring every row of a long project.
void CTallowmereView::CreateColumns() {
    m_lstEffects->ClearColumns();
    const int width = ListColumnsWidth(*m_lstEffects);
    const int numbers = static_cast<int>(width * 0.14);
    const wxString titles[] = {UiText(str::kColumnText), UiText(str::kColumnEffect),
                               UiText(str::kColumnSpeed), UiText(str::kColumnLoops)};
    std::vector<int> needs;
    for (const wxString& title : titles) needs.push_back(ColumnTitleWidth(*m_lstEffects, title));
    const std::vector<int> widths = WidthsShowingTitles(
        {static_cast<int>(width * 0.4), static_cast<int>(width * 0.3), numbers, numbers}, needs);
    for (unsigned column = 0; column < widths.size(); ++column) {
        wxDataViewColumn* added =
            m_lstEffects->AppendTextColumn(titles[column], column, wxDATAVIEW_CELL_INERT,
                                           widths[column], wxALIGN_LEFT, wxDATAVIEW_COL_RESIZABLE);
        added->GetRenderer()->EnableEllipsize(wxELLIPSIZE_END);
    }
    // Where the list is drawn by wx itself (not on GTK), its header and rows are placed only
    // on a change of size, which a list made at its final size never gets.
    m_lstEffects->Layout();
}

void CTallowmereView::SetRules() {
    constexpr int kFixed = LAYOUT_KEEP_SIZE | LAYOUT_KEEP_NEAR;     // 3
    constexpr int kFollow = LAYOUT_KEEP_SIZE | LAYOUT_FOLLOW_FAR;   // 5
    constexpr int kStretch = LAYOUT_KEEP_NEAR | LAYOUT_FOLLOW_FAR;  // 6
    m_layout.SetRule(m_lstEffects, kStretch, kStretch);
    for (wxWindow* button : {m_btnAddNew, m_btnEdit, m_btnDelete, m_btnMoveUp, m_btnMoveDown})
        m_layout.SetRule(button, kFollow, kFixed);
    m_layout.SetRuleById(id::kRepeatGroup, kStretch, kFollow);
    for (int id :
         {id::kForeverRadio, id::kTimesRadio, id::kCountEdit, id::kUpDown, id::kTimesLabel})
        m_layout.SetRuleById(id, kFixed, kFollow);
    m_layout.SetRuleById(id::kPreviewGroup, kStretch, kFollow);
    m_layout.SetRule(m_stcDisplay, kStretch, kFollow);
    for (wxWindow* button : {m_btnStart, m_btnPause, m_btnStop})
        m_layout.SetRule(button, kFixed, kFollow);
    m_layout.SetRule(m_picLogo, kFollow, kFollow);
}

void CTallowmereView::ShrinkFrameToForm() {
    wxWindow* frame = wxGetTopLevelParent(this);
    if (!frame || frame == this) return;
    // The view fills the frame's client area, less any bar the frame draws itself.
    const wxSize extra = frame->GetClientSize() - GetSize();
    const wxSize form = GetFormSize() + (GetSize() - GetClientSize());
    const wxSize now = GetSize();
    const wxSize wanted(std::min(now.x, form.x), std::min(now.y, form.y));
    if (wanted != now) frame->SetClientSize(wanted + extra);
}

void CTallowmereView::OnUpdate() {
    // Only what the document changed is drawn anew; the list keeps its scroll position.
    const ListChange& change = m_doc.LastListChange();
    const auto row = static_cast<unsigned>(change.row);
    const bool listChanged = m_doc.ListVersion() != m_shownListVersion;
    switch (change.kind) {
        case ListChange::Kind::Added: m_model->RowInserted(row); break;
        case ListChange::Kind::Updated: m_model->RowChanged(row); break;
        case ListChange::Kind::Deleted: m_model->RowDeleted(row); break;
        case ListChange::Kind::Moved:
            for (int i = std::min(change.row, change.to); i <= std::max(change.row, change.to); ++i)
                m_model->RowChanged(static_cast<unsigned>(i));
            break;
        case ListChange::Kind::All:
            if (listChanged) m_model->Reset(static_cast<unsigned>(m_doc.GetCount()));
            break;
    }
    m_shownListVersion = m_doc.ListVersion();
    // A change of the settings alone leaves the list's selection and the preview as they were.
    if (listChanged) {
        OnStop();
        m_lstEffects->UnselectAll();
        m_nSelectionMark = -1;
    }
    ShowChangedRow();

    const int repeat = m_doc.GetRepeat();
    m_rdoForever->SetValue(repeat == 0);
    m_rdoTimes->SetValue(repeat != 0);
    EnableRepeatCount(repeat != 0);
    // The box keeps a text that stands for the count (250 for 100), and keeps the count
    // while Forever is chosen, except in a project just made or opened.
    const bool replaced = listChanged && change.kind == ListChange::Kind::All;
    if (repeat != 0 ? CountInBox() != repeat : replaced)
        m_edtRepeatCount->ChangeValue(wxString::Format("%d", repeat == 0 ? 1 : repeat));
    if (listChanged) EnableRowButtons(-1);
}

// The row a command just changed comes into view and keeps the keyboard's place (current, not
// selected), so the arrow keys go on from there.
void CTallowmereView::ShowChangedRow() {
    if (m_nRowToShow >= 0 && m_nRowToShow < m_doc.GetCount()) {
        m_lstEffects->EnsureVisible(m_model->GetItem(static_cast<unsigned>(m_nRowToShow)));
        PutListCursor(m_lstEffects, static_cast<unsigned>(m_nRowToShow));
        m_lstEffects->UnselectAll();  // the toolkit selects the row it puts the cursor on
    }
    m_nRowToShow = -1;
}

wxString CTallowmereView::DescribeDuration() {
    // Whoever asks, the sum is brought up to the list first (at once if it did not change).
    m_passTally.Follow(m_doc);
    return wxString::FromUTF8(
        DescribeTiming(m_passTally.Timing(m_doc), m_doc.GetRepeat(), UiTemplate));
}

void CTallowmereView::EnableRowButtons(long row) {
    const bool selected = row >= 0;
    m_btnEdit->Enable(selected);
    m_btnDelete->Enable(selected);
    m_btnMoveUp->Enable(selected && row > 0);
    m_btnMoveDown->Enable(selected && row < m_doc.GetCount() - 1);
}

void CTallowmereView::EnableRepeatCount(bool enable) {
    m_edtRepeatCount->Enable(enable);
    m_spnRepeatCount->Enable(enable);
    m_spnRepeatCount->Refresh();
}

void CTallowmereView::OnAddNew(wxCommandEvent&) {
    CEffectDlg dialog(this);
    if (dialog.ShowModal() != wxID_OK) return;
    OnStop();
    m_nRowToShow = m_doc.GetCount();
    m_doc.Submit(AddCommand(
        m_doc, CEffect(dialog.m_strText, dialog.m_nEffect, dialog.m_nSpeed, dialog.m_nLoops)));
}

void CTallowmereView::OnEdit(wxCommandEvent&) {
    const long row = m_nSelectionMark;
    if (row < 0 || row >= m_doc.GetCount()) {
        ShowMessageBox(this, UiText(str::kChooseEffect), wxOK | wxICON_EXCLAMATION);
        return;
    }
    CEffectDlg dialog(this, *m_doc.GetAt(static_cast<int>(row)));
    if (dialog.ShowModal() != wxID_OK) return;
    OnStop();
    m_nRowToShow = row;
    m_doc.Submit(
        EditCommand(m_doc, static_cast<int>(row),
                    CEffect(dialog.m_strText, dialog.m_nEffect, dialog.m_nSpeed, dialog.m_nLoops)));
    FocusRow(row);
}

void CTallowmereView::OnDelete(wxCommandEvent&) {
    const long row = m_nSelectionMark;
    if (row < 0 || row >= m_doc.GetCount()) return;
    const int answer =
        ShowMessageBox(this, UiText(str::kDeleteQuestion),
                       wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, UiText(str::kDeleteCaption));
    if (answer != wxYES) return;
    OnStop();
    m_doc.Submit(DeleteCommand(m_doc, static_cast<int>(row)));
    FocusRow(std::min<long>(row, m_doc.GetCount() - 1));  // the row after it, or the last
}

void CTallowmereView::OnMoveUp(wxCommandEvent&) { MoveSelected(-1); }

void CTallowmereView::OnMoveDown(wxCommandEvent&) { MoveSelected(+1); }

void CTallowmereView::MoveSelected(int step) {
    const long row = FirstSelectedRow();
    if (row >= 0) MoveRow(row, row + step);
}

void CTallowmereView::MoveRow(long row, long to) {
    OnStop();
    // The moved effect stays selected at its new place, which enables the buttons again; a
    // move past either end changes nothing.
    const bool moves = to >= 0 && to < m_doc.GetCount() && to != row;
    if (moves) m_doc.Submit(MoveCommand(m_doc, static_cast<int>(row), static_cast<int>(to)));
    FocusRow(moves ? to : row);
}

// A command that disabled the button it came from leaves the keyboard in the list, on a selected
// row, so that the next Edit or Delete is one key away.
void CTallowmereView::FocusRow(long row) {
    if (row >= 0) SelectRow(row);
    m_lstEffects->SetFocus();
}

void CTallowmereView::OnDblClkList(wxDataViewEvent&) {
    if (FirstSelectedRow() >= 0) {
        wxCommandEvent none;
        OnEdit(none);
    }
}

long CTallowmereView::FirstSelectedRow() const {
    const wxDataViewItem item = m_lstEffects->GetSelection();
    return item.IsOk() ? static_cast<long>(m_model->GetRow(item)) : -1;
}

void CTallowmereView::SelectRow(long row) {
    PutListCursor(m_lstEffects, static_cast<unsigned>(row));
    m_lstEffects->EnsureVisible(m_model->GetItem(static_cast<unsigned>(row)));
    // A selection made here sends no notification: the buttons follow it as they would.
    m_nSelectionMark = row;
    EnableRowButtons(row);
}

void CTallowmereView::OnItemChangedList(wxDataViewEvent&) {
    // The buttons follow the row that is selected once the change is done; the selection mark
    // is the row the user selected last.
    const long row = FirstSelectedRow();
    if (row >= 0) m_nSelectionMark = row;
    EnableRowButtons(row);
}

void CTallowmereView::OnRepeatForever(wxCommandEvent&) {
    EnableRepeatCount(false);
    SubmitRepeat(0);
    OnStop();
}

void CTallowmereView::OnRepeatTimes(wxCommandEvent&) {
    EnableRepeatCount(true);
    SubmitRepeat(ParseLeadingInteger(m_edtRepeatCount->GetValue().ToStdString()));
    OnStop();
}

void CTallowmereView::SubmitRepeat(int repeat) {
    if (repeat == m_doc.GetRepeat()) return;
    m_bStoringCount = true;  // this is the count's own step: nothing is pending before it
    m_doc.Submit(RepeatCommand(m_doc, repeat));
    m_bStoringCount = false;
}

int CTallowmereView::CountInBox() const {
    return std::clamp(ParseLeadingInteger(m_edtRepeatCount->GetValue().ToStdString()), kMinRepeat,
                      kMaxRepeat);
}

void CTallowmereView::OnKillFocusRepeatCount(wxFocusEvent& event) {
    event.Skip();
    StoreRepeatCount();
    m_edtRepeatCount->SetSelection(100, 100);
    m_edtRepeatCount->ShowPosition(m_edtRepeatCount->GetInsertionPoint());
}

void CTallowmereView::StoreRepeatCount() {
    if (!m_rdoForever->GetValue()) SubmitRepeat(CountInBox());
}

void CTallowmereView::CommitRepeatCount() {
    if (!m_bStoringCount && wxWindow::FindFocus() == m_edtRepeatCount) StoreRepeatCount();
}

void CTallowmereView::OnStart(wxCommandEvent&) {
    CommitRepeatCount();
    m_bPaused = false;
    m_player.Start();
    m_schedule.Start(CTickSchedule::Now());
    m_btnPause->Enable();
    m_btnStop->Enable();
    MoveFocusFrom({m_btnStart}, m_btnPause);
    m_btnStart->Disable();
    m_timer.Start(kPreviewPeriodMs);
}

void CTallowmereView::OnPause(wxCommandEvent&) {
    if (m_bPaused) {
        // Resuming keeps the page's 10 ms pace, so the preview's timing stays honest.
        m_schedule.Resume(CTickSchedule::Now());
        m_timer.Start(kPreviewPeriodMs);
        m_bPaused = false;
    } else {
        m_timer.Stop();
        m_schedule.Pause(CTickSchedule::Now());
        m_bPaused = true;
    }
}

void CTallowmereView::OnStop(wxCommandEvent&) { OnStop(); }

void CTallowmereView::OnStop() {
    m_timer.Stop();
    m_stcDisplay->SetLabel(wxEmptyString);
    m_btnStart->Enable();
    MoveFocusFrom({m_btnPause, m_btnStop}, m_btnStart);
    m_btnPause->Disable();
    m_btnStop->Disable();
    m_bPaused = false;
}

// Each timer event plays the ticks the clock calls for, so a pass lasts what the page takes.
void CTallowmereView::OnTimer(wxTimerEvent&) {
    for (int due = m_schedule.TicksDue(CTickSchedule::Now()); due > 0 && IsPlaying(); --due)
        TickPreview();
}

void CTallowmereView::TickPreview() {
    const PlayerTick tick = m_player.Tick();
    if (tick.action == PlayerTick::Action::Show) m_stcDisplay->SetLabel(ToWxShown(tick.frame));
    if (tick.action == PlayerTick::Action::Stop) OnStop();
}

wxSize CTallowmereView::GetLayoutSize() const {
    const wxSize client = GetClientSize();
    const wxSize form = GetFormSize();
    return wxSize(std::max(client.x, form.x), std::max(client.y, form.y));
}

void CTallowmereView::OnSize(wxSizeEvent& event) {
    event.Skip();
    // Below the form's size the view scrolls instead of squeezing its controls.
    SetVirtualSize(GetLayoutSize());
    m_layout.Resize(GetLayoutSize(), CalcScrolledPosition(wxPoint(0, 0)));
}

}  // namespace glintwick
