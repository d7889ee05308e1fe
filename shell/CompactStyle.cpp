// The compact GTK style: less padding and no minimum heights for the program's controls.
#include "shell/CompactStyle.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace glintwick {

namespace {

// Only inside the program's own template windows: the help viewer and the system's dialogs
// keep the theme's sizes.
const char* const kCompactClass = "glintwick-compact";
const char* const kCompactCss =
    ".glintwick-compact button { padding: 0px 6px; min-height: 0px; min-width: 0px; }\n"
    ".glintwick-compact entry { padding: 0px 4px; min-height: 0px; }\n"
    ".glintwick-compact combobox button { padding: 0px 4px; }\n"
    ".glintwick-compact radiobutton, .glintwick-compact checkbutton { padding: 0px; min-height: 0px; }\n"
    ".glintwick-compact radiobutton radio, .glintwick-compact checkbutton check "
    "{ margin: 0px 4px 0px 0px; min-height: 12px; min-width: 12px; }\n"
    ".glintwick-compact scale { padding: 0px 6px; }\n"
    // wx draws list headers through a hidden tree view of its own, outside every window.
    "treeview.view header button { padding: 1px 4px; min-height: 0px; min-width: 0px; }\n";

}  // namespace

void UseCompactStyle(wxWindow* topLevel) {
    gtk_style_context_add_class(gtk_widget_get_style_context(topLevel->GetHandle()), kCompactClass);
}

void ApplyCompactStyle() {
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen) return;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCompactCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

}  // namespace glintwick
