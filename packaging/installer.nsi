; The Windows installer: the files of the zip, Start menu entries in Chinese and English, and
; an uninstaller registered with Windows that removes what was installed and nothing else.
; Made by cmake/windows-installer.cmake, which defines VERSION, STAGE (the installed files),
; UNINSTALL_LIST (their removal, made from the same files), ICON and OUTFILE.
;
; On the command line: /S installs silently; /CurrentUser (the default) or /AllUsers;
; /GAMEDIR=FOLDER the game folder the shortcuts start in (the editor opens its current folder).

; A 64-bit installer for the 64-bit program (and Wine without its 32-bit part runs it).
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "weapon-editor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\${PRODUCT}"
!define SHORTCUT_ZH "武器装甲晶体数据编辑器"
!define SHORTCUT_EN "Weapon Editor (English)"

; Per user (no administrator rights) unless the user chooses all users.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

Name "$(ProductName)"
OutFile "${OUTFILE}"
BrandingText "$(ProductName) ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Weapon Editor"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Weapon Editor ${VERSION} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

Var GameFolder

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE ProgramFolderLeave
!insertmacro MUI_PAGE_DIRECTORY
; The game folder: where the shortcuts start the editor.
!define MUI_PAGE_HEADER_TEXT "$(GameFolderTitle)"
!define MUI_PAGE_HEADER_SUBTEXT "$(GameFolderSubtitle)"
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(GameFolderText)"
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "$(GameFolderLabel)"
!define MUI_DIRECTORYPAGE_VARIABLE $GameFolder
!define MUI_PAGE_CUSTOMFUNCTION_PRE GameFolderPre
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Chinese pages, English ones on an English system (the first language is the default).
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString ProductName ${LANG_SIMPCHINESE} "武器装甲晶体数据编辑器"
LangString ProductName ${LANG_ENGLISH} "Weapon Editor"
LangString GameFolderTitle ${LANG_SIMPCHINESE} "选择游戏文件夹"
LangString GameFolderTitle ${LANG_ENGLISH} "Choose the game folder"
LangString GameFolderSubtitle ${LANG_SIMPCHINESE} "编辑器在这个文件夹中打开。"
LangString GameFolderSubtitle ${LANG_ENGLISH} "The editor opens in this folder."
LangString GameFolderText ${LANG_SIMPCHINESE} "开始菜单中的快捷方式在游戏文件夹中启动编辑器，编辑器打开其中的 weapon.cfg。默认是随编辑器安装的示例游戏文件夹。"
LangString GameFolderText ${LANG_ENGLISH} "The Start menu shortcuts start the editor in the game folder, and it opens the weapon.cfg there. By default it is the sample game folder installed with the editor."
LangString GameFolderLabel ${LANG_SIMPCHINESE} "游戏文件夹"
LangString GameFolderLabel ${LANG_ENGLISH} "Game folder"
LangString NotWritable ${LANG_SIMPCHINESE} "无法写入文件夹“$INSTDIR”。请选择另一个文件夹。"
LangString NotWritable ${LANG_ENGLISH} "The folder “$INSTDIR” cannot be written to. Please choose another folder."
LangString NoGameFolder ${LANG_SIMPCHINESE} "游戏文件夹“$GameFolder”不存在，快捷方式改为在示例游戏文件夹中启动。"
LangString NoGameFolder ${LANG_ENGLISH} "The game folder “$GameFolder” does not exist; the shortcuts start in the sample game folder instead."

Function .onInit
    ; A folder given with /D= is in $INSTDIR already; the install mode's default must not
    ; replace it.
    StrCpy $2 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $2 != ""
        StrCpy $INSTDIR $2
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/GAMEDIR=" $GameFolder
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Whether the program folder can be written to: a folder this check creates is removed again.
; Sets the error flag when it cannot.
Function CheckProgramFolder
    StrCpy $1 "existed"
    ${IfNot} ${FileExists} "$INSTDIR\*.*"
        StrCpy $1 ""
    ${EndIf}
    ClearErrors
    CreateDirectory "$INSTDIR"
    FileOpen $0 "$INSTDIR\${PRODUCT}-write-check.tmp" w
    ${If} ${Errors}
        ${If} $1 == ""
            RMDir "$INSTDIR"
        ${EndIf}
        SetErrors
        Return
    ${EndIf}
    FileClose $0
    Delete "$INSTDIR\${PRODUCT}-write-check.tmp"
    ${If} $1 == ""
        RMDir "$INSTDIR"
    ${EndIf}
FunctionEnd

Function ProgramFolderLeave
    Call CheckProgramFolder
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(NotWritable)"
        Abort
    ${EndIf}
FunctionEnd

Function GameFolderPre
    ${If} $GameFolder == ""
        StrCpy $GameFolder "$INSTDIR\sample-game"
    ${EndIf}
FunctionEnd

Section "Install"
    ; A silent install has no page that checks the folder.
    Call CheckProgramFolder
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(NotWritable)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ${If} $GameFolder == ""
        StrCpy $GameFolder "$INSTDIR\sample-game"
    ${EndIf}
    ${IfNot} ${FileExists} "$GameFolder\*.*"
        MessageBox MB_OK|MB_ICONINFORMATION "$(NoGameFolder)" /SD IDOK
        StrCpy $GameFolder "$INSTDIR\sample-game"
    ${EndIf}
    ; A shortcut's "Start in" is the output folder when it is made.
    SetOutPath "$GameFolder"
    CreateShortCut "$SMPROGRAMS\${SHORTCUT_ZH}.lnk" "$INSTDIR\weapon-editor.exe" "" "$INSTDIR\weapon-editor.exe" 0
    CreateShortCut "$SMPROGRAMS\${SHORTCUT_EN}.lnk" "$INSTDIR\weapon-editor.exe" "--lang en" "$INSTDIR\weapon-editor.exe" 0
    SetOutPath "$INSTDIR"

    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" $MultiUser.InstallMode
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "$(ProductName)"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\weapon-editor.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Weapon editor developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes each file the installer put there, then each folder it made once it is empty: a
; folder that holds anything else (a game folder, the user's own files) stays as it is.
Section "Uninstall"
    Delete "$SMPROGRAMS\${SHORTCUT_ZH}.lnk"
    Delete "$SMPROGRAMS\${SHORTCUT_EN}.lnk"
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
