// The compact GTK style: less padding and no minimum heights for the program's controls.
#include "shell/CompactStyle.h"

#include <gtk/gtk.h>

namespace glintwick {

namespace {

const char* const kCompactCss =
    "button { padding: 0px 6px; min-height: 0px; min-width: 0px; }\n"
    "entry { padding: 0px 4px; min-height: 0px; }\n"
    "combobox button { padding: 0px 4px; }\n"
    "radiobutton, checkbutton { padding: 0px; min-height: 0px; }\n"
    "radiobutton radio, checkbutton check { margin: 0px 4px 0px 0px; min-height: 12px; min-width: 12px; }\n"
    "scale { padding: 0px 6px; }\n"
    "treeview.view header button { padding: 1px 4px; }\n";

}  // namespace

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
