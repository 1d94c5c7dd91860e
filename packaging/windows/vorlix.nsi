; SPDX-FileCopyrightText: 2026 kestry
; SPDX-License-Identifier: GPL-3.0-or-later
; The Vorlix installer: a per-user install that needs no administrator rights, into
; %LOCALAPPDATA%\Programs\Vorlix, with a Start menu entry, an uninstaller and an entry in the list
; of installed programs. The build defines VERSION, PROGRAM_FOLDER (what to install), ICON, OUTFILE,
; LICENSE (the licence text it shows) and FILE_LIST (the uninstaller's list of what it installed).
Unicode true
!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlix"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\VB and VBA Program Settings\kestry\vorlix1.0"

Name "Vorlix"
BrandingText "Vorlix ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Vorlix"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vorlix"
VIAddVersionKey /LANG=1033 "CompanyName" "kestry"
VIAddVersionKey /LANG=1033 "FileDescription" "Vorlix setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 kestry. Free software under the GNU GPL, version 3 or later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorlix.exe"
; The licence comes first. It asks for no acceptance before the program is used, so the page goes
; on with Next rather than "I Agree".
!define MUI_LICENSEPAGE_TEXT_TOP "Vorlix is free software under the GNU General Public License, version 3 or later."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You need not accept this licence to install or use Vorlix. It gives you the right to share and change the program on the terms above."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running program cannot be replaced or removed: the user is asked to end it first. The question
; must come in front of every window, the word window included, which stays above the others. A
; message box asking for that alone (MB_TOPMOST) is not kept on top under Wine; one owned by a
; window on top, made for it and never shown, is, on Windows too.
!macro WaitUntilNotRunning CAPTION
  ${DoWhile} ${FileExists} "$INSTDIR\vorlix.exe"
    ClearErrors
    Delete "$INSTDIR\vorlix.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    ${If} ${Silent}
      Abort
    ${EndIf}
    ; WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP
    System::Call 'user32::CreateWindowExW(i 0x88, w "STATIC", w "", i 0x80000000, i 0, i 0, i 0, i 0, p 0, p 0, p 0, p 0) p .r1'
    ; MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST; IDRETRY is 4
    System::Call 'user32::MessageBoxW(p r1, w "Vorlix is running. Right-click its word window, choose Exit, then Retry.", w "${CAPTION}", i 0x50035) i .r0'
    System::Call 'user32::DestroyWindow(p r1)'
    ${If} $0 != 4
      Abort
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Vorlix"
  SetOutPath "$INSTDIR"
  !insertmacro WaitUntilNotRunning "$(^SetupCaption)"
  ; The files keep no build times: the same program folder makes the same installer.
  SetDateSave off
  File /r "${PROGRAM_FOLDER}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vorlix.lnk" "$INSTDIR\vorlix.exe" "" "$INSTDIR\vorlix.exe" 0 \
    SW_SHOWNORMAL "" "English and Spanish words, a pair every few seconds"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vorlix"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "kestry"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.kestry.com/"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorlix.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put there, one file at a time: the folder may have been one the user
; already kept other things in. The settings stay, for a later install.
Section "Uninstall"
  !insertmacro WaitUntilNotRunning "$(^UninstallCaption)"
  !include "${FILE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vorlix.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "vorlix1.0"
  ; The settings stay, and with them the one that says the program starts at log-on: it no longer
  ; does, and a later install must not show it ticked.
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "mark"
  ${If} $0 != ""
    WriteRegStr HKCU "${SETTINGS_KEY}" "mark" "0"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
