; SPDX-FileCopyrightText: 2026 kestry
; SPDX-License-Identifier: GPL-3.0-or-later
; The Vorlix installer: a per-user install that needs no administrator rights, into
; %LOCALAPPDATA%\Programs\Vorlix, with Start menu entries, an uninstaller and an entry in the list
; of installed programs. The build defines VERSION, PROGRAM_FOLDER (what to install), ICON,
; OUTFILE, LICENSE (the licence text it shows) and the lists release_files.cmake makes:
; INSTALL_FILES, RELEASED_FILES and REMOVE_FILES.
;
; The program's own files are replaced and removed by name. What is the user's stays as it is: the
; user's own word database in %LOCALAPPDATA%\Vorlix, the settings, a words.tsv or reg.ocx in the
; program folder whose content no release of Vorlix installed there (an edited list, a database
; the user made), and any file no release installed. Such a reg.ocx, when it is a word database,
; is moved to where the program reads the user's own words.
Unicode true
!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlix"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\VB and VBA Program Settings\kestry\vorlix1.0"
!define OWN_WORDS_FOLDER "$LOCALAPPDATA\Vorlix"
!define OWN_WORDS_ENTRY "$SMPROGRAMS\Vorlix - Use My Own Words.lnk"
!define HELP_ENTRY "$SMPROGRAMS\Vorlix Help.lnk"

Name "Vorlix"
BrandingText "Vorlix ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Vorlix"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vorlix"
VIAddVersionKey /LANG=1033 "CompanyName" "kestry"
VIAddVersionKey /LANG=1033 "FileDescription" "Vorlix setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 kestry. Free software under the GNU GPL, version 3 or later"

; What the last page of the installer or the uninstaller says: set by its work.
Var FinishText
; The files of the program folder the installer left as the user had them, ", " between them.
Var KeptFiles
; Those it could not write, ", " between them.
Var FailedFiles
; 1 when the program folder holds a reg.ocx that is no word database: another program's file.
Var ForeignWordDatabase

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The licence comes first. It asks for no acceptance before the program is used, so the page goes
; on with Next rather than "I Agree".
!define MUI_LICENSEPAGE_TEXT_TOP "Vorlix is free software under the GNU General Public License, version 3 or later."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You need not accept this licence to install or use Vorlix. It gives you the right to share and change the program on the terms above."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorlix.exe"
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

; A running program cannot be replaced or removed: the user is asked to end it first, before the
; first page, and again when the work starts; nothing is changed before none runs. The word window,
; its word reader and the word-list tool each hold the program's DLLs. Whether one runs is asked
; without changing anything: Windows lets no one open a running program's file for writing. The
; question must come in front of every window, the word window included, which stays above the
; others. A message box asking for that alone (MB_TOPMOST) is not kept on top under Wine; one owned
; by a window on top, made for it and never shown, is, on Windows too.
; $2 becomes MESSAGE when the program NAME of the program folder runs.
!macro WhenRunning NAME MESSAGE
  ; GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING
  System::Call 'kernel32::CreateFileW(w "$INSTDIR\${NAME}", i 0x40000000, i 7, p 0, i 3, i 0, p 0) p .r0 ?e'
  Pop $1
  ${If} $0 P<> -1
    System::Call 'kernel32::CloseHandle(p r0)'
  ; Only a running program's file is refused for sharing (ERROR_SHARING_VIOLATION); a missing
  ; one, or one refused for another reason, is no running program.
  ${ElseIf} $1 = 32
    StrCpy $2 "${MESSAGE}"
  ${EndIf}
!macroend

!macro WaitUntilNotRunning CAPTION
  ${Do}
    StrCpy $2 ""
    !insertmacro WhenRunning "wordbase.exe" "Vorlix - Use My Own Words is running.$\r$\nClose its window, then Retry."
    !insertmacro WhenRunning "vorlix-words.exe" "Vorlix is running.$\r$\nRight-click its word window, choose Exit, then Retry."
    !insertmacro WhenRunning "vorlix.exe" "Vorlix is running.$\r$\nRight-click its word window, choose Exit, then Retry."
    ${If} $2 == ""
      ${Break}
    ${EndIf}
    ${If} ${Silent}
      Abort
    ${EndIf}
    ; WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP
    System::Call 'user32::CreateWindowExW(i 0x88, w "STATIC", w "", i 0x80000000, i 0, i 0, i 0, i 0, p 0, p 0, p 0, p 0) p .r1'
    ; MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST; IDRETRY is 4
    System::Call 'user32::MessageBoxW(p r1, w "$2${U+00A0}", w "${CAPTION}", i 0x50035) i .r0'
    System::Call 'user32::DestroyWindow(p r1)'
    ${If} $0 != 4
      Abort
    ${EndIf}
  ${Loop}
