// Drops on a list control: GTK's tree view is given every format as one of its drop targets.
#include "ui/ListDrops.h"

#include <gtk/gtk.h>

#include <vector>

namespace glintwick {

void AcceptListDrops(wxDataViewCtrl* list, const wxVector<wxDataFormat>& formats) {
    // GTK keeps copies of the entries' names.
    std::vector<wxCharBuffer> names;
    std::vector<GtkTargetEntry> entries;
    for (const wxDataFormat& format : formats) {
        names.push_back(format.GetId().utf8_str());
        entries.push_back({names.back().data(), 0, 0});
    }
    gtk_tree_view_enable_model_drag_dest(
        GTK_TREE_VIEW(list->GtkGetTreeView()), entries.data(), static_cast<gint>(entries.size()),
        static_cast<GdkDragAction>(GDK_ACTION_COPY | GDK_ACTION_MOVE));
}

}  // namespace glintwick
