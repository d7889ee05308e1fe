// The GTK look: a compact style for the program's own windows, message boxes that fit the screen.
#include "ui/PlatformStyle.h"

#include <wx/msgdlg.h>

#include <gtk/gtk.h>
#include <wx/window.h>

#include <algorithm>
#include <vector>

namespace glintwick {

namespace {

// Only inside the program's own template windows: the help viewer and the system's dialogs
// keep the theme's sizes.
const char* const kCompactClass = "glintwick-compact";
const char* const kCompactCss =
    ".glintwick-compact button { padding: 0px 6px; min-height: 0px; min-width: 0px; }\n"
    ".glintwick-compact entry { padding: 0px 4px; min-height: 0px; }\n"
    ".glintwick-compact combobox button { padding: 0px 4px; }\n"
    ".glintwick-compact radiobutton, .glintwick-compact checkbutton { padding: 0px; min-height: "
    "0px; }\n"
    ".glintwick-compact radiobutton radio, .glintwick-compact checkbutton check "
    "{ margin: 0px 4px 0px 0px; min-height: 12px; min-width: 12px; }\n"
    // Room for half the knob at each end of the trough: GTK cuts the knob off at the edge.
    ".glintwick-compact scale { padding: 0px 11px; }\n"
    // wx draws list headers through a hidden tree view of its own, outside every window.
    "treeview.view header button { padding: 1px 4px; min-height: 0px; min-width: 0px; }\n";

// A message box's label wraps at word boundaries only, so one long path made the box wider
// than the screen. Breaking inside a word where needed keeps every character of the text, for
// a copy or a screen reader, and the box on the screen.
constexpr int kMessageWidthChars = 60;
// The most lines a box shows of a long text; the middle of a longer one gives way to an ellipsis.
constexpr size_t kMostLines = 20;

// The box's height at `width`.
int HeightAt(GtkWidget* dialog, int width) {
    int minimum = 0, height = 0;
    gtk_widget_get_preferred_height_for_width(dialog, width, &minimum, &height);
    return height;
}

// The height a box may take: most of the work area of the screen under its parent, leaving
// room for the title bar a window manager adds.
int AvailableHeight(GtkWidget* dialog) {
    GdkDisplay* display = gtk_widget_get_display(dialog);
    GtkWindow* parent = gtk_window_get_transient_for(GTK_WINDOW(dialog));
    GdkWindow* over = parent ? gtk_widget_get_window(GTK_WIDGET(parent)) : nullptr;
    GdkMonitor* monitor = over ? gdk_display_get_monitor_at_window(display, over)
                               : gdk_display_get_primary_monitor(display);
    if (!monitor) monitor = gdk_display_get_monitor(display, 0);
    if (!monitor) return G_MAXINT;
    GdkRectangle area{};
    gdk_monitor_get_workarea(monitor, &area);
    return area.height * 9 / 10;
}

// A path of some kilobytes made the box taller than the screen (and one of 100 KB taller than
// X can draw, with OK far below). Past the lines that fit, the text gives way to an ellipsis in
// the middle, so its start and its end (the file's name) show; each label keeps its whole text
// for a copy or a screen reader, as only the drawing is shortened.
void FitHeight(GtkWidget* dialog, const std::vector<GtkLabel*>& labels, int width) {
    const int available = AvailableHeight(dialog);
    if (HeightAt(dialog, width) <= available) return;
    for (GtkLabel* label : labels) {
        gtk_label_set_ellipsize(label, PANGO_ELLIPSIZE_MIDDLE);
        gtk_label_set_lines(label, 1);
    }
    const int oneLine = HeightAt(dialog, width);
    for (GtkLabel* label : labels) gtk_label_set_lines(label, 2);
    const int perLine = std::max(1, HeightAt(dialog, width) - oneLine);
    int lines = std::max(1, 1 + (available - oneLine) / perLine);
    for (;; --lines) {
        for (GtkLabel* label : labels) gtk_label_set_lines(label, lines);
        if (lines == 1 || HeightAt(dialog, width) <= available) break;
    }
}

// GTK 3 draws no icon in a message box and names the box for screen readers by its kind
// ("Question"): the box shows the icon its kind stands for and takes its title as its name.
void GiveMessageBoxIconAndName(GtkMessageDialog* box) {
    GtkMessageType type = GTK_MESSAGE_OTHER;
    g_object_get(box, "message-type", &type, nullptr);
    const char* icon = type == GTK_MESSAGE_QUESTION  ? "dialog-question"
                       : type == GTK_MESSAGE_WARNING ? "dialog-warning"
                       : type == GTK_MESSAGE_ERROR   ? "dialog-error"
                       : type == GTK_MESSAGE_INFO    ? "dialog-information"
                                                     : nullptr;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    if (icon && !gtk_message_dialog_get_image(box)) {
        GtkWidget* image = gtk_image_new_from_icon_name(icon, GTK_ICON_SIZE_DIALOG);
        gtk_widget_show(image);
        gtk_message_dialog_set_image(box, image);
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    const char* title = gtk_window_get_title(GTK_WINDOW(box));
    if (title && *title) atk_object_set_name(gtk_widget_get_accessible(GTK_WIDGET(box)), title);
}

// A GTK message box as it is realized: its icon and name, and its text wrapped to the screen.
gboolean PrepareMessageBox(GSignalInvocationHint*, guint, const GValue* values, gpointer) {
    auto* widget = GTK_WIDGET(g_value_get_object(&values[0]));
    if (!GTK_IS_MESSAGE_DIALOG(widget)) return TRUE;
    GiveMessageBoxIconAndName(GTK_MESSAGE_DIALOG(widget));
    GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(widget));
    GList* children = gtk_container_get_children(GTK_CONTAINER(area));
    std::vector<GtkLabel*> labels;
    for (GList* child = children; child; child = child->next) {
        if (!GTK_IS_LABEL(child->data)) continue;
        labels.push_back(GTK_LABEL(child->data));
        gtk_label_set_line_wrap(GTK_LABEL(child->data), TRUE);
        gtk_label_set_line_wrap_mode(GTK_LABEL(child->data), PANGO_WRAP_WORD_CHAR);
        gtk_label_set_max_width_chars(GTK_LABEL(child->data), kMessageWidthChars);
        // A hyphen at a break inside a path would read as part of it.
        PangoAttrList* attributes = pango_attr_list_new();
        if (PangoAttrList* old = gtk_label_get_attributes(GTK_LABEL(child->data))) {
            pango_attr_list_unref(attributes);
            attributes = pango_attr_list_copy(old);
        }
        pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
        gtk_label_set_attributes(GTK_LABEL(child->data), attributes);
        pango_attr_list_unref(attributes);
    }
    g_list_free(children);
    // A text longer than the most lines a box shows is ellipsized from the start: wrapped whole,
    // a text of tens of kilobytes in one word took GTK most of a minute to measure (38 s for
    // 30,000 characters, 0.9 s this way).
    size_t characters = 0;
    for (GtkLabel* label : labels) characters += g_utf8_strlen(gtk_label_get_text(label), -1);
    if (characters > kMostLines * kMessageWidthChars)
        for (GtkLabel* label : labels) {
            gtk_label_set_ellipsize(label, PANGO_ELLIPSIZE_MIDDLE);
            gtk_label_set_lines(label, kMostLines);
        }
    // Its size so far was taken from the unwrapped text; the window manager places it by the
    // size and the place it asks for when it appears.
    int minimum = 0, width = 0;
    gtk_widget_get_preferred_width(widget, &minimum, &width);
    FitHeight(widget, labels, width);
    gtk_window_resize(GTK_WINDOW(widget), width, HeightAt(widget, width));
    gtk_window_set_position(GTK_WINDOW(widget), gtk_window_get_transient_for(GTK_WINDOW(widget))
                                                    ? GTK_WIN_POS_CENTER_ON_PARENT
                                                    : GTK_WIN_POS_CENTER);
    return TRUE;  // stay installed
}

// A message box asks for a dialog's title bar, as every other dialog does: move and close, no
// minimise or maximise (minimising a modal box could hide the whole program). Its window
// exists by the time it is mapped, and the window manager reads the hints as it maps it.
gboolean GiveMessageBoxDialogHints(GSignalInvocationHint*, guint, const GValue* values, gpointer) {
    auto* widget = GTK_WIDGET(g_value_get_object(&values[0]));
    if (!GTK_IS_MESSAGE_DIALOG(widget)) return TRUE;
    if (GdkWindow* window = gtk_widget_get_window(widget)) {
        gdk_window_set_functions(window,
                                 static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
        gdk_window_set_decorations(
            window,
            static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
    }
    return TRUE;  // stay installed
}

}  // namespace

void UseCompactStyle(wxWindow* topLevel) {
    gtk_style_context_add_class(gtk_widget_get_style_context(topLevel->GetHandle()), kCompactClass);
}

int ListColumnsWidth(const wxWindow& list) { return list.GetSize().x; }

void NameProgramForDesktop() { g_set_prgname(GLINTWICK_APP_ID); }

void ApplyPlatformStyle() {
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen) return;
    // GTK names the application for screen readers by the program name, which is the desktop
    // id here (see NameProgramForDesktop); they hear the program's own name instead.
    if (AtkObject* application = atk_get_root())
        ATK_OBJECT_GET_CLASS(application)->get_name = [](AtkObject*) -> const gchar* {
            return "Glintwick";
        };
    // As the box is realized, before its first size is taken: the window manager places a
    // window by the size it has when it appears.
    static const gulong wrapping = g_signal_add_emission_hook(
        g_signal_lookup("realize", GTK_TYPE_WIDGET), 0, PrepareMessageBox, nullptr, nullptr);
    (void)wrapping;
    static const gulong hints = g_signal_add_emission_hook(
        g_signal_lookup("map", GTK_TYPE_WIDGET), 0, GiveMessageBoxDialogHints, nullptr, nullptr);
    (void)hints;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCompactCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

int ShowPlatformMessageBox(wxWindow* parent, const wxString& text, const wxString& caption,
                           long style) {
    return wxMessageBox(text, caption, style, parent);
}

}  // namespace glintwick
