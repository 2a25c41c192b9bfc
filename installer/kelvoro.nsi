; Kelvoro 2.1 setup and uninstaller (NSIS 3).
;
; Build (scripts/package.sh does this):
;   makensis -DDIST_DIR=<folder with "Kelvoro 2.1.exe", black.ico, white.ico> \
;            -DWAV=<dravik.wav> -DOUTFILE=<setup.exe> [-DARCH=x64] [-DICON=<kelvoro.ico>] \
;            [-DSIGN=<scripts/sign.sh>] installer/kelvoro.nsi
; ARCH x86 (the default) builds the 32-bit setup of the 32-bit program, for every Windows; x64
; builds a 64-bit setup of the 64-bit program, which installs into the 64-bit Program Files and
; registers in the 64-bit registry view.
; On 64-bit Windows both may be installed side by side: each has its own folder, Add/Remove entry
; (the 64-bit one named "Kelvoro 2.1 (64-bit)") and Start menu shortcut, and they share the wave
; file in the media folder and the account's settings, which stay until the last one is removed.
; makensis works in the folder of this script, so give it absolute paths.
; SIGN names the signing script (scripts/sign.sh): makensis runs it on the uninstaller before it
; embeds it, and on the finished setup; either failing fails the build.
;
; The installer puts the program and its two bin icons in the program folder, the "Empty Recycle
; Bin" sound in the media folder of the Windows directory, a Start menu shortcut and an entry in
; Add/Remove Programs. The uninstaller first gives the Recycle Bin its stock icons, name and sound
; back wherever they still point at what it is about to delete, for its own account and every
; other account that is signed in, then removes everything it put in place, and its own account's
; settings key.

!ifndef ARCH
  !define ARCH "x86"
!endif
!if "${ARCH}" == "x64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
  !define SETUP_NAME "Kelvoro-2.1-x64-setup.exe"
!else if "${ARCH}" == "x86"
  Unicode true
  !define PROGRAM_FILES "$PROGRAMFILES"
  !define SETUP_NAME "Kelvoro-2.1-setup.exe"
!else
  !error "ARCH must be x86 or x64, not ${ARCH}"
!endif
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef DIST_DIR
  !error "DIST_DIR is not defined: pass -DDIST_DIR=<folder holding Kelvoro 2.1.exe, black.ico, white.ico>"
!endif
!ifndef WAV
  !error "WAV is not defined: pass -DWAV=<path of dravik.wav>"
!endif
!ifndef OUTFILE
  !error "OUTFILE is not defined: pass -DOUTFILE=<path of the setup program to write>"
!endif
!ifdef SIGN
  !uninstfinalize 'bash "${SIGN}" "%1"' = 0
  !finalize 'bash "${SIGN}" "%1"' = 0
!endif
!ifndef ICON
  !define ICON "..\res\kelvoro.ico"  ; makensis works in the script's folder
!endif

!define PRODUCT      "Kelvoro 2.1"
!define PRODUCT_NAME "Kelvoro"
!define VERSION      "2.01"
!define VERSION_NUM  "2.1.0.0"
!define PUBLISHER    "Orvane's Software"
!define EXE          "Kelvoro 2.1.exe"
!define WAV_NAME     "dravik.wav"
!define UNINSTALLER  "uninstall.exe"

; Both setups keep their Add/Remove entry under this key, each in the registry view of its own
; bitness, so the two never meet; the 64-bit one says which it is in its name and shortcut.
!define ARP_KEY      "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!if "${ARCH}" == "x64"
  !define DISPLAY_NAME "${PRODUCT} (64-bit)"
  !define OTHER_VIEW   32  ; where the other build's setup registers
!else
  !define DISPLAY_NAME "${PRODUCT}"
  !define OTHER_VIEW   64
!endif
!define SHORTCUT     "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
!define VENDOR_KEY   "Software\Orvane's Software"
!define SETTINGS_KEY "${VENDOR_KEY}\Kelvoro"

; The Recycle Bin class: per-user Explorer overrides (NT family), machine-wide class (9x family).
!define BIN_CLSID    "{645FF040-5081-101B-9F08-00AA002F954E}"
!define BIN_KEY_NT   "Software\Microsoft\Windows\CurrentVersion\Explorer\CLSID\${BIN_CLSID}"
!define BIN_KEY_9X   "Software\CLASSES\CLSID\${BIN_CLSID}"
!define STOCK_ICON_EMPTY "%SystemRoot%\System32\shell32.dll,31"
!define STOCK_ICON_FULL  "%SystemRoot%\System32\shell32.dll,32"
!define STOCK_NAME       "Recycle Bin"
!define SOUND_KEY    "AppEvents\Schemes\Apps\Explorer\EmptyRecycleBin"

Name "${PRODUCT}"
Caption "$(SetupCaption)"
UninstallCaption "$(UninstallCaption)"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
InstallDirRegKey HKLM "${ARP_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_NUM}"
VIFileVersion "${VERSION_NUM}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"
VIAddVersionKey /LANG=1033 "InternalName" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "OriginalFilename" "${SETUP_NAME}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

Var OtherFolder  ; the other build's install folder, which keeps the shared files, or empty
!include "languages.nsh"

; The registry view of the setup's own bitness: a 64-bit program's settings and its Add/Remove
; entry live in the 64-bit view.
!macro UseRegistryView
  !if "${ARCH}" == "x64"
    SetRegView 64
  !else
    SetRegView default
  !endif
!macroend

