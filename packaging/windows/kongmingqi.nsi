; The game's installer for 64-bit Windows, made with NSIS from the files of
; the portable folder:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DPUBLISHER=... -DSOURCE=DIR
;            -DICON=FILE -DOUTFILE=FILE kongmingqi.nsi
; It installs into Program Files, adds a Start-menu shortcut and an entry in
; Apps & features, and its uninstaller takes away exactly what it added.
; /S installs and uninstalls without asking anything. Neither touches an
; installation whose game is running.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define TITLE "澄湖益智孔明棋"
!define PROGRAM "kongmingqi.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kongmingqi"
!define SHORTCUT "$SMPROGRAMS\${TITLE}.lnk"

Name "${TITLE}"
OutFile "${OUTFILE}"
; A plain ASCII folder name: every tool and script a player may point at
; the game reads it the same under every system language.
InstallDir "$PROGRAMFILES64\Kongmingqi"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${TITLE} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1028 "ProductName" "${TITLE}"
VIAddVersionKey /LANG=1028 "FileDescription" "${TITLE} 安裝程式"
VIAddVersionKey /LANG=1028 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1028 "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=1028 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1028 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartGameAsPlayer
!define MUI_FINISHPAGE_RUN_TEXT "立即開始遊戲"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "TradChinese"

; The files of the portable folder, one by one: the uninstaller removes
; these names and no others, so a folder chosen by mistake keeps the rest.
!macro GameFiles action
  !insertmacro ${action} "${PROGRAM}"
  !insertmacro ${action} "README.txt"
  !insertmacro ${action} "LICENSE.txt"
  !insertmacro ${action} "FONT-LICENSE.txt"
  !insertmacro ${action} "THIRD-PARTY-NOTICES.txt"
!macroend
!macro InstallFile name
  File "${SOURCE}\${name}"
!macroend
!macro RemoveFile name
  Delete "$INSTDIR\${name}"
!macroend

; A running game can be neither replaced nor removed: the program goes
; first, before anything else is touched, so that a player asked to close
; the game and try again finds the installation whole. A silent run gives
; up at once, with exit code 2.
!macro RemoveProgramUnlessRunning
  program_retry:
    ClearErrors
    Delete "$INSTDIR\${PROGRAM}"
    IfErrors 0 program_removed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${TITLE}正在執行，請先結束遊戲，再按「重試」。" /SD IDCANCEL IDRETRY program_retry
    SetErrorLevel 2
    Abort
  program_removed:
!macroend

; The installer runs with administrator rights, which a program it started
; itself would inherit; Explorer starts the game as the signed-in player.
Function StartGameAsPlayer
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\${PROGRAM}"'
FunctionEnd

; For every user: the game keeps nothing per user.
Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section
  !insertmacro RemoveProgramUnlessRunning
  SetOutPath "$INSTDIR"
  !insertmacro GameFiles InstallFile
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortCut "${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0 "" "" "孔明棋：33 孔十字棋盤"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  !insertmacro RemoveProgramUnlessRunning
  !insertmacro GameFiles RemoveFile
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"  ; only when empty
  Delete "${SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
