// Every text the windows show, exactly as the program shows it (the engine's own texts are in
// model/CoreTexts.h, which this includes).
#pragma once

#include "model/CoreTexts.h"

namespace glintwick::str {

// Application
inline constexpr const char* kAppName = "Glintwick";

// Effect record

// Project file and document failures
inline constexpr const char* kSaveChangesPrompt = "Save changes to %1?";

// File errors, %1 is the file's path

// Generate Javascript
inline constexpr const char* kNoEffectsCaption = "No effects defined";

// Validation
inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kEnterIntegerBetween = "Please enter an integer between %1 and %2.";
inline constexpr const char* kEnterNoMoreThan = "Please enter no more than %1 characters.";

}  // namespace glintwick::str

namespace glintwick::str {

// Main form. An '&' marks the access key (Alt with the letter after it), shown underlined; no
// letter repeats within one window, nor, in the main window, one of the menu bar's (F, E, T, H).
inline constexpr const char* kAddNew = "&Add  New";
inline constexpr const char* kEdit = "Ed&it";
inline constexpr const char* kDelete = "&Delete";
inline constexpr const char* kMoveUp = "Move &Up";
inline constexpr const char* kMoveDown = "Move Do&wn";
inline constexpr const char* kRepeatEffects = "Repeat Effects";
inline constexpr const char* kForever = "Fo&rever";
inline constexpr const char* kTimes = "time(s)";
inline constexpr const char* kPreviewEffects = "Preview Effects";
inline constexpr const char* kStart = "&Start";
inline constexpr const char* kPause = "&Pause";
inline constexpr const char* kStop = "St&op";
inline constexpr const char* kColumnText = "Status Bar Text";
inline constexpr const char* kColumnEffect = "Effect";
inline constexpr const char* kColumnSpeed = "Speed";
inline constexpr const char* kColumnLoops = "Loops";
inline constexpr const char* kChooseEffect = "Please choose an effect from the list on the left";
inline constexpr const char* kDeleteQuestion =
    "Are you sure that you want to delete the selected effect?";
inline constexpr const char* kDeleteCaption = "Delete Effect";

// Effect dialog (the labels' access keys put the focus on the box they name)
inline constexpr const char* kEffectCaption = "Effect";
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kCancelButton = "Cancel";
inline constexpr const char* kStatusBarTextLabel = "Status Bar &Text:";
inline constexpr const char* kEffectLabel = "&Effect:";
inline constexpr const char* kRepeatLabel = "&Repeat ";
inline constexpr const char* kSpeedLabel = "&Speed:";
inline constexpr const char* kPreviewEffect = "Preview Effect";
inline constexpr const char* kMoreInfo = "&More Info";
// Beside the loop count while the chosen effect, speed and text flash too fast in a page.
inline constexpr const char* kFlashWarning =
    "Warning: flashes %1 times a second in a page, which can trigger seizures.";

// Menu 128
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuNew = "&New\tCtrl+N";
inline constexpr const char* kMenuOpen = "&Open...\tCtrl+O";
inline constexpr const char* kMenuSave = "&Save\tCtrl+S";
inline constexpr const char* kMenuSaveAs = "Save &As...";
inline constexpr const char* kMenuGenerate = "Generate Javascript...";
inline constexpr const char* kMenuExportSvg = "&Export Animated SVG...";
inline constexpr const char* kMenuRecentFile = "Recent File";
inline constexpr const char* kMenuExit = "E&xit";
inline constexpr const char* kMenuEdit = "&Edit";
// Undo and Redo name the command they take back or do again (%1), when there is one.
inline constexpr const char* kMenuUndo = "&Undo\tCtrl+Z";
inline constexpr const char* kMenuRedo = "&Redo\tCtrl+Y";
inline constexpr const char* kMenuUndoCommand = "&Undo %1\tCtrl+Z";
inline constexpr const char* kMenuRedoCommand = "&Redo %1\tCtrl+Y";
inline constexpr const char* kMenuTools = "&Tools";
inline constexpr const char* kMenuOptions = "&Options...";
inline constexpr const char* kMenuPreviewInBrowser = "Preview in &Browser";
inline constexpr const char* kMenuSaveStatusStrip = "Save Status &Strip Script...";
inline constexpr const char* kMenuHelp = "&Help";
inline constexpr const char* kMenuContents = "&Contents...\tF1";
inline constexpr const char* kMenuIndex = "&Index...";
inline constexpr const char* kMenuSearch = "&Search...";
inline constexpr const char* kMenuAbout = "&About Glintwick...";

// The maker's web page, opened by the logo and the About box's address line
inline constexpr const char* kMakerUrl = "https://orvane.example/glintwick/?source=gwik";

}  // namespace glintwick::str