; Defines the function (un.)OtherInstall, which sets $0 to the folder of the other build's install
; (the 64-bit one for the 32-bit setup, and the other way round) when one is registered in the
; other registry view and its program is still there, else to "". Only 64-bit Windows has two.
!include "x64.nsh"
!macro OtherInstallFunction UN
  Function ${UN}OtherInstall
    StrCpy $0 ""
    !if "${ARCH}" == "x86"
      ${IfNot} ${RunningX64}
        Return  ; one registry view: it would find this install's own entry
      ${EndIf}
    !endif
    SetRegView ${OTHER_VIEW}
    ReadRegStr $0 HKLM "${ARP_KEY}" "InstallLocation"
    !insertmacro UseRegistryView
    ${If} $0 == $INSTDIR  ; one folder for both: the program goes with this install
    ${OrIfNot} ${FileExists} "$0\${EXE}"
      StrCpy $0 ""
    ${EndIf}
  FunctionEnd
!macroend
!if "${ARCH}" == "x64"
  !insertmacro OtherInstallFunction ""  ; for the shortcut of earlier 64-bit setups
!endif
!insertmacro OtherInstallFunction "un."

; ---------------------------------------------------------------------------------------------
; Install

Function .onInit
  Call ChooseLanguage
  ; The Start menu shortcut is for everyone on the machine, like the program folder.
  SetShellVarContext all
  !insertmacro UseRegistryView
FunctionEnd

Section "Kelvoro 2.1" SecMain
  SectionIn RO

  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=${EXE}" "${DIST_DIR}\${EXE}"
  File "/oname=black.ico" "${DIST_DIR}\black.ico"
  File "/oname=white.ico" "${DIST_DIR}\white.ico"

  SetOutPath "$WINDIR\media"
  File "/oname=${WAV_NAME}" "${WAV}"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
    SW_SHOWNORMAL "" "Give the Recycle Bin new icons, a new name and a new sound"
  !if "${ARCH}" == "x64"
    ; Earlier 64-bit setups named their shortcut like the 32-bit one's. Without a 32-bit install
    ; to own it, such a shortcut is this program's old one, and would outlive it.
    Call OtherInstall
    ${If} $0 == ""
      Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ${EndIf}
  !endif

  ; Add/Remove Programs.
  WriteRegStr   HKLM "${ARP_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr   HKLM "${ARP_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr   HKLM "${ARP_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr   HKLM "${ARP_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr   HKLM "${ARP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr   HKLM "${ARP_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr   HKLM "${ARP_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${ARP_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${ARP_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${ARP_KEY}" "VersionMajor" 2
  WriteRegDWORD HKLM "${ARP_KEY}" "VersionMinor" 1

  ; Size of what was installed, in KB, rounded up: the program folder (uninstaller included)
  ; and the wave file.
  ${GetSize} "$INSTDIR" "/S=0B /G=0" $0 $1 $2
  ${GetSize} "$WINDIR\media" "/M=${WAV_NAME} /S=0B /G=0" $3 $1 $2
  IntOp $0 $0 + $3
  IntOp $0 $0 + 1023
  IntOp $0 $0 / 1024
  WriteRegDWORD HKLM "${ARP_KEY}" "EstimatedSize" $0
SectionEnd

; ---------------------------------------------------------------------------------------------
; Uninstall

Var PrefixLong   ; "$INSTDIR\"
Var PrefixShort  ; the same folder in its short (8.3) form, or empty

Function un.onInit
  Call un.ChooseLanguage
  SetShellVarContext all
  !insertmacro UseRegistryView
  StrCpy $PrefixLong "$INSTDIR\"
  GetFullPathName /SHORT $PrefixShort "$INSTDIR"
  ${If} $PrefixShort != ""
    StrCpy $PrefixShort "$PrefixShort\"
  ${EndIf}
  Call un.OtherInstall
  StrCpy $OtherFolder $0
FunctionEnd

; Stack in: an icon reference or file path as stored in the registry. Stack out: 1 when it names
; a file inside the install folder, else 0. Case-insensitive; "%...%" references are expanded
; first and a leading quote is ignored.
Function un.InInstallFolder
  Exch $0
  Push $1
  Push $2
  ExpandEnvStrings $0 $0
  StrCpy $1 $0 1
  ${If} $1 == '"'
    StrCpy $0 $0 "" 1
  ${EndIf}
  StrCpy $2 0
  StrLen $1 $PrefixLong
  StrCpy $1 $0 $1
  ${If} $1 == $PrefixLong       ; LogicLib's == compares without regard to case
    StrCpy $2 1
  ${ElseIf} $PrefixShort != ""
    StrLen $1 $PrefixShort
    StrCpy $1 $0 $1
    ${If} $1 == $PrefixShort
      StrCpy $2 1
    ${EndIf}
  ${EndIf}
  StrCpy $0 $2
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

!include "restore.nsh"

Section "Uninstall"
  ; The Recycle Bin first, while everything it may point at is still in place.
  Call un.FindStockName
  Call un.RestoreCurrentAccount
  Call un.RestoreLoadedAccounts
  !insertmacro RestoreBin HKLM "${BIN_KEY_9X}" "$(WhoAll9x)"

  Delete /REBOOTOK "$INSTDIR\${EXE}"
  Delete "$INSTDIR\black.ico"
  Delete "$INSTDIR\white.ico"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${ARP_KEY}"

  ; The wave file and the settings serve both builds: they go with the last one.
  ${If} $OtherFolder == ""
    Delete "$WINDIR\media\${WAV_NAME}"
    ; The settings of this account only: another account's key may still serve a portable copy,
    ; and names no file, so it is left in place.
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${VENDOR_KEY}"
  ${Else}
    DetailPrint "$(KeptForOther1)"
    DetailPrint "$(KeptForOther2)"
  ${EndIf}
SectionEnd
