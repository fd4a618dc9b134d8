; The sample application's installer, compiled by makensis. A real installer
; engine: at start it checks a CRC of its own file and refuses to run when a
; byte differs, which makes it an outside judge of what the launcher joined.
;
; makensis -DTARGET=x86-unicode|amd64-unicode -DAPP=SampleApp.exe
;          -DDATA=sample-data.bin -DOUTFILE=setup.exe [-DUNATTENDED] sample.nsi
;
; With UNATTENDED it installs without a window; otherwise it shows its wizard
; (welcome, folder, progress, finish).

!ifndef TARGET | APP | DATA | OUTFILE
  !error "TARGET, APP, DATA and OUTFILE must be defined"
!endif

Target ${TARGET}
Name "Sample Application 1.0"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Sample Application"
RequestExecutionLevel admin
; The check cannot be turned off from the command line.
CRCCheck force
; Stored file dates would make every build of the same inputs differ.
SetDateSave off

VIProductVersion "1.0.0.0"
VIAddVersionKey "ProductName" "Sample Application"
VIAddVersionKey "ProductVersion" "1.0"
VIAddVersionKey "FileDescription" "Sample Application 1.0 Setup"
VIAddVersionKey "FileVersion" "1.0"
VIAddVersionKey "LegalCopyright" "Sample code of the kqlauncher project"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sample Application"

!include x64.nsh

!ifdef UNATTENDED
  SilentInstall silent
  SilentUnInstall silent
!else
  !include MUI2.nsh
  !define MUI_FINISHPAGE_NOAUTOCLOSE
  !insertmacro MUI_PAGE_WELCOME
  !insertmacro MUI_PAGE_DIRECTORY
  !insertmacro MUI_PAGE_INSTFILES
  !insertmacro MUI_PAGE_FINISH
  !insertmacro MUI_UNPAGE_CONFIRM
  !insertmacro MUI_UNPAGE_INSTFILES
  !insertmacro MUI_LANGUAGE "English"
!endif

; A 32-bit installer on 64-bit Windows would otherwise register itself in the
; 32-bit view, where the 64-bit twin's entry is not.
Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

Section "Sample Application"
  SetOutPath "$INSTDIR"
  File "/oname=SampleApp.exe" "${APP}"
  File "/oname=sample-data.bin" "${DATA}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Sample Application"
  CreateShortcut "$SMPROGRAMS\Sample Application\Sample Application.lnk" "$INSTDIR\SampleApp.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Sample Application"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "1.0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\SampleApp.exe"
  Delete "$INSTDIR\sample-data.bin"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Sample Application\Sample Application.lnk"
  RMDir "$SMPROGRAMS\Sample Application"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
