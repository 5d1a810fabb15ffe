; The Windows installer of Vorbexia, built by tools/build-windows:
;   makensis -DVERSION=1.0.0 -DVERSION_NUMBERS=1.0.0.0 -DSTAGE=.../package/vorbexia \
;            -DTEXTURES=.../textures.nsh -DICON=.../vorbexia.ico \
;            -DOUTFILE=.../vorbexia-1.0.0-setup.exe dist/windows/vorbexia.nsi
; (absolute paths; STAGE is the folder packed into the zip: vorbexia.exe,
; textures\*.bmp, CZYTAJ.txt and README-en.txt; TEXTURES holds a line
; `${Texture} NAME.bmp` for each picture there).
;
; It puts the game into "$PROGRAMFILES64\Vorbexia", a shortcut into the
; Start menu of all users that starts the game in that folder (the game reads
; textures\ from its working folder), and the uninstaller with its entry in
; the 64-bit registry. The uninstaller takes all of it away again. Both run
; silently with /S. Installed into another folder, the installer removes the
; earlier install first; while the game runs from the folder, neither writes
; nor removes anything there and both end with 2. A 64-bit installer for a
; 64-bit game: it needs no 32-bit Windows (or Wine) beside it.
;
; Both speak Polish or English: the installer asks first, Polish chosen
; unless the player picks English (/LANG=en or /LANG=pl on the command line
; instead, which a silent install needs). The uninstaller speaks the
; language of the install. English also writes the game's settings file
; with `language = en`, where the player has none yet.

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
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\$(ReadmeFile)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
; The last page offers to start the game at once ("Run Vorbexia", ticked),
; in its folder as the shortcut starts it: the game reads textures\ from its
; working folder.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(RunGame)"
!define MUI_FINISHPAGE_RUN_FUNCTION RunInstalledGame

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Asked before the language is known: in both.
!define MUI_LANGDLL_WINDOWTITLE "Jezyk / Language"
!define MUI_LANGDLL_INFO "Wybierz jezyk instalatora. / Choose the installer's language."
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "English"

LangString NeedsWindows7 ${LANG_ENGLISH} "Vorbexia needs 64-bit Windows 7 or later."
LangString NeedsWindows7 ${LANG_POLISH} "Vorbexia wymaga 64-bitowego Windows 7 lub nowszego."
LangString GameRunning ${LANG_ENGLISH} "Vorbexia is running from $R0. Close the game, then try again."
LangString GameRunning ${LANG_POLISH} "Vorbexia jest uruchomiona z $R0. Zamknij gre i sprobuj ponownie."
LangString EarlierNotRemoved ${LANG_ENGLISH} "The Vorbexia installed in $R0 could not be removed."
LangString EarlierNotRemoved ${LANG_POLISH} "Nie udalo sie usunac Vorbexii zainstalowanej w $R0."
LangString BadLanguage ${LANG_ENGLISH} "/LANG= takes pl or en, not $R1."
LangString BadLanguage ${LANG_POLISH} "/LANG= przyjmuje pl albo en, nie $R1."
LangString RunGame ${LANG_ENGLISH} "&Run Vorbexia"
LangString RunGame ${LANG_POLISH} "&Uruchom Vorbexie"
LangString ReadmeFile ${LANG_ENGLISH} "README-en.txt"
LangString ReadmeFile ${LANG_POLISH} "CZYTAJ.txt"

VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Vorbexia"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Vorbexia ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; RefuseWhileRunning FOLDER: ends the installer or the uninstaller with 2,
; having said why unless silent, while the game runs from FOLDER, before
; anything there is written or removed. Windows, and Wine alike, let nobody
; open a running program's file for writing (renaming it is allowed, so
; that would prove nothing). Sets $R0 to FOLDER.
!macro RefuseWhileRunning FOLDER
  StrCpy $R0 "${FOLDER}"
  ${If} ${FileExists} "$R0\vorbexia.exe"
    ClearErrors
    FileOpen $R1 "$R0\vorbexia.exe" a
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONSTOP "$(GameRunning)" /SD IDOK
      SetErrorLevel 2
      Abort
    ${EndIf}
    FileClose $R1
  ${EndIf}