!macroend

; ${PREFIX}Sha256: the SHA-256 of the file $R0, in lower-case hexadecimal, into $R1; empty when the
; file cannot be read.
!macro Sha256Function PREFIX
Function ${PREFIX}Sha256
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  StrCpy $R1 ""
  ; GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING
  System::Call 'kernel32::CreateFileW(w R0, i 0x80000000, i 7, p 0, i 3, i 0, p 0) p .r0'
  ${If} $0 P<> -1
    ; PROV_RSA_AES, CRYPT_VERIFYCONTEXT; CALG_SHA_256
    System::Call 'advapi32::CryptAcquireContextW(*p .r1, p 0, p 0, i 24, i 0xF0000000)'
    System::Call 'advapi32::CryptCreateHash(p r1, i 0x800C, p 0, i 0, *p .r3)'
    System::Alloc 65536
    Pop $4
    ${Do}
      System::Call 'kernel32::ReadFile(p r0, p r4, i 65536, *i .r5, p 0) i .r2'
      ${If} $2 = 0
      ${OrIf} $5 = 0
        ${ExitDo}
      ${EndIf}
      System::Call 'advapi32::CryptHashData(p r3, p r4, i r5, i 0)'
    ${Loop}
    ; ReadFile reports the end of the file as success with nothing read; anything else is a fault.
    ${If} $2 <> 0
      ; HP_HASHVAL
      System::Call 'advapi32::CryptGetHashParam(p r3, i 2, p r4, *i 32, i 0) i .r2'
      ${If} $2 <> 0
        ${For} $5 0 31
          IntOp $2 $4 + $5
          System::Call '*$2(&i1 .r2)'
          IntOp $2 $2 & 0xFF
          IntFmt $2 "%02x" $2
          StrCpy $R1 "$R1$2"
        ${Next}
      ${EndIf}
    ${EndIf}
    System::Free $4
    System::Call 'advapi32::CryptDestroyHash(p r3)'
    System::Call 'advapi32::CryptReleaseContext(p r1, i 0)'
    System::Call 'kernel32::CloseHandle(p r0)'
  ${EndIf}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend

; ${PREFIX}Ours: $R1 becomes 1 when the word list or database $R0 of the program folder
; ("words.tsv") is not there, or holds what a release of Vorlix installed there; 0 when it is the
; user's.
!macro OursFunction PREFIX
Function ${PREFIX}Ours
  ${IfNot} ${FileExists} "$INSTDIR\$R0"
    StrCpy $R1 1
    Return
  ${EndIf}
  Push $R0
  StrCpy $R0 "$INSTDIR\$R0"
  Call ${PREFIX}Sha256
  Pop $R0
  StrCpy $R1 "$R0|$R1"
  !include "${RELEASED_FILES}"
  StrCpy $R1 0
  Return
  released:
  StrCpy $R1 1
FunctionEnd
!macroend

!insertmacro Sha256Function ""
!insertmacro Sha256Function "un."
!insertmacro OursFunction ""
!insertmacro OursFunction "un."

; NAME added to the list of file names LIST ($KeptFiles, $FailedFiles), ", " between them.
!macro AddFileName LIST NAME
  ${If} ${LIST} == ""
    StrCpy ${LIST} "${NAME}"
  ${Else}
    StrCpy ${LIST} "${LIST}, ${NAME}"
  ${EndIf}
!macroend

; The installer's command for a program file: it is replaced whatever it holds. One that cannot be
; written is named on the last page rather than passed over in silence.
!macro InstallProgramFile FOLDER NAME
  SetOutPath "${FOLDER}"
  ClearErrors
  File "${PROGRAM_FOLDER}\${NAME}"
  ${If} ${Errors}
    !insertmacro AddFileName $FailedFiles "${NAME}"
  ${EndIf}
!macroend

