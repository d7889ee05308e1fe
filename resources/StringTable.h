// Every text the windows show, exactly as the program shows it (the engine's own texts are in
// model/CoreTexts.h, which this includes).
#pragma once

#include "model/CoreTexts.h"

namespace glintwick::str {

// Application
inline constexpr const char* kAppName = "Glintwick";

// Project file and document failures
inline constexpr const char* kSaveChangesPrompt = N_("Save changes to %1?");

// Generate Javascript
inline constexpr const char* kNoEffectsCaption = N_("No effects defined");

// Validation
inline constexpr const char* kEnterInteger = N_("Please enter an integer.");
inline constexpr const char* kEnterIntegerBetween =
    N_("Please enter an integer between %1 and %2.");
inline constexpr const char* kEnterNoMoreThan = N_("Please enter no more than %1 characters.");

}  // namespace glintwick::str

namespace glintwick::str {

// Main form. An '&' marks the access key (Alt with the letter after it), shown underlined; no
// letter repeats within one window, nor, in the main window, one of the menu bar's (F, E, T, H).
inline constexpr const char* kAddNew = N_("&Add  New");
inline constexpr const char* kEdit = N_("Ed&it");
inline constexpr const char* kDelete = N_("&Delete");
inline constexpr const char* kMoveUp = N_("Move &Up");
inline constexpr const char* kMoveDown = N_("Move Do&wn");
inline constexpr const char* kRepeatEffects = N_("Repeat Effects");
inline constexpr const char* kForever = N_("Fo&rever");
inline constexpr const char* kTimes = N_("time(s)");
inline constexpr const char* kPreviewEffects = N_("Preview Effects");
inline constexpr const char* kStart = N_("&Start");
inline constexpr const char* kPause = N_("&Pause");
inline constexpr const char* kStop = N_("St&op");
inline constexpr const char* kColumnText = N_("Status Bar Text");
inline constexpr const char* kColumnEffect = N_("Effect");
inline constexpr const char* kColumnSpeed = N_("Speed");
inline constexpr const char* kColumnLoops = N_("Loops");
inline constexpr const char* kChooseEffect =
    N_("Please choose an effect from the list on the left");
inline constexpr const char* kDeleteQuestion =
    N_("Are you sure that you want to delete the selected effect?");
inline constexpr const char* kDeleteCaption = N_("Delete Effect");

// Effect dialog (the labels' access keys put the focus on the box they name)
inline constexpr const char* kEffectCaption = N_("Effect");
inline constexpr const char* kOkButton = N_("OK");
inline constexpr const char* kCancelButton = N_("Cancel");
inline constexpr const char* kStatusBarTextLabel = N_("Status Bar &Text:");
inline constexpr const char* kEffectLabel = N_("&Effect:");
inline constexpr const char* kRepeatLabel = N_("&Repeat ");
inline constexpr const char* kSpeedLabel = N_("&Speed:");
inline constexpr const char* kPreviewEffect = N_("Preview Effect");
inline constexpr const char* kMoreInfo = N_("&More Info");
// Beside the loop count while the chosen effect, speed and text flash too fast in a page.
inline constexpr const char* kFlashWarning =
    N_("Warning: flashes %1 times a second in a page, which can trigger seizures.");

// Menu 128
inline constexpr const char* kMenuFile = N_("&File");
inline constexpr const char* kMenuNew = N_("&New\tCtrl+N");
inline constexpr const char* kMenuOpen = N_("&Open...\tCtrl+O");
inline constexpr const char* kMenuSave = N_("&Save\tCtrl+S");
inline constexpr const char* kMenuSaveAs = N_("Save &As...");
inline constexpr const char* kMenuGenerate = N_("Generate Javascript...");
inline constexpr const char* kMenuExportSvg = N_("&Export Animated SVG...");
inline constexpr const char* kMenuRecentFile = N_("Recent File");
inline constexpr const char* kMenuExit = N_("E&xit");
inline constexpr const char* kMenuEdit = N_("&Edit");
// Undo and Redo name the command they take back or do again (%1), when there is one.
inline constexpr const char* kMenuUndo = N_("&Undo\tCtrl+Z");
inline constexpr const char* kMenuRedo = N_("&Redo\tCtrl+Y");
inline constexpr const char* kMenuUndoCommand = N_("&Undo %1\tCtrl+Z");
inline constexpr const char* kMenuRedoCommand = N_("&Redo %1\tCtrl+Y");
inline constexpr const char* kMenuTools = N_("&Tools");
inline constexpr const char* kMenuOptions = N_("&Options...");
inline constexpr const char* kMenuPreviewInBrowser = N_("Preview in &Browser");
inline constexpr const char* kMenuSaveStatusStrip = N_("Save Status &Strip Script...");
inline constexpr const char* kMenuHelp = N_("&Help");
inline constexpr const char* kMenuContents = N_("&Contents...\tF1");
inline constexpr const char* kMenuIndex = N_("&Index...");
inline constexpr const char* kMenuSearch = N_("&Search...");
inline constexpr const char* kMenuAbout = N_("&About Glintwick...");

// The maker's web page, opened by the logo and the About box's address line
inline constexpr const char* kMakerUrl = "https://orvane.example/glintwick/?source=gwik";

}  // namespace glintwick::str

