// Shared helpers of the window tests: a running wx application and answered modal boxes.
#pragma once

#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <functional>
#include <string>

#include "model/TallowmereDoc.h"
#include "ui/EffectDlg.h"
#include "ui/MainFrame.h"
#include "ui/SafeCast.h"
#include "ui/TallowmereView.h"

namespace glintwick::test {

// Answers a message box, checking its text.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
public:
    ExpectMessage(const wxString& message, int answer) : m_message(message), m_answer(answer) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), m_message);
        return m_answer;
    }

private:
    wxString m_message;
    int m_answer;
};

// Stands in for message boxes while letting every other dialog show: runs `whileShown` with
// the box "open" (inside its modal call, as a real box's own loop would be) and answers OK.
class MessageBoxHook : public wxModalDialogHook {
public:
    explicit MessageBoxHook(std::function<void()> whileShown)
        : m_whileShown(std::move(whileShown)) {
        Register();
    }
    ~MessageBoxHook() override { Unregister(); }
    int m_nShown = 0;

protected:
    int Enter(wxDialog* dialog) override {
        if (!As<wxMessageDialog>(dialog)) return wxID_NONE;
        ++m_nShown;
        m_whileShown();
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}

private:
    std::function<void()> m_whileShown;
};

// Answers a file dialog with `path`, checking the name it proposed when one is given.
class ExpectFile : public wxExpectModalBase<wxFileDialog, ExpectFile> {
public:
    ExpectFile(wxString path, wxString proposed = wxString(), int answer = wxID_OK)
        : m_path(std::move(path)), m_proposed(std::move(proposed)), m_answer(answer) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        if (!m_proposed.empty()) {
            EXPECT_EQ(dialog->GetFilename(), m_proposed);
        }
        if (m_answer == wxID_OK) dialog->SetPath(m_path);
        return m_answer;
    }

private:
    wxString m_path, m_proposed;
    int m_answer;
};

// Answers a modal dialog of type `Dialog` by running `act` on it, which returns its answer.
template <typename Dialog>
class ExpectDialog : public wxExpectModalBase<Dialog, ExpectDialog<Dialog>> {
public:
    explicit ExpectDialog(std::function<int(Dialog&)> act) : m_act(std::move(act)) {}

protected:
    int OnInvoked(Dialog* dialog) const override { return m_act(*dialog); }

private:
    std::function<int(Dialog&)> m_act;
};

// Answers the Effect dialog by running `act` on it; `act` returns wxID_OK or wxID_CANCEL.
using ExpectEffectDialog = ExpectDialog<CEffectDlg>;

// The whole file, as bytes.
std::string ReadText(const wxString& path);

// Opens the dialog's controls as ShowModal would, lets `edit` change them, then presses OK.
int PressOk(CEffectDlg& dialog, const std::function<void(CEffectDlg&)>& edit);

// A main frame over its own document, destroyed at the end of the test.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void AddEffects(std::initializer_list<std::tuple<std::string, int, int, int>> effects);
    void SelectRow(long row);
    // Chooses the menu command as the menu bar would.
    void RunMenuCommand(int command);
    // Processes pending events, so that GTK has laid out and painted the windows.
    static void Flush();

    CTallowmereDoc doc;
    CMainFrame* frame = nullptr;
    CTallowmereView* view = nullptr;
};

wxCommandEvent Click();

// The effects list as the user sees it: its rows, a cell's text, a column's width.
long RowCount(const CTallowmereView* view);
wxString Cell(const CTallowmereView* view, long row, unsigned column);
int ColumnWidth(const CTallowmereView* view, unsigned column);

}  // namespace glintwick::test