; The installer's command for the word list or database: it replaces only what is Vorlix's.
!macro InstallUsersFile FOLDER NAME
  StrCpy $R0 "${NAME}"
  Call Ours
  ${If} $R1 = 1
    !insertmacro InstallProgramFile "${FOLDER}" "${NAME}"
  ${ElseIf} "${NAME}" == "reg.ocx"
  ${AndIf} $ForeignWordDatabase = 1
    ; The last page says what it is.
  ${Else}
    !insertmacro AddFileName $KeptFiles "${NAME}"
  ${EndIf}
!macroend

; The command that removes the word list or database: only what is Vorlix's.
!macro RemoveUsersFile PREFIX NAME
  StrCpy $R0 "${NAME}"
  Call ${PREFIX}Ours
  ${If} $R1 = 1
    Delete "$INSTDIR\${NAME}"
  ${EndIf}
!macroend

; A reg.ocx in the program folder that no release installed is one the user made there, as the
; help page once said to: it goes to where the program reads the user's own words, or, where
; there are some already, beside them under a name of its own. $0 becomes where it went, or
; stays empty. Where it cannot be moved, it stays, and is kept as the user's. Only a word database
; goes, an Access (Jet) file: a file of that name of another program's stays where that program
; looks for it, and $ForeignWordDatabase becomes 1.
Function MoveOwnWordDatabase
  StrCpy $0 ""
  StrCpy $ForeignWordDatabase 0
  StrCpy $R0 "reg.ocx"
  Call Ours
  ${If} $R1 = 1
    Return
  ${EndIf}
  StrCpy $1 ""
  ClearErrors
  FileOpen $2 "$INSTDIR\reg.ocx" r
  ${IfNot} ${Errors}
    FileSeek $2 4
    FileRead $2 $1 15
    FileClose $2
  ${EndIf}
  ${If} $1 S!= "Standard Jet DB"
    StrCpy $ForeignWordDatabase 1
    Return
  ${EndIf}
  CreateDirectory "${OWN_WORDS_FOLDER}"
  StrCpy $1 "${OWN_WORDS_FOLDER}\reg.ocx"
  StrCpy $2 1
  ${While} ${FileExists} $1
    ${If} $2 = 1
      StrCpy $1 "${OWN_WORDS_FOLDER}\reg-previous.ocx"
    ${Else}
      StrCpy $1 "${OWN_WORDS_FOLDER}\reg-previous-$2.ocx"
    ${EndIf}
    IntOp $2 $2 + 1
  ${EndWhile}
  ClearErrors
  Rename "$INSTDIR\reg.ocx" $1
  ${IfNot} ${Errors}
    StrCpy $0 $1
  ${EndIf}
FunctionEnd

; The last page's text may run to three paragraphs, more than the room above the Run check box:
; the check box goes to the foot of the page, and the text takes what is left. Positions in dialog
; units, as the page lays them out: the text starts 45 down and 120 in, 195 wide, on a page 193 high.
!macro PlaceOnFinishPage CONTROL LEFT TOP RIGHT BOTTOM
  System::Call '*(i ${LEFT}, i ${TOP}, i ${RIGHT}, i ${BOTTOM}) p .r0'
  System::Call 'user32::MapDialogRect(p $mui.FinishPage, p r0)'
  System::Call '*$0(i .r1, i .r2, i .r3, i .r4)'
  System::Free $0
  IntOp $3 $3 - $1
  IntOp $4 $4 - $2
  ; SWP_NOZORDER | SWP_NOACTIVATE
  System::Call 'user32::SetWindowPos(p ${CONTROL}, p 0, i r1, i r2, i r3, i r4, i 0x14)'
!macroend

Function FinishPageShow
  !insertmacro PlaceOnFinishPage $mui.FinishPage.Text 120 45 315 173
  !insertmacro PlaceOnFinishPage $mui.FinishPage.Run 120 178 315 188
FunctionEnd

Function .onInit
  SetShellVarContext current
  !insertmacro WaitUntilNotRunning "$(^SetupCaption)"
FunctionEnd

Function un.onInit
  SetShellVarContext current
  !insertmacro WaitUntilNotRunning "$(^UninstallCaption)"
FunctionEnd

