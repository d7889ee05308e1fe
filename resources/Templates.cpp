// The templates of form 101, dialog 102, menu 128 and shortcut table 128.
#include "resources/Templates.h"

#include "resources/Ids.h"
#include "resources/StringTable.h"

namespace glintwick::res {

namespace {

using K = ControlKind;

const ControlTemplate kMainFormControls[] = {
    {id::kEffectsList, K::ReportList, "", 5, 5, 235, 100},
    {id::kAddNewButton, K::PushButton, str::kAddNew, 245, 5, 55, 15},
    {id::kEditButton, K::PushButton, str::kEdit, 245, 26, 55, 15, true},
    {id::kDeleteButton, K::PushButton, str::kDelete, 245, 46, 55, 15, true},
    {id::kMoveUpButton, K::PushButton, str::kMoveUp, 245, 71, 55, 15, true},
    {id::kMoveDownButton, K::PushButton, str::kMoveDown, 245, 91, 55, 15, true},
    {id::kRepeatGroup, K::GroupBox, str::kRepeatEffects, 5, 110, 295, 25},
    {id::kForeverRadio, K::FirstRadio, str::kForever, 80, 120, 40, 10},
    {id::kTimesRadio, K::Radio, "", 170, 120, 12, 8},
    {id::kCountEdit, K::Edit, "", 184, 118, 30, 12},
    {id::kUpDown, K::UpDown, "", 215, 120, 11, 15},
    {id::kTimesLabel, K::Label, str::kTimes, 216, 120, 40, 10},
    {id::kPreviewGroup, K::GroupBox, str::kPreviewEffects, 5, 140, 240, 50},
    {id::kDisplay, K::SunkenText, "", 10, 150, 230, 15},
    {id::kStartButton, K::PushButton, str::kStart, 10, 170, 35, 15},
    {id::kPauseButton, K::PushButton, str::kPause, 50, 170, 35, 15},
    {id::kStopButton, K::PushButton, str::kStop, 90, 170, 35, 15},
    {id::kLogoPicture, K::Link, "", 250, 142, 20, 20},
};

const ControlTemplate kEffectDialogControls[] = {
    {id::kOk, K::DefaultPushButton, str::kOkButton, 180, 150, 50, 14},
    {id::kCancel, K::PushButton, str::kCancelButton, 235, 150, 50, 14},
    {-1, K::RightLabel, str::kStatusBarTextLabel, 10, 15, 55, 10},
    {id::kTextEdit, K::Edit, "", 70, 15, 210, 12},
    {id::kEffectCombo, K::DropDownList, "", 70, 35, 210, 65},
    {-1, K::RightLabel, str::kEffectLabel, 20, 35, 45, 10},
    {id::kSpeedSlider, K::Slider, "", 65, 55, 210, 20},
    {id::kCountEdit, K::Edit, "", 70, 85, 30, 12},
    {id::kUpDown, K::UpDown, "", 101, 85, 11, 15},
    {-1, K::RightLabel, str::kRepeatLabel, 35, 85, 30, 10},
    {-1, K::RightLabel, str::kSpeedLabel, 40, 60, 25, 10},
    {id::kSpeedValue, K::RightLabel, "", 40, 70, 25, 10},  // under "Speed:", beside the slider
    {-1, K::GroupBox, "", 5, 0, 280, 105},
    {-1, K::GroupBox, str::kPreviewEffect, 5, 110, 280, 30},
    {id::kPreviewText, K::SunkenText, "", 15, 120, 260, 15},
    {-1, K::Label, str::kTimes, 105, 85, 30, 10},
    {id::kMoreInfoButton, K::PushButton, str::kMoreInfo, 5, 150, 65, 14},
    // In the free room right of the loop count; two lines, shown only while it warns.
    {id::kFlashWarning, K::Label, "", 140, 81, 140, 22},
};

const ControlTemplate kAboutDialogControls[] = {
    {-1, K::Icon, "", 11, 17, 20, 20},
    {id::kAboutName, K::Label, str::kAppName, 40, 10, 125, 10},
    {-1, K::Label, str::kNotice, 40, 35, 155, 8},
    {id::kOk, K::DefaultPushButton, str::kOkButton, 150, 90, 45, 14},
    {-1, K::Label, str::kVersion, 40, 20, 115, 10},
    {id::kAboutCompany, K::Label, str::kCompany, 40, 50, 155, 15},
    {id::kAddressLink, K::Link, str::kAddressText, 40, 60, 100, 10},
    {-1, K::Label, str::kMotto, 40, 75, 149, 10},
};

const ControlTemplate kOptionsDialogControls[] = {
    {id::kOk, K::DefaultPushButton, str::kOkButton, 151, 99, 50, 14},
    {id::kCancel, K::PushButton, str::kCancelButton, 206, 99, 50, 14},
    {-1, K::Label, str::kOptionsText, 5, 5, 250, 43},
    {-1, K::RightLabel, str::kFinalTextLabel, 6, 56, 50, 10},
    {id::kFinalTextEdit, K::Edit, "", 61, 54, 195, 12},
    {id::kAutoStartCheck, K::CheckBox, str::kAutoStartLabel, 22, 75, 175, 12},
    {id::kMoreInfoButton, K::PushButton, str::kMoreInfo, 6, 99, 75, 14},
};

const ControlTemplate kScriptDoneDialogControls[] = {
    {id::kOk, K::DefaultPushButton, str::kOkButton, 225, 80, 65, 14},
    {id::kTitleText, K::Label, str::kCongratulations, 5, 5, 285, 10},
    {-1, K::Label, str::kScriptDoneText, 5, 18, 285, 35},
    {id::kMoreInfoButton, K::PushButton, str::kMoreInfo, 5, 80, 80, 15},
    {id::kTagEdit, K::CentredEdit, "", 5, 60, 285, 12},
};

const MenuItemTemplate kMainMenuItems[] = {
    {-1, str::kMenuFile},
    {id::kFileNew, str::kMenuNew},
    {id::kFileOpen, str::kMenuOpen},
    {id::kFileSave, str::kMenuSave},
    {id::kFileSaveAs, str::kMenuSaveAs},
    {0, ""},
    {id::kGenerateJavascript, str::kMenuGenerate},
    {id::kFileExportSvg, str::kMenuExportSvg},
    {0, ""},
    {id::kRecentFile1, str::kMenuRecentFile, true},
    {0, ""},
    {id::kAppExit, str::kMenuExit},
    {-1, str::kMenuEdit},
    {id::kEditUndo, str::kMenuUndo, true},
    {id::kEditRedo, str::kMenuRedo, true},
    {-1, str::kMenuTools},
    {id::kToolsOptions, str::kMenuOptions},
    {0, ""},
    {id::kToolsPreviewInBrowser, str::kMenuPreviewInBrowser},
    {id::kToolsSaveStatusStrip, str::kMenuSaveStatusStrip},
    {-1, str::kMenuHelp},
    {id::kHelpContents, str::kMenuContents},
    {id::kHelpIndex, str::kMenuIndex},
    {id::kHelpSearch, str::kMenuSearch},
    {0, ""},
    {id::kAppAbout, str::kMenuAbout},
};

const ShortcutTemplate kMainShortcutItems[] = {
    {true, false, false, 'N', id::kFileNew},
    {true, false, false, 'O', id::kFileOpen},
    {true, false, false, 'S', id::kFileSave},
    {true, false, false, 'Z', id::kEditUndo},
    {true, false, false, 'Y', id::kEditRedo},
    {true, false, true, 'Z', id::kEditRedo},
    {true, false, false, 'X', id::kEditCut},
    {true, false, false, 'C', id::kEditCopy},
    {true, false, false, 'V', id::kEditPaste},
    {false, true, false, kKeyBack, id::kEditUndo},
    {false, false, true, kKeyDelete, id::kEditCut},
    {true, false, false, kKeyInsert, id::kEditCopy},
    {false, false, true, kKeyInsert, id::kEditPaste},
    {false, false, false, kKeyF6, id::kNextPane},
    {false, false, true, kKeyF6, id::kPrevPane},
};

}  // namespace

const DialogTemplate kAboutDialog{id::kAboutDialog, str::kAboutCaption, 202, 110,
                                  kAboutDialogControls};
const DialogTemplate kOptionsDialog{id::kOptionsDialog, str::kOptionsCaption, 262, 118,
                                    kOptionsDialogControls};
const DialogTemplate kScriptDoneDialog{id::kScriptDoneDialog, str::kScriptDoneCaption, 297, 102,
                                       kScriptDoneDialogControls};
const DialogTemplate kMainForm{id::kMainForm, nullptr, 306, 196, kMainFormControls};
const DialogTemplate kEffectDialog{id::kEffectDialog, str::kEffectCaption, 292, 171,
                                   kEffectDialogControls};
const std::span<const MenuItemTemplate> kMainMenu{kMainMenuItems};
const std::span<const ShortcutTemplate> kMainShortcuts{kMainShortcutItems};

}  // namespace glintwick::res