namespace glintwick::str {

// File commands
inline constexpr const char* kOpenTitle = N_("Open");
inline constexpr const char* kSaveAsTitle = N_("Save As");
inline constexpr const char* kProjectFilter = N_("Glintwick file (*.gwk)");
inline constexpr const char* kAllFilesFilter = N_("All Files (*.*)");
inline constexpr const char* kReplaceQuestion =
    N_("%1 already exists.\nDo you want to replace it?");
// When the window comes back to the front or saves and the open file changed on disk meanwhile.
inline constexpr const char* kFileChangedQuestion =
    N_("%1 was changed outside this window.\nDo you want to reload it? Changes you have not saved "
       "will be lost.\nNo keeps this version; saving it replaces the file.");
inline constexpr const char* kFileRemovedNotice = N_(
    "%1 was deleted or moved outside this window.\nThis version stays open; save it to keep it.");
inline constexpr const char* kSettingsKey = "Tallowmere";
inline constexpr const char* kRecentFileSection = "Recent File List";
inline constexpr const char* kRecentFileEntry = "File%d";

// Generate Javascript
inline constexpr const char* kGenerateTitle = N_("Generate Javascript file");
inline constexpr const char* kScriptFilter = N_("Javascript files (*.js)");
inline constexpr const char* kGenerateAnyway = N_("Generate it anyway?");
// Export Animated SVG
inline constexpr const char* kExportSvgTitle = N_("Export Animated SVG");
inline constexpr const char* kSvgFilter = N_("SVG images (*.svg)");
// Before Generate Javascript and Preview in Browser write a project that flashes too fast.
inline constexpr const char* kFlashQuestion =
    N_("Effect %1 flashes %2 times within one second; more than three flashes a second can trigger "
       "seizures in some visitors. Write the script anyway?");
inline constexpr const char* kScriptDoneCaption = N_("Javascript file generated sucessfully");
inline constexpr const char* kCongratulations = N_("Congratulations!");
inline constexpr const char* kScriptDoneText = N_(
    "The necessary Javascript file has been created.\n\nTo link this file to your HTML page just "
    "copy the code in the line below and paste it into your HTML page.");

// Preview in Browser and the status strip script
inline constexpr const char* kSaveStripTitle = N_("Save status strip script");
inline constexpr const char* kBrowserNotStarted =
    N_("No web browser could be started. The preview page is %1");
inline constexpr const char* kLinkNotOpened = N_("No web browser could be started to open %1");

// Options
inline constexpr const char* kOptionsCaption = N_("Options");
inline constexpr const char* kOptionsText =
    N_("Here you can enter the text that will be displayed on the Status Bar after all the effects "
       "are completed.\n\nIf you have specified the effects to be repeated forever, the text will "
       "never appear.");
inline constexpr const char* kFinalTextLabel = N_("&Final Text:");
inline constexpr const char* kAutoStartLabel =
    N_("&Start effects automatically after the page loads.");

// About box
inline constexpr const char* kAboutCaption = N_("About Glintwick");
inline constexpr const char* kVersion = N_("Version 1.0, Build #102");
inline constexpr const char* kNotice = N_("Copyright (c) 2026 Orvane. All rights reserved.");
inline constexpr const char* kCompany = "Orvane Software";
inline constexpr const char* kAddressText = "www.orvane.example";
inline constexpr const char* kMotto = N_("\"Small tools that make pages shine.\"");

// What a screen reader calls the effects list
inline constexpr const char* kEffectsListName = N_("Effects");

// File type
inline constexpr const char* kFileTypeId = "OrvaneGWK.Document";
inline constexpr const char* kFileTypeName = N_("Glintwick Document");
inline constexpr const char* kMimeType = "application/x-glintwick-project";

}  // namespace glintwick::str

namespace glintwick::str {

// The main window's status bar: the sequence's duration as the page plays it

}  // namespace glintwick::str
