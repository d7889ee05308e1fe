// The effects list's rows, read from the project on demand as the list draws them.
#pragma once

#include <wx/dataview.h>

namespace glintwick {

class CTallowmereDoc;

// Row i is effect i of the project: its text, effect name, speed and loops. Nothing is copied:
// a list of a million effects costs the rows on the screen only.
class CEffectListModel : public wxDataViewVirtualListModel {
public:
    static constexpr unsigned kColumns = 4;

    explicit CEffectListModel(const CTallowmereDoc& doc);

    unsigned GetColumnCount() const override { return kColumns; }
    wxString GetColumnType(unsigned) const override { return "string"; }
    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override;
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }
    // The cell's text, as the list shows it.
    wxString CellText(unsigned row, unsigned column) const;

private:
    const CTallowmereDoc& m_doc;
};

}  // namespace glintwick
