// Keys, drags and drops in the effects list, turned into the view's commands.
#include "ui/EffectListInput.h"

#include <wx/dataobj.h>
#include <wx/utils.h>

#include <cstdio>

#include "ui/ListControl.h"
#include "ui/WxText.h"

namespace glintwick {

namespace {

// A dragged row, as data: the process and the list it comes from, then the row. Only the same
// list takes it back; another window's rows mean nothing here.
const wxDataFormat& RowFormat() {
    static const wxDataFormat format("application/x-glintwick-effect-row");
    return format;
}

std::string RowOrigin(const wxDataViewCtrl* list) {
    char origin[64];
    std::snprintf(origin, sizeof origin, "%lu %p ", wxGetProcessId(),
                  static_cast<const void*>(list));
    return origin;
}

wxDataObject* DraggedRow(const wxDataViewCtrl* list, long row) {
    const std::string data = RowOrigin(list) + std::to_string(row);
    auto* object = new wxCustomDataObject(RowFormat());
    object->SetData(data.size(), data.data());
    return object;
}

// The row dropped data names; -1 when it comes from elsewhere or is no row of the list.
long DroppedRow(const wxDataViewCtrl* list, const wxDataViewEvent& event, long count) {
    const auto* bytes = static_cast<const char*>(event.GetDataBuffer());
    if (bytes == nullptr) return -1;
    const std::string data(bytes, event.GetDataSize());
    const std::string origin = RowOrigin(list);
    if (data.compare(0, origin.size(), origin) != 0) return -1;
    const std::string number = data.substr(origin.size());
    if (number.empty() || number.size() > 12 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const long row = std::stol(number);
    return row < count ? row : -1;
}

std::string DroppedFile(const wxDataViewEvent& event) {
    wxArrayString names;
    if (auto* files = dynamic_cast<wxFileDataObject*>(event.GetDataObject())) {
        names = files->GetFilenames();
    } else if (event.GetDataBuffer() != nullptr) {
        wxFileDataObject files;
        files.SetData(event.GetDataSize(), event.GetDataBuffer());
        names = files.GetFilenames();
    }
    // One window holds one project: the first file is the one opened.
    return names.empty() ? std::string() : PathFromWx(names[0]);
}

// Where a row dragged from `row` lands, from the pointer as the toolkit marks the drop: on the
// upper quarter of a row, before it (a line above it); on the lower quarter, after it (a line
// below it); on its middle, in its place (a box around it); below the rows, last.
long DropTarget(wxDataViewCtrl* list, long row, long count) {
    wxDataViewItem item;
    wxDataViewColumn* column = nullptr;
    const wxPoint pointer = list->ScreenToClient(wxGetMousePosition());
    list->HitTest(pointer, item, column);
    if (!item.IsOk()) return count - 1;
    auto* model = static_cast<wxDataViewVirtualListModel*>(list->GetModel());
    const long onto = static_cast<long>(model->GetRow(item));
    const wxRect rect = list->GetItemRect(item);
    const int into = pointer.y - rect.y;
    long gap = -1;  // the row the dragged one goes in front of
    if (into < rect.height / 4) gap = onto;
    if (into >= rect.height - rect.height / 4) gap = onto + 1;
    if (gap < 0) return onto;
    return row < gap ? gap - 1 : gap;
}

void BindKeys(wxDataViewCtrl* list, const EffectListActions& actions) {
    list->Bind(wxEVT_KEY_DOWN, [actions](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        const int modifiers = event.GetModifiers();
        if (key == WXK_DELETE && modifiers == wxMOD_NONE)
            actions.deleteSelected();
        else if ((key == WXK_UP || key == WXK_DOWN) && modifiers == wxMOD_ALT)
            actions.moveSelected(key == WXK_UP ? -1 : +1);
        else
            event.Skip();
    });
}

void BindDragAndDrop(wxDataViewCtrl* list, const EffectListActions& actions) {
    auto* model = static_cast<wxDataViewVirtualListModel*>(list->GetModel());
    list->EnableDragSource(RowFormat());
    wxVector<wxDataFormat> formats;
    formats.push_back(RowFormat());
    formats.push_back(wxDataFormat(wxDF_FILENAME));
    AcceptListDrops(list, formats);

    list->Bind(wxEVT_DATAVIEW_ITEM_BEGIN_DRAG, [list, model](wxDataViewEvent& event) {
        if (!event.GetItem().IsOk()) return event.Veto();
        event.SetDataObject(DraggedRow(list, static_cast<long>(model->GetRow(event.GetItem()))));
        event.SetDragFlags(wxDrag_DefaultMove);
    });
    list->Bind(wxEVT_DATAVIEW_ITEM_DROP_POSSIBLE, [](wxDataViewEvent& event) {
        if (event.GetDataFormat() != RowFormat() && event.GetDataFormat() != wxDF_FILENAME)
            event.Veto();
    });
    // The toolkit is still inside the drag while it reports the drop: the command (which may
    // ask a question) runs once the drag is over.
    list->Bind(wxEVT_DATAVIEW_ITEM_DROP, [list, model, actions](wxDataViewEvent& event) {
        const long count = static_cast<long>(model->GetCount());
        if (event.GetDataFormat() == RowFormat()) {
            const long row = DroppedRow(list, event, count);
            if (row < 0) return event.Veto();
            const long to = DropTarget(list, row, count);
            list->CallAfter([actions, row, to] { actions.moveRow(row, to); });
        } else if (event.GetDataFormat() == wxDF_FILENAME) {
            const std::string path = DroppedFile(event);
            if (path.empty()) return event.Veto();
            list->CallAfter([actions, path] { actions.openFile(path); });
        } else {
            event.Veto();
        }
    });
}

}  // namespace

void BindEffectListInput(wxDataViewCtrl* list, EffectListActions actions) {
    BindKeys(list, actions);
    BindDragAndDrop(list, actions);
}

}  // namespace glintwick
