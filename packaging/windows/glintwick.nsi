; The Windows installer: both programs, the help file, the translations and a Start menu
; shortcut, for all users when it runs elevated (Program Files) and for the current user
; otherwise, with an uninstaller registered in Apps & features. Built by cmake/WindowsInstaller.cmake, which defines VERSION,
; BIN_DIR, ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Glintwick"
!define PUBLISHER "Orvane Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glintwick"
; The file type the program registers for its user at every start (not settings: those stay).
!define TYPE_ID "OrvaneGWK.Document"
; The mutex a running Glintwick holds (ui/msw/FileAssociation.cpp).
!define RUNNING_MUTEX "OrvaneGlintwickRunning"

Name "${PRODUCT} ${VERSION}"
BrandingText "${PRODUCT} ${VERSION} Setup"
OutFile "${OUTFILE}"
RequestExecutionLevel highest
ShowInstDetails show
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 Orvane. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files in use cannot be replaced or removed: while Glintwick runs, ask the user to close it
; (Retry looks again); Cancel, and a silent run, stop with exit status 2 and change nothing.
!macro WAIT_UNTIL_CLOSED
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    SetErrorLevel 2
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
  SetErrorLevel 0
!macroend

; An administrator installs for everyone, anyone else for themselves. /D= chooses the folder.
Function .onInit
  !insertmacro WAIT_UNTIL_CLOSED
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "${PRODUCT}"
  ; Again as the files are written: Glintwick may have started since the first look.
  !insertmacro WAIT_UNTIL_CLOSED
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/glintwick.exe"
  File "${BIN_DIR}/glintwick-cli.exe"
  File "${BIN_DIR}/glintwick.chm"
  ; The interface's translations, where the program looks beside itself.
  File /r "${BIN_DIR}/locale"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\glintwick.exe"
  ; SHCTX is HKEY_LOCAL_MACHINE for all users, HKEY_CURRENT_USER for one.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\glintwick.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller works in the context its installation used: all users when the machine's
; entry names this folder.
Function un.onInit
  !insertmacro WAIT_UNTIL_CLOSED
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Again as the files go: Glintwick may have started since the first look. The program goes
  ; first, and a program that cannot go (in use all the same) stops the uninstall with nothing
  ; else removed, so the entry in Apps & features still leads to what is left.
  !insertmacro WAIT_UNTIL_CLOSED
  ClearErrors
  Delete "$INSTDIR\glintwick.exe"
  ${If} ${Errors}
    SetErrorLevel 2
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\glintwick.exe is in use and could not be removed. Close ${PRODUCT}, then uninstall again." /SD IDOK
    Quit
  ${EndIf}
  Delete "$INSTDIR\glintwick-cli.exe"
  Delete "$INSTDIR\glintwick.chm"
  RMDir /r "$INSTDIR\locale"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ; The program's file type for this user, and .gwk only where it still names that type.
  DeleteRegKey HKCU "Software\Classes\${TYPE_ID}"
  ReadRegStr $0 HKCU "Software\Classes\.gwk" ""
  ${If} $0 == "${TYPE_ID}"
    DeleteRegValue HKCU "Software\Classes\.gwk" ""
    DeleteRegKey /ifempty HKCU "Software\Classes\.gwk"
  ${EndIf}
  ; SHCNE_ASSOCCHANGED: the shell forgets the removed type.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
