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

; A running program cannot be replaced or removed: the user is asked to end it first.
!macro WaitUntilNotRunning
  ${DoWhile} ${FileExists} "$INSTDIR\vorlix.exe"
    ClearErrors
    Delete "$INSTDIR\vorlix.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Vorlix is running. Right-click its word window, choose Exit, then Retry." /SD IDCANCEL IDRETRY +2
    Abort
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
  !insertmacro WaitUntilNotRunning
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
  !insertmacro WaitUntilNotRunning
  !include "${FILE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vorlix.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "vorlix1.0"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
