// Form, dialog, menu and shortcut templates as data, in dialog units and numeric ids.
#pragma once

#include <span>

namespace glintwick::res {

enum class ControlKind {
    PushButton,
    DefaultPushButton,
    Label,         // static text, left-aligned
    RightLabel,    // static text, right-aligned
    SunkenText,    // static text, sunken, vertically centred
    Edit,          // single-line edit with a border
    CentredEdit,   // single-line edit, text centred
    ReportList,    // list view in report mode, single selection
    DropDownList,  // drop-down list of fixed entries
    Slider,        // horizontal slider with a tick at every value
    FirstRadio,    // first radio button of a group
    Radio,
    CheckBox,
    GroupBox,
    UpDown,  // arrows bound to the control created before it
    Link,    // link to the maker's page: its text, or a picture its owner sets
    Icon,    // the program icon
};

struct ControlTemplate {
    int id;  // -1: no id of its own
    ControlKind kind;
    const char* text;
    int x, y, width, height;  // dialog units
    bool startsDisabled = false;
};

struct DialogTemplate {
    int id;
    const char* caption;                        // nullptr for a form without caption
    int width, height;                          // dialog units
    std::span<const ControlTemplate> controls;  // creation and tab order
};

extern const DialogTemplate kAboutDialog;       // dialog 100
extern const DialogTemplate kMainForm;          // form 101
extern const DialogTemplate kEffectDialog;      // dialog 102
extern const DialogTemplate kOptionsDialog;     // dialog 137
extern const DialogTemplate kScriptDoneDialog;  // dialog 138

struct MenuItemTemplate {
    int id;  // 0: separator; -1: starts a top-level menu with `text` as its title
    const char* text;
    bool grayed = false;
};
extern const std::span<const MenuItemTemplate> kMainMenu;  // menu 128

struct ShortcutTemplate {
    bool ctrl, alt, shift;
    int key;  // an ASCII letter, or one of the Key values below
    int command;
};
enum Key { kKeyBack = 0x108, kKeyDelete, kKeyInsert, kKeyF6 };
extern const std::span<const ShortcutTemplate> kMainShortcuts;  // shortcut table 128

}  // namespace glintwick::res
