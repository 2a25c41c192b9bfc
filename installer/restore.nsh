; The uninstaller's restoring of what an Apply pointed at the files it is about to delete
; (included by kelvoro.nsi): the Recycle Bin's icons and name, and the "Empty Recycle Bin" sound.

; The name that Windows gives the Recycle Bin in the uninstaller's display language, which a
; restored bin gets back: "Recycle Bin" in English; else the class's LocalizedString as the system
; resolves it (RegLoadMUIStringW, or on Windows XP SHLoadIndirectString); on a Windows with
; neither, the class's own default value; then the program's own word for the language
; ($(BinName), "Recycle Bin" in a language the setup does not speak). An answer that is empty,
; longer than 127 characters or "Kelvoro" is passed over. Another account's display language is
; not known here: its bin is named in this one's.
Var StockName

!define /math NAME_BUFFER_BYTES ${NSIS_MAX_STRLEN} * 2
!define KEY_READ_64 0x20119  ; KEY_READ | KEY_WOW64_64KEY: the class as 64-bit Explorer reads it
; HKEY_LOCAL_MACHINE, 0x80000002 sign-extended as a 64-bit handle is: -2147483646.

; Stack in: a name. Stack out: 1 when it may be written, else 0.
Function un.AcceptableName
  Exch $0
  Push $1
  StrLen $1 $0
  ${If} $0 == ""
  ${OrIf} $1 > 127
  ${OrIf} $0 == "${PRODUCT_NAME}"  ; compared without regard to case
    StrCpy $0 0
  ${Else}
    StrCpy $0 1
  ${EndIf}
  Pop $1
  Exch $0
FunctionEnd

Function un.FindStockName
  StrCpy $StockName "${STOCK_NAME}"
  System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
  IntOp $0 $0 & 0x3FF
  ${If} $0 = 9  ; LANG_ENGLISH
    Return
  ${EndIf}
  StrCpy $2 ""
  System::Call 'advapi32::RegOpenKeyExW(p -2147483646, w "Software\Classes\CLSID\${BIN_CLSID}", i 0, i ${KEY_READ_64}, *p .r1) i .r0'
  ${If} $0 = 0
    System::Call 'advapi32::RegLoadMUIStringW(p r1, w "LocalizedString", w .r2, i ${NAME_BUFFER_BYTES}, *i .r3, i 0, p 0) i .r0'
    ${If} $0 == "error"  ; no MUI loader: the shell's, on Windows XP
      ReadRegStr $3 HKLM "Software\Classes\CLSID\${BIN_CLSID}" "LocalizedString"
      System::Call 'shlwapi::SHLoadIndirectString(w r3, w .r2, i ${NSIS_MAX_STRLEN}, p 0) i .r0'
      ${If} $0 == "error"  ; neither: the class's own name
        ReadRegStr $2 HKLM "Software\Classes\CLSID\${BIN_CLSID}" ""
      ${ElseIf} $0 <> 0
        StrCpy $2 ""
      ${EndIf}
    ${ElseIf} $0 <> 0
      StrCpy $2 ""
    ${EndIf}
    System::Call 'advapi32::RegCloseKey(p r1)'
  ${EndIf}
  Push $2
  Call un.AcceptableName
  Pop $0
  ${If} $0 = 1
    StrCpy $StockName $2
    Return
  ${EndIf}
  Push "$(BinName)"
  Call un.AcceptableName
  Pop $0
  ${If} $0 = 1
    StrCpy $StockName "$(BinName)"
  ${EndIf}
FunctionEnd

; The registry values below are restored in several places: the per-user values of the account
; running the uninstaller (HKCU), of every other account whose registry is loaded (HKU\<SID>,
; see un.RestoreLoadedAccounts), and the machine-wide class of the 9x family (HKLM). Each macro
; takes the root and the key, which for another account starts with "<SID>\"; WHO names the
; place in the uninstaller's details (a Who* text of languages.nsh).

; Writes the stock icon back into one DefaultIcon value when that value names a file in the
; install folder, and then sets $3 to 1. A missing key or value is left missing.
!macro RestoreBinIconValue ROOT KEY VALUE STOCK WHO
  ClearErrors
  ReadRegStr $0 ${ROOT} "${KEY}\DefaultIcon" "${VALUE}"
  ${IfNot} ${Errors}
    Push $0
    Call un.InInstallFolder
    Pop $1
    ${If} $1 == 1
      StrCpy $IconValue "${VALUE}"
      StrCpy $Who "${WHO}"
      DetailPrint "$(RestoringIcon)"
      WriteRegStr ${ROOT} "${KEY}\DefaultIcon" "${VALUE}" "${STOCK}"
      StrCpy $3 1
    ${EndIf}
  ${EndIf}
!macroend

