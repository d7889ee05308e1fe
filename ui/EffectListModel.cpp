// The effects list's cells: the record's text, effect name, speed and loops.
#include "ui/EffectListModel.h"

#include "model/TallowmereDoc.h"
#include "ui/Translations.h"
#include "ui/WxText.h"

namespace glintwick {

CEffectListModel::CEffectListModel(const CTallowmereDoc& doc)
    : wxDataViewVirtualListModel(static_cast<unsigned>(doc.GetCount())), m_doc(doc) {}

wxString CEffectListModel::CellText(unsigned row, unsigned column) const {
    if (row >= static_cast<unsigned>(m_doc.GetCount())) return wxString();
    const CEffect& effect = *m_doc.GetAt(static_cast<int>(row));
    switch (column) {
        case 0: return ToWxShown(effect.GetText());
        case 1: return UiText(effect.GetEffectName().c_str());
        case 2: return wxString::Format("%d", effect.GetSpeed());
        case 3: return wxString::Format("%d", effect.GetLoops());
        default: return wxString();
    }
}

void CEffectListModel::GetValueByRow(wxVariant& value, unsigned row, unsigned column) const {
    value = CellText(row, column);
}

}  // namespace glintwick