Section "Vorlix"
  !insertmacro WaitUntilNotRunning "$(^SetupCaption)"
  ; The last page's first paragraph comes last, when it is known whether every file was written.
  StrCpy $FinishText ""
  Call MoveOwnWordDatabase
  ${If} $0 == "${OWN_WORDS_FOLDER}\reg.ocx"
    StrCpy $FinishText "$FinishText$\r$\n$\r$\nYour own words, reg.ocx in the program folder, are now in $0, where Vorlix reads them and installing leaves them alone."
  ${ElseIf} $0 != ""
    StrCpy $FinishText "$FinishText$\r$\n$\r$\nYour own reg.ocx from the program folder is now $0, beside the words Vorlix reads."
  ${EndIf}
  ; The files keep no build times: the same program folder makes the same installer.
  SetDateSave off
  !include "${INSTALL_FILES}"
  ${If} $ForeignWordDatabase = 1
    StrCpy $FinishText "$FinishText$\r$\n$\r$\n$INSTDIR\reg.ocx is no word database and stays as it was; Vorlix shows no words while it is there. Install Vorlix into a folder of its own."
  ${EndIf}
  ${If} $KeptFiles != ""
    StrCpy $FinishText "$FinishText$\r$\n$\r$\nKept as you changed them: $KeptFiles."
  ${EndIf}
  ${If} $FailedFiles == ""
    StrCpy $FinishText "Vorlix is installed. To see words of your own, give your list to $\"Vorlix - Use My Own Words$\" in the Start menu.$FinishText"
  ${Else}
    StrCpy $FinishText "Vorlix is not completely installed: $FailedFiles could not be written. End every program that may use them, then run this installer again.$FinishText"
    SetErrorLevel 2
  ${EndIf}
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vorlix.lnk" "$INSTDIR\vorlix.exe" "" "$INSTDIR\vorlix.exe" 0 \
    SW_SHOWNORMAL "" "English and Spanish words, a pair every few seconds"
  CreateShortcut "${OWN_WORDS_ENTRY}" "$INSTDIR\wordbase.exe" "" "$INSTDIR\vorlix.exe" 0 \
    SW_SHOWNORMAL "" "Vorlix shows the words of your own list, saved from a spreadsheet, Quizlet or Anki"
  CreateShortcut "${HELP_ENTRY}" "$INSTDIR\help.html" "" "" 0 SW_SHOWNORMAL "" "How to use Vorlix"

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

; The names in the program folder that stay after the uninstall, ", " between them, into $1.
Function un.WhatStays
  StrCpy $1 ""
  FindFirst $2 $3 "$INSTDIR\*"
  ${DoWhile} $3 != ""
    ${If} $3 != "."
    ${AndIf} $3 != ".."
      ${If} $1 == ""
        StrCpy $1 $3
      ${Else}
        StrCpy $1 "$1, $3"
      ${EndIf}
    ${EndIf}
    FindNext $2 $3
  ${Loop}
  FindClose $2
FunctionEnd

; Removes what a release of Vorlix put there, one file at a time, and the program folder once
; nothing else is left in it. The user's own words and settings stay, for a later install.
Section "Uninstall"
  !insertmacro WaitUntilNotRunning "$(^UninstallCaption)"
  !include "${REMOVE_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vorlix.lnk"
  Delete "${OWN_WORDS_ENTRY}"
  Delete "${HELP_ENTRY}"
  DeleteRegValue HKCU "${RUN_KEY}" "vorlix1.0"
  ; The settings stay, and with them the one that says the program starts at log-on: it no longer
  ; does, and a later install must not show it ticked.
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "mark"
  ${If} $0 != ""
    WriteRegStr HKCU "${SETTINGS_KEY}" "mark" "0"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  StrCpy $FinishText "Vorlix is removed from your computer. Your settings are kept, for a later install."
  ${If} ${FileExists} "${OWN_WORDS_FOLDER}\reg.ocx"
    StrCpy $FinishText "$FinishText$\r$\n$\r$\nYour own words are kept too, in ${OWN_WORDS_FOLDER}\reg.ocx. Delete that file to remove them, or to see the words Vorlix comes with after a later install."
  ${EndIf}
  ${If} ${FileExists} "${OWN_WORDS_FOLDER}\known-words.txt"
    StrCpy $FinishText "$FinishText$\r$\n$\r$\nThe words you marked as known are kept as well, in ${OWN_WORDS_FOLDER}\known-words.txt, for a later install."
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\*"
    Call un.WhatStays
    StrCpy $FinishText "$FinishText$\r$\n$\r$\n$INSTDIR stays, holding what Vorlix did not install there, or what was changed since: $1."
  ${EndIf}
SectionEnd
