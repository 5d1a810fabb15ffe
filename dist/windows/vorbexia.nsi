; The Windows installer of Vorbexia, built by tools/build-windows:
;   makensis -DVERSION=1.0.0 -DVERSION_NUMBERS=1.0.0.0 -DSTAGE=.../package/vorbexia \
;            -DTEXTURES=.../textures.nsh -DICON=.../vorbexia.ico \
;            -DOUTFILE=.../vorbexia-1.0.0-setup.exe dist/windows/vorbexia.nsi
; (absolute paths; STAGE is the folder packed into the zip: vorbexia.exe,
; textures\*.bmp and CZYTAJ.txt; TEXTURES holds a line
; `${Texture} NAME.bmp` for each picture there).
;
; It puts the game into "$PROGRAMFILES64\Vorbexia", a shortcut into the
; Start menu of all users that starts the game in that folder (the game reads
; textures\ from its working folder), and the uninstaller with its entry in
; the 64-bit registry. The uninstaller takes all of it away again. Both run
; silently with /S. A 64-bit installer for a 64-bit game: it needs no 32-bit
; Windows (or Wine) beside it.

!ifndef VERSION | VERSION_NUMBERS | STAGE | TEXTURES | ICON | OUTFILE
  !error "Give -DVERSION=, -DVERSION_NUMBERS=, -DSTAGE=, -DTEXTURES=, -DICON= and -DOUTFILE= (see tools/build-windows)"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorbexia"
!define PUBLISHER "The Vorbexia developers"

Name "Vorbexia"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vorbexia"
; Installing again goes where the game already is (/D= still decides). The
; installer is 64-bit: this reads the 64-bit registry.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vorbexia ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\CZYTAJ.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the language of Windows if it is Polish, else English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Polish"

LangString NeedsWindows7 ${LANG_ENGLISH} "Vorbexia needs 64-bit Windows 7 or later."
LangString NeedsWindows7 ${LANG_POLISH} "Vorbexia wymaga 64-bitowego Windows 7 lub nowszego."

VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Vorbexia"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Vorbexia ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"

Function .onInit
  ${IfNot} ${AtLeastWin7}
    MessageBox MB_OK|MB_ICONSTOP "$(NeedsWindows7)" /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Vorbexia"
  SectionIn RO
  SetOutPath "$INSTDIR\textures"
  !define Texture "!insertmacro InstallTexture"
  !macro InstallTexture NAME
    File "${STAGE}/textures/${NAME}"
  !macroend
  !include "${TEXTURES}"
  !undef Texture
  SetOutPath "$INSTDIR"
  File "${STAGE}/vorbexia.exe"
  File "${STAGE}/CZYTAJ.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut's working folder is the output path: the install folder.
  CreateShortCut "$SMPROGRAMS\Vorbexia.lnk" "$INSTDIR\vorbexia.exe" "" \
                 "$INSTDIR\vorbexia.exe" 0 SW_SHOWNORMAL "" "Vorbexia ${VERSION}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vorbexia"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorbexia.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; Only what the installer put there: a folder holding anything else (such as
; a picture of the player's own in textures\) stays, with that in it.
Section "Uninstall"
  Delete "$SMPROGRAMS\Vorbexia.lnk"
  !define Texture "!insertmacro RemoveTexture"
  !macro RemoveTexture NAME
    Delete "$INSTDIR\textures\${NAME}"
  !macroend
  !include "${TEXTURES}"
  !undef Texture
  RMDir "$INSTDIR\textures"
  Delete "$INSTDIR\vorbexia.exe"
  Delete "$INSTDIR\CZYTAJ.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