; The name "Kelvoro" goes back too; while the other build stays installed, only together with
; icons of this install, since the name may be the other program's.
!macro RestoreBin ROOT KEY WHO
  StrCpy $3 0
  !insertmacro RestoreBinIconValue ${ROOT} "${KEY}" "" "${STOCK_ICON_EMPTY}" "${WHO}"
  !insertmacro RestoreBinIconValue ${ROOT} "${KEY}" "Empty" "${STOCK_ICON_EMPTY}" "${WHO}"
  !insertmacro RestoreBinIconValue ${ROOT} "${KEY}" "Full" "${STOCK_ICON_FULL}" "${WHO}"
  ClearErrors
  ReadRegStr $0 ${ROOT} "${KEY}" ""
  ${IfNot} ${Errors}
  ${AndIf} $0 == "${PRODUCT_NAME}"
    ${If} $3 == 1
    ${OrIf} $OtherFolder == ""
      StrCpy $Who "${WHO}"
      DetailPrint "$(RestoringName)"
      WriteRegStr ${ROOT} "${KEY}" "" $StockName
    ${EndIf}
  ${EndIf}
!macroend

; Points the "Empty Recycle Bin" sound (KEY: the event's key) back at the stock sound when it is
; the wave file that is about to be deleted; with no stock sound to go back to, clears it instead.
!macro RestoreEmptyBinSound ROOT KEY WHO
  ClearErrors
  ReadRegStr $0 ${ROOT} "${KEY}\.Current" ""
  StrCpy $2 0
  ${IfNot} ${Errors}
    ${If} $0 == "$WINDIR\media\${WAV_NAME}"
    ${OrIf} $0 == "%SystemRoot%\media\${WAV_NAME}"
    ${OrIf} $0 == "%windir%\media\${WAV_NAME}"
      StrCpy $2 1
    ${Else}
      ExpandEnvStrings $1 $0
      ${If} $1 == "$WINDIR\media\${WAV_NAME}"
        StrCpy $2 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $2 == 1
    ClearErrors
    ReadRegStr $1 ${ROOT} "${KEY}\.Default" ""
    ${If} ${Errors}
      StrCpy $1 ""
    ${EndIf}
    ; A stock sound that is itself the file being removed is as good as none.
    ExpandEnvStrings $3 $1
    ${If} $3 == "$WINDIR\media\${WAV_NAME}"
      StrCpy $1 ""
    ${EndIf}
    StrCpy $Who "${WHO}"
    ${If} $1 != ""
      DetailPrint "$(RestoringSound)"
      WriteRegExpandStr ${ROOT} "${KEY}\.Current" "" $1
    ${Else}
      DetailPrint "$(ClearingSound)"
      DeleteRegValue ${ROOT} "${KEY}\.Current" ""
    ${EndIf}
  ${EndIf}
!macroend

; Everything one account's Apply may have pointed at what is about to be deleted. The wave file
; stays while the other build is installed, and with it the sound.
!macro RestoreAccount ROOT PREFIX WHO
  !insertmacro RestoreBin ${ROOT} "${PREFIX}${BIN_KEY_NT}" "${WHO}"
  ${If} $OtherFolder == ""
    !insertmacro RestoreEmptyBinSound ${ROOT} "${PREFIX}${SOUND_KEY}" "${WHO}"
  ${EndIf}
!macroend

Function un.RestoreCurrentAccount
  !insertmacro RestoreAccount HKCU "" "$(WhoThisAccount)"
FunctionEnd

; $R0: the name of a loaded account's key under HKEY_USERS.
Function un.RestoreLoadedAccount
  !insertmacro RestoreAccount HKU "$R0\" "$(WhoAccount)"
FunctionEnd

; Every account whose registry is loaded (signed in, or running something) has a key under
; HKEY_USERS named by its SID; the account running the uninstaller is one of them, and finds
; nothing left to do there. ".DEFAULT" (the system account's settings, also listed as S-1-5-18)
; and the "<SID>_Classes" keys (file associations, not Explorer settings) are skipped. Accounts
; that are not signed in have no key there: the uninstaller cannot see or restore them.
Function un.RestoreLoadedAccounts
  Push $R0
  Push $R1
  Push $R2
  StrCpy $R1 0
  ${Do}
    ClearErrors
    EnumRegKey $R0 HKU "" $R1
    ${If} ${Errors}
    ${OrIf} $R0 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $R1 $R1 + 1
    StrCpy $R2 $R0 "" -8
    ${If} $R0 == ".DEFAULT"
    ${OrIf} $R2 == "_Classes"
      ${Continue}
    ${EndIf}
    Call un.RestoreLoadedAccount
  ${Loop}
  DetailPrint "$(NotSignedIn1)"
  DetailPrint "$(NotSignedIn2)"
  DetailPrint "$(NotSignedIn3)"
  DetailPrint "$(NotSignedIn4)"
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
