// Drops on a list control: wx's own list takes every format it is given.
#include "ui/ListDrops.h"

namespace glintwick {

void AcceptListDrops(wxDataViewCtrl* list, const wxVector<wxDataFormat>& formats) {
    list->EnableDropTargets(formats);
}

}  // namespace glintwick