namespace glintwick::str {

// File commands
inline constexpr const char* kOpenTitle = "Open";
inline constexpr const char* kSaveAsTitle = "Save As";
inline constexpr const char* kProjectFilter = "Glintwick file (*.gwk)";
inline constexpr const char* kAllFilesFilter = "All Files (*.*)";
inline constexpr const char* kReplaceQuestion = "%1 already exists.\nDo you want to replace it?";
// When the window comes back to the front or saves and the open file changed on disk meanwhile.
inline constexpr const char* kFileChangedQuestion =
    "%1 was changed outside this window.\nDo you want to reload it? Changes you have not saved "
    "will be lost.\nNo keeps this version; saving it replaces the file.";
inline constexpr const char* kFileRemovedNotice =
    "%1 was deleted or moved outside this window.\nThis version stays open; save it to keep it.";
inline constexpr const char* kSettingsKey = "Tallowmere";
inline constexpr const char* kRecentFileSection = "Recent File List";
inline constexpr const char* kRecentFileEntry = "File%d";

// Generate Javascript
inline constexpr const char* kGenerateTitle = "Generate Javascript file";
inline constexpr const char* kScriptFilter = "Javascript files (*.js)";
inline constexpr const char* kGenerateAnyway = "Generate it anyway?";
// Export Animated SVG
inline constexpr const char* kExportSvgTitle = "Export Animated SVG";
inline constexpr const char* kSvgFilter = "SVG images (*.svg)";
// Before Generate Javascript and Preview in Browser write a project that flashes too fast.
inline constexpr const char* kFlashQuestion =
    "Effect %1 flashes %2 times within one second; more than three flashes a second can trigger "
    "seizures in some visitors. Write the script anyway?";
inline constexpr const char* kScriptDoneCaption = "Javascript file generated sucessfully";
inline constexpr const char* kCongratulations = "Congratulations!";
inline constexpr const char* kScriptDoneText =
    "The necessary Javascript file has been created.\n\nTo link this file to your HTML page just "
    "copy the code in the line below and paste it into your HTML page.";

// Preview in Browser and the status strip script
inline constexpr const char* kSaveStripTitle = "Save status strip script";
inline constexpr const char* kBrowserNotStarted =
    "No web browser could be started. The preview page is %1";
inline constexpr const char* kLinkNotOpened = "No web browser could be started to open %1";

// Options
inline constexpr const char* kOptionsCaption = "Options";
inline constexpr const char* kOptionsText =
    "Here you can enter the text that will be displayed on the Status Bar after all the effects "
    "are completed.\n\nIf you have specified the effects to be repeated forever, the text will "
    "never appear.";
inline constexpr const char* kFinalTextLabel = "&Final Text:";
inline constexpr const char* kAutoStartLabel = "&Start effects automatically after the page loads.";

// About box
inline constexpr const char* kAboutCaption = "About Glintwick";
inline constexpr const char* kVersion = "Version 1.0, Build #102";
inline constexpr const char* kNotice = "Copyright (c) 2026 Orvane. All rights reserved.";
inline constexpr const char* kCompany = "Orvane Software";
inline constexpr const char* kAddressText = "www.orvane.example";
inline constexpr const char* kMotto = "\"Small tools that make pages shine.\"";

// What a screen reader calls the effects list
inline constexpr const char* kEffectsListName = "Effects";

// File type
inline constexpr const char* kFileTypeId = "OrvaneGWK.Document";
inline constexpr const char* kFileTypeName = "Glintwick Document";
inline constexpr const char* kMimeType = "application/x-glintwick-project";

}  // namespace glintwick::str

namespace glintwick::str {

// The main window's status bar: the sequence's duration as the page plays it

}  // namespace glintwick::str
