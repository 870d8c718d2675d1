; The Merivox setup program for 64-bit Windows, in Czech. scripts/package-windows builds it
; with Debian's makensis from the program folder it has put together:
;   makensis -DVERZE=2.0.0.4 -DZDROJ=<program folder> -DSOUBORY=<file list> -DVYSTUP=<setup.exe>
; SOUBORY is an include file with the File and Delete lines of that folder, so that the
; uninstaller removes exactly the program's files and leaves anything else (the user's Data
; folder, a settings file) where it is. The settings in %APPDATA%\Merivox are never touched.
; A 64-bit setup program: it runs where Merivox runs (also under a 64-bit-only Wine), and
; writes the 64-bit registry view and Program Files natively.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Merivox"
!define MUTEX "mutex aplikace Merivox"

Name "Merivox ${VERZE}"
OutFile "${VYSTUP}"
InstallDir "$PROGRAMFILES64\Merivox"
RequestExecutionLevel admin
BrandingText "Merivox ${VERZE}"

VIProductVersion "${VERZE}"
VIFileVersion "${VERZE}"
VIAddVersionKey /LANG=1029 "ProductName" "Merivox"
VIAddVersionKey /LANG=1029 "FileDescription" "Instalace programu Merivox"
VIAddVersionKey /LANG=1029 "ProductVersion" "${VERZE}"
VIAddVersionKey /LANG=1029 "FileVersion" "${VERZE}"
VIAddVersionKey /LANG=1029 "LegalCopyright" "Merivox"

!define MUI_ICON "${IKONA}"
!define MUI_UNICON "${IKONA}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\merivox.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

; A running Merivox holds its program file: it must be closed before its files are replaced
; or removed. A silent run gives up at once with exit code 2.
!macro ZAVRETE_MERIVOX
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${MUTEX}") p .r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Merivox je spuštěn. Ukončete ho a pokračujte tlačítkem Opakovat." /SD IDCANCEL IDRETRY +3
    SetErrorLevel 2
    Quit
  ${Loop}
!macroend

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Merivox potřebuje 64bitová Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ; An upgrade goes where the older version is.
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Section "Merivox"
  SetRegView 64
  SetShellVarContext all
  !insertmacro ZAVRETE_MERIVOX
  ; The files of an older version go first, so that none of them outlives the upgrade.
  IfFileExists "$INSTDIR\uninstall.exe" 0 +2
    ExecWait '"$INSTDIR\uninstall.exe" /S /ponechat _?=$INSTDIR'
  SetOutPath "$INSTDIR"
  !define SOUBOR_INSTALACE
  !include "${SOUBORY}"
  !undef SOUBOR_INSTALACE
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Merivox"
  CreateShortcut "$SMPROGRAMS\Merivox\Merivox.lnk" "$INSTDIR\merivox.exe"
  CreateShortcut "$SMPROGRAMS\Merivox\Odinstalovat Merivox.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "Merivox"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERZE}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "Merivox"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\merivox.exe,0"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" ${VELIKOST_KB}
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  !insertmacro ZAVRETE_MERIVOX
  !define SOUBOR_ODINSTALACE
  !include "${SOUBORY}"
  !undef SOUBOR_ODINSTALACE
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: a Data folder or settings file the user put there stays.
  RMDir "$INSTDIR"
  ; During an upgrade the new version writes its own entries right after.
  ClearErrors
  ${GetOptions} $CMDLINE "/ponechat" $0
  ${If} ${Errors}
    Delete "$SMPROGRAMS\Merivox\Merivox.lnk"
    Delete "$SMPROGRAMS\Merivox\Odinstalovat Merivox.lnk"
    RMDir "$SMPROGRAMS\Merivox"
    DeleteRegKey HKLM "${UNINST_KEY}"
  ${EndIf}
SectionEnd
