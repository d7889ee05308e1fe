// wx's own list control: it takes every drop format it is given, and selecting moves its cursor.
#include "ui/ListControl.h"

namespace glintwick {

void AcceptListDrops(wxDataViewCtrl* list, const wxVector<wxDataFormat>& formats) {
    list->EnableDropTargets(formats);
}

void PutListCursor(wxDataViewCtrl* list, unsigned row) {
    auto* model = static_cast<wxDataViewVirtualListModel*>(list->GetModel());
    list->Select(model->GetItem(row));
}

}  // namespace glintwick
