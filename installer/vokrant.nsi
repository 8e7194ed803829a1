; The Vokrant installer: the Speech API 4 engine DLL, the SAPI 5 voice, the
; two programs, the voice and the shipped dictionary go into Program Files;
; each DLL is registered with the regsvr32 of its own width. The 64-bit
; installer also installs and registers the 32-bit SAPI 5 voice
; (vokrant-sapi5-x86.dll, through SysWOW64's regsvr32), so that 64-bit
; screen readers and the narrator find the one and 32-bit programs the
; other. The uninstaller unregisters and removes what was installed, but
; keeps the user's settings (HKCU\Software\Dravenlab) and a dictionary the
; user has changed since it was installed.
;
; One script, two installers (the build passes the defines):
;   makensis -DARCH=x86|x64 -DVERSION=0.1.0 -DDLL=... -DSAPI5_DLL=... [-DSAPI5_X86_DLL=...]
;            -DVOKRANT_EXE=... -DSETTINGS_EXE=... -DSOURCE_DIR=<repository>
;            -DOUTFILE=vokrant-setup-x86.exe vokrant.nsi

Unicode true
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Target x86-unicode
!else
  !error "ARCH must be x86 or x64"
!endif

!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Vokrant"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vokrant"
!define MENU_FOLDER "$SMPROGRAMS\Vokrant"
!define SETTINGS_LINK "${MENU_FOLDER}\Ustawienia syntezatora Vokrant.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
!if "${ARCH}" == "x64"
  InstallDir "$PROGRAMFILES64\Vokrant"
!else
  InstallDir "$PROGRAMFILES\Vokrant"
!endif
; A later installation goes where the first one went (each width reads its own view).
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Polish.nlf"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1045 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator syntezatora mowy Vokrant"
VIAddVersionKey /LANG=1045 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "CompanyName" "Dravenlab"
VIAddVersionKey /LANG=1045 "LegalCopyright" "Dravenlab"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var DictionaryStamp  ; the shipped dictionary's last-write time and size, as installed

; $0: a file's path in, its "high:low:size" stamp out ("" when it is missing).
; The engine saves the dictionary by writing a new file, so an edit changes the stamp.
!macro DEFINE_FILE_STAMP PREFIX
Function ${PREFIX}FileStamp
  Push $1
  Push $2
  Push $3
  ClearErrors
  GetFileTime "$0" $1 $2
  ${If} ${Errors}
    StrCpy $0 ""
  ${Else}
    FileOpen $3 "$0" r
    ${If} ${Errors}
      StrCpy $0 ""
    ${Else}
      FileSeek $3 0 END $0
      FileClose $3
      StrCpy $0 "$1:$2:$0"
    ${EndIf}
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
FunctionEnd
!macroend
!insertmacro DEFINE_FILE_STAMP ""
!insertmacro DEFINE_FILE_STAMP "un."

!macro USE_OWN_REGISTRY_VIEW
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
!macroend

Function .onInit
  !insertmacro USE_OWN_REGISTRY_VIEW
  SetShellVarContext all
FunctionEnd

Function un.onInit
  !insertmacro USE_OWN_REGISTRY_VIEW
  SetShellVarContext all
FunctionEnd

; The dictionary is the user's once it differs from what an installer put
; there: a new installation replaces only an unchanged one.
Function InstallDictionary
  StrCpy $0 "$INSTDIR\client.exp"
  Call FileStamp
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DictionaryStamp"
  ${If} $0 == ""
  ${OrIf} $0 == $1
    File "/oname=client.exp" "${SOURCE_DIR}/data/client.exp"
    StrCpy $0 "$INSTDIR\client.exp"
    Call FileStamp
    StrCpy $DictionaryStamp $0
  ${Else}
    DetailPrint "Pozostawiono słownik użytkownika $INSTDIR\client.exp"
    StrCpy $DictionaryStamp ""
  ${EndIf}
FunctionEnd

Function WriteUninstallEntry
  WriteUninstaller "$INSTDIR\uninstall.exe"
  !if "${ARCH}" == "x64"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} (64-bit)"
  !else
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  !endif
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Dravenlab"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DictionaryStamp" "$DictionaryStamp"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; $1: the regsvr32 to run, $2: the DLL it registers.
Function RegisterOrAbort
  ExecWait '"$1" /s "$2"' $0
  ${If} $0 != 0
    MessageBox MB_OK|MB_ICONSTOP "Nie udało się zarejestrować $2 ($1: $0)." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

