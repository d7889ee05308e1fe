// GTK's tree view under a wx list: every drop format as a target of its own, and its cursor.
#include "ui/ListControl.h"

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

void PutListCursor(wxDataViewCtrl* list, unsigned row) {
    GtkTreePath* path = gtk_tree_path_new_from_indices(static_cast<gint>(row), -1);
    gtk_tree_view_set_cursor(GTK_TREE_VIEW(list->GtkGetTreeView()), path, nullptr, FALSE);
    gtk_tree_path_free(path);
}

}  // namespace glintwick
