// Numeric ids of dialogs, controls, commands and artwork.
#pragma once

namespace glintwick::id {

// Dialogs and forms
inline constexpr int kAboutDialog = 100;
inline constexpr int kMainForm = 101;
inline constexpr int kEffectDialog = 102;
inline constexpr int kOptionsDialog = 137;
inline constexpr int kScriptDoneDialog = 138;

// Resources named by the document template: menu, shortcut table, icon and strings
inline constexpr int kMainFrame = 128;
inline constexpr int kSplashBitmap = 135;
inline constexpr int kHandCursor = 136;
inline constexpr int kLogoBitmap = 140;

// The dialogs' OK and Cancel buttons
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// Controls
inline constexpr int kEditButton = 1001;
inline constexpr int kAddNewButton = 1002;
inline constexpr int kDeleteButton = 1003;
inline constexpr int kMoveUpButton = 1004;
inline constexpr int kMoveDownButton = 1005;
inline constexpr int kEffectsList = 1006;
inline constexpr int kTextEdit = 1007;
inline constexpr int kEffectCombo = 1009;
inline constexpr int kSpeedSlider = 1010;
inline constexpr int kCountEdit = 1011;  // repeat count (form), loop count (Effect dialog)
inline constexpr int kUpDown = 1012;
inline constexpr int kPreviewText = 1014;
inline constexpr int kDisplay = 1018;
inline constexpr int kStartButton = 1019;
inline constexpr int kPauseButton = 1020;
inline constexpr int kStopButton = 1021;
inline constexpr int kForeverRadio = 1022;
inline constexpr int kTimesRadio = 1024;
inline constexpr int kPreviewGroup = 1027;
inline constexpr int kRepeatGroup = 1028;
inline constexpr int kTimesLabel = 1029;
inline constexpr int kAboutName = 1033;
inline constexpr int kAboutCompany = 1034;
inline constexpr int kAddressLink = 1035;
inline constexpr int kFinalTextEdit = 1036;
inline constexpr int kMoreInfoButton = 1037;
inline constexpr int kTagEdit = 1038;
inline constexpr int kTitleText = 1039;
inline constexpr int kAutoStartCheck = 1041;
inline constexpr int kLogoPicture = 1043;
// Controls added after the designed ones
inline constexpr int kSpeedValue = 1044;    // the Effect dialog's speed as a number
inline constexpr int kFlashWarning = 1045;  // the Effect dialog's warning of fast flashes

// Commands of the program
inline constexpr int kHelpContents = 32771;
inline constexpr int kToolsOptions = 32774;
inline constexpr int kHelpSearch = 32775;
inline constexpr int kGenerateJavascript = 32776;
// Commands added for today's browsers, numbered after the designed ones
inline constexpr int kToolsPreviewInBrowser = 32777;
inline constexpr int kToolsSaveStatusStrip = 32778;
inline constexpr int kFileExportSvg = 32779;

// Standard commands
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kRecentFile1 = 57616;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kHelpIndex = 57666;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

// wx accepts menu ids only below 32767, so menus and shortcuts carry each command's number
// less this offset; the command numbers above stay the program's own.
inline constexpr int kMenuIdOffset = 30000;
constexpr int MenuId(int command) { return command - kMenuIdOffset; }
constexpr int CommandOf(int menuId) { return menuId + kMenuIdOffset; }

// The preview timers of the main view and of the Effect dialog
inline constexpr int kPreviewTimer = 1;

}  // namespace glintwick::id
