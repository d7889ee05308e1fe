// The accessibility seam on GTK: the widgets' ATK objects, and our own for the drawn windows.
#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>
#include <wx/dataview.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "ui/Accessibility.h"

namespace glintwick {

namespace {

// A list's table is the tree view inside the scrolled window wx hands out.
GtkWidget* WidgetOf(wxWindow* window) {
    if (auto* list = dynamic_cast<wxDataViewCtrl*>(window)) return list->GtkGetTreeView();
    return static_cast<GtkWidget*>(window->GetHandle());
}

AtkObject* AtkOf(wxWindow* window) { return gtk_widget_get_accessible(WidgetOf(window)); }

AtkRole AtkRoleFor(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Dialog: return ATK_ROLE_DIALOG;
        case AccessibleRole::Link: return ATK_ROLE_LINK;
        case AccessibleRole::Marquee: return ATK_ROLE_MARQUEE;
        case AccessibleRole::StatusBar: return ATK_ROLE_STATUSBAR;
    }
    return ATK_ROLE_UNKNOWN;
}

// What one of our ATK objects reads from its window.
struct Source {
    AccessibleRange range;
    std::function<wxString()> text;
};

// GTK's accessible of a plain widget (states, place on screen, focus, parent) and a source.
struct OwnAccessible {
    GtkWidgetAccessible parent;
    Source* source;
};

struct OwnAccessibleClass {
    GtkWidgetAccessibleClass parent;
};

// The source, or none once the window is gone: a reader may hold the object longer.
const Source* SourceOf(gpointer object) {
    if (!gtk_accessible_get_widget(GTK_ACCESSIBLE(object))) return nullptr;
    return reinterpret_cast<OwnAccessible*>(object)->source;
}

void ValueAndText(AtkValue* object, gdouble* value, gchar** text) {
    const Source* source = SourceOf(object);
    const int current = source ? source->range.value() : 0;
    if (value) *value = current;
    if (text) *text = g_strdup_printf("%d", current);
}

AtkRange* Range(AtkValue* object) {
    const Source* source = SourceOf(object);
    return source ? atk_range_new(source->range.low(), source->range.high(), nullptr) : nullptr;
}

gdouble Increment(AtkValue*) { return 1; }

void SetValue(AtkValue* object, gdouble value) {
    if (const Source* source = SourceOf(object))
        source->range.setValue(static_cast<int>(std::lround(value)));
}

void InitValue(gpointer iface, gpointer) {
    auto* value = static_cast<AtkValueIface*>(iface);
    value->get_value_and_text = ValueAndText;
    value->get_range = Range;
    value->get_increment = Increment;
    value->set_value = SetValue;
}

std::string Utf8Text(AtkText* object) {
    const Source* source = SourceOf(object);
    return source ? source->text().utf8_string() : std::string();
}

gchar* Text(AtkText* object, gint start, gint end) {
    const std::string text = Utf8Text(object);
    const gint count = static_cast<gint>(g_utf8_strlen(text.c_str(), -1));
    end = end < 0 ? count : std::min(end, count);
    return g_utf8_substring(text.c_str(), std::clamp(start, 0, end), end);
}

gint CharacterCount(AtkText* object) {
    return static_cast<gint>(g_utf8_strlen(Utf8Text(object).c_str(), -1));
}

gint NoCaret(AtkText*) { return -1; }

void InitText(gpointer iface, gpointer) {
    auto* text = static_cast<AtkTextIface*>(iface);
    text->get_text = Text;
    text->get_character_count = CharacterCount;
    text->get_caret_offset = NoCaret;
}

GType OwnType(const char* name, GType interface, GInterfaceInitFunc init) {
    GTypeInfo info{};
    info.class_size = sizeof(OwnAccessibleClass);
    info.instance_size = sizeof(OwnAccessible);
    const GType type =
        g_type_register_static(GTK_TYPE_WIDGET_ACCESSIBLE, name, &info, GTypeFlags{});
    const GInterfaceInfo implementation{init, nullptr, nullptr};
    g_type_add_interface_static(type, interface, &implementation);
    return type;
}

GType SpinButtonType() {
    static const GType type = OwnType("GlintwickSpinButtonAccessible", ATK_TYPE_VALUE, InitValue);
    return type;
}

GType MarqueeType() {
    static const GType type = OwnType("GlintwickMarqueeAccessible", ATK_TYPE_TEXT, InitText);
    return type;
}

GQuark OwnQuark() {
    static const GQuark quark = g_quark_from_static_string("glintwick-own-accessible");
    return quark;
}

using GetAccessible = AtkObject* (*)(GtkWidget*);

// The widget classes that answer with our objects, and how each answered before.
std::map<GType, GetAccessible>& Originals() {
    static std::map<GType, GetAccessible> originals;
    return originals;
}

AtkObject* OwnOrOriginal(GtkWidget* widget) {
    if (auto* own = static_cast<AtkObject*>(g_object_get_qdata(G_OBJECT(widget), OwnQuark())))
        return own;
    for (GType type = G_TYPE_FROM_INSTANCE(widget); type; type = g_type_parent(type)) {
        const auto original = Originals().find(type);
        if (original != Originals().end()) return original->second(widget);
    }
    return nullptr;
}

// GTK asks a widget's class for the widget's ATK object, and every window wx draws itself has
// the same class: that class answers with our object where a widget has one, as before
// elsewhere.
void AnswerForClassOf(GtkWidget* widget) {
    GtkWidgetClass* widgetClass = GTK_WIDGET_GET_CLASS(widget);
    if (widgetClass->get_accessible == OwnOrOriginal) return;
    Originals()[G_TYPE_FROM_INSTANCE(widget)] = widgetClass->get_accessible;
    widgetClass->get_accessible = OwnOrOriginal;
}

void Release(gpointer object) {
    gtk_accessible_set_widget(GTK_ACCESSIBLE(object), nullptr);
    auto* own = reinterpret_cast<OwnAccessible*>(object);
    delete own->source;
    own->source = nullptr;
    g_object_unref(object);
}

void OnWidgetDestroyed(GtkWidget* widget, gpointer) {
    g_object_set_qdata(G_OBJECT(widget), OwnQuark(), nullptr);  // releases our object
}

void GiveOwnAccessible(wxWindow* window, GType type, AtkRole role, Source* source) {
    GtkWidget* widget = WidgetOf(window);
    AnswerForClassOf(widget);
    auto* object = ATK_OBJECT(g_object_new(type, "widget", widget, nullptr));
    reinterpret_cast<OwnAccessible*>(object)->source = source;
    atk_object_initialize(object, widget);
    atk_object_set_role(object, role);
    g_object_set_qdata_full(G_OBJECT(widget), OwnQuark(), object, Release);
    g_signal_connect(widget, "destroy", G_CALLBACK(OnWidgetDestroyed), nullptr);
}

}  // namespace

void SetAccessibleName(wxWindow* window, const wxString& name) {
    atk_object_set_name(AtkOf(window), name.utf8_string().c_str());
}

void SetAccessibleRole(wxWindow* window, AccessibleRole role) {
    atk_object_set_role(AtkOf(window), AtkRoleFor(role));
}

void AddAccessibleLabel(wxWindow* window, wxWindow* label) {
    AtkObject* target = AtkOf(window);
    AtkObject* source = AtkOf(label);
    atk_object_add_relationship(target, ATK_RELATION_LABELLED_BY, source);
    atk_object_add_relationship(source, ATK_RELATION_LABEL_FOR, target);
}

void ExposeAsSpinButton(wxWindow* window, AccessibleRange range) {
    GiveOwnAccessible(window, SpinButtonType(), ATK_ROLE_SPIN_BUTTON,
                      new Source{std::move(range), {}});
}

void NotifyValueChanged(wxWindow* window) {
    g_object_notify(G_OBJECT(AtkOf(window)), "accessible-value");
}

void ExposeAsMarquee(wxWindow* window, std::function<wxString()> text) {
    GiveOwnAccessible(window, MarqueeType(), ATK_ROLE_MARQUEE, new Source{{}, std::move(text)});
}

}  // namespace glintwick