!ifdef SAPI5_X86_DLL
; The 32-bit voice, in the 32-bit view. A system that cannot start 32-bit
; programs at all has no 32-bit hosts either: it is only noted there.
Function RegisterX86Voice
  ClearErrors
  ExecWait '"$WINDIR\SysWOW64\regsvr32.exe" /s "$INSTDIR\vokrant-sapi5-x86.dll"' $0
  ${If} ${Errors}
    DetailPrint "Ten system nie uruchamia programów 32-bitowych: głos 32-bitowy nie został zarejestrowany"
  ${ElseIf} $0 != 0
    MessageBox MB_OK|MB_ICONSTOP "Nie udało się zarejestrować $INSTDIR\vokrant-sapi5-x86.dll (regsvr32: $0)." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd
!endif

; $1: the regsvr32 to run, $2: the DLL it unregisters (if it is there).
Function un.Unregister
  ${If} ${FileExists} "$2"
    ClearErrors
    ExecWait '"$1" /u /s "$2"' $0
    ${If} ${Errors}
      DetailPrint "$1 nie działa: $2 nie został wyrejestrowany"
    ${ElseIf} $0 != 0
      DetailPrint "$1 /u $2 zwrócił $0"
      SetErrorLevel 1
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Vokrant"
  SetOutPath "$INSTDIR"
  File "${DLL}"
  File "${SAPI5_DLL}"
  !ifdef SAPI5_X86_DLL
    File "/oname=vokrant-sapi5-x86.dll" "${SAPI5_X86_DLL}"
  !endif
  File "${VOKRANT_EXE}"
  File "${SETTINGS_EXE}"
  File "${SOURCE_DIR}/data/pln_22.als"
  File "${SOURCE_DIR}/data/pln_11.als"
  File "/oname=README.md" "${SOURCE_DIR}/README.md"
  File "/oname=VOICE.md" "${SOURCE_DIR}/data/VOICE.md"
  !if /FileExists "${SOURCE_DIR}/LICENSE"
    File "/oname=LICENSE.txt" "${SOURCE_DIR}/LICENSE"
  !endif
  Call InstallDictionary
  Call WriteUninstallEntry

  ; $SYSDIR of a 32-bit installer on 64-bit Windows is SysWOW64's regsvr32.
  StrCpy $1 "$SYSDIR\regsvr32.exe"
  StrCpy $2 "$INSTDIR\vokrant.dll"
  Call RegisterOrAbort
  StrCpy $2 "$INSTDIR\vokrant-sapi5.dll"
  Call RegisterOrAbort
  !ifdef SAPI5_X86_DLL
    Call RegisterX86Voice
  !endif

  CreateDirectory "${MENU_FOLDER}"
  CreateShortCut "${SETTINGS_LINK}" "$INSTDIR\vokrant-settings.exe" "" "" 0 SW_SHOWNORMAL "" \
    "Ustawienia syntezatora mowy Vokrant"
SectionEnd

Section "Uninstall"
  StrCpy $1 "$SYSDIR\regsvr32.exe"
  StrCpy $2 "$INSTDIR\vokrant.dll"
  Call un.Unregister
  StrCpy $2 "$INSTDIR\vokrant-sapi5.dll"
  Call un.Unregister
  StrCpy $1 "$WINDIR\SysWOW64\regsvr32.exe"
  StrCpy $2 "$INSTDIR\vokrant-sapi5-x86.dll"
  Call un.Unregister

  ; A host still holding the engine keeps the DLL until the next restart.
  Delete /REBOOTOK "$INSTDIR\vokrant.dll"
  Delete /REBOOTOK "$INSTDIR\vokrant-sapi5.dll"
  Delete /REBOOTOK "$INSTDIR\vokrant-sapi5-x86.dll"
  Delete "$INSTDIR\vokrant.exe"
  Delete "$INSTDIR\vokrant-settings.exe"
  Delete "$INSTDIR\pln_22.als"
  Delete "$INSTDIR\pln_11.als"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\VOICE.md"
  Delete "$INSTDIR\LICENSE.txt"

  StrCpy $0 "$INSTDIR\client.exp"
  Call un.FileStamp
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "DictionaryStamp"
  ${If} $0 != ""
    ${If} $0 == $1
      Delete "$INSTDIR\client.exp"
    ${Else}
      DetailPrint "Pozostawiono słownik użytkownika $INSTDIR\client.exp"
    ${EndIf}
  ${EndIf}

  Delete "${SETTINGS_LINK}"
  RMDir "${MENU_FOLDER}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder goes: a kept dictionary keeps it.
  RMDir /REBOOTOK "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