!macroend

Function RunInstalledGame
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\vorbexia.exe"'
FunctionEnd

Function .onInit
  ; Polish first whatever Windows speaks, as the game itself; English is one choice away.
  StrCpy $LANGUAGE ${LANG_POLISH}
  StrCpy $R2 "ask"
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    StrCpy $R2 ""
    ${If} $R1 == "en"
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${ElseIf} $R1 != "pl"
      MessageBox MB_OK|MB_ICONSTOP "$(BadLanguage)" /SD IDOK
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${EndIf}
  ${IfNot} ${AtLeastWin7}
    MessageBox MB_OK|MB_ICONSTOP "$(NeedsWindows7)" /SD IDOK
    Abort
  ${EndIf}
  ; Asked unless the command line said it (or the install is silent).
  ${If} $R2 == "ask"
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Vorbexia"
  SectionIn RO
  ; Not half an install: new pictures beside the old running game.
  !insertmacro RefuseWhileRunning "$INSTDIR"
  ; One install at a time: an earlier one in another folder goes first, by
  ; its own uninstaller, or its files would be left behind with no entry to
  ; remove them once this install's entry took the place of its own. _?=
  ; runs it in place so that it is waited for; it cannot remove itself
  ; there, which is done here.
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 != ""
  ${AndIf} $R0 != $INSTDIR
  ${AndIf} ${FileExists} "$R0\uninstall.exe"
    !insertmacro RefuseWhileRunning "$R0"
    ClearErrors
    ExecWait '"$R0\uninstall.exe" /S _?=$R0' $R1
    ${If} ${Errors}
    ${OrIf} $R1 <> 0
      MessageBox MB_OK|MB_ICONSTOP "$(EarlierNotRemoved)" /SD IDOK
      SetErrorLevel 2
      Abort
    ${EndIf}
    Delete "$R0\uninstall.exe"
    RMDir "$R0"
  ${EndIf}
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
  File "${STAGE}/README-en.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut's working folder is the output path: the install folder.
  CreateShortCut "$SMPROGRAMS\Vorbexia.lnk" "$INSTDIR\vorbexia.exe" "" \
                 "$INSTDIR\vorbexia.exe" 0 SW_SHOWNORMAL "" "Vorbexia ${VERSION}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vorbexia"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorbexia.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; The uninstaller speaks it too.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Language" "$LANGUAGE"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; English for the game too, in the settings of the player who installs:
  ; only a new file, never over one of theirs (nor over anything else of
  ; that name). The uninstaller leaves it, as it does every setting.
  ${If} $LANGUAGE == ${LANG_ENGLISH}
    SetShellVarContext current
    ${IfNot} ${FileExists} "$APPDATA\Vorbexia\vorbexia.conf"
      CreateDirectory "$APPDATA\Vorbexia"
      ClearErrors
      FileOpen $R1 "$APPDATA\Vorbexia\vorbexia.conf" w
      ${IfNot} ${Errors}
        FileWrite $R1 "language = en         # chosen in the installer$\r$\n"
        FileClose $R1
      ${EndIf}
    ${EndIf}
    SetShellVarContext all
  ${EndIf}
SectionEnd

; Told before the confirmation, and checked again when it is given.
Function un.onInit
  SetRegView 64
  SetShellVarContext all
  StrCpy $LANGUAGE ${LANG_POLISH}
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "Language"
  ${If} $R0 == ${LANG_ENGLISH}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}
  !insertmacro RefuseWhileRunning "$INSTDIR"
FunctionEnd

; Only what the installer put there: a folder holding anything else (such as
; a picture of the player's own in textures\) stays, with that in it.
Section "Uninstall"
  !insertmacro RefuseWhileRunning "$INSTDIR"
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
  Delete "$INSTDIR\README-en.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
