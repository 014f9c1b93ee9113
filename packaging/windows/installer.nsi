; The Windows installer: the program folder staged by scripts/build-windows.sh, put
; under Program Files, with a Start menu shortcut and an uninstaller listed in Apps &
; features. It takes over no file types. "setup.exe /S" installs without questions.
; makensis -DVERSION=1.1.0 -DSTAGE=<staged folder> -DOUTFILE=<setup.exe> installer.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define NAME "Stationery Editor"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\stationery-editor"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${KEY}" "InstallLocation"
Icon "${STAGE}\stationery-editor.ico"
UninstallIcon "${STAGE}\stationery-editor.ico"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "FileDescription" "${NAME} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "The Stationery Editor authors"
VIAddVersionKey "LegalCopyright" "The Stationery Editor authors"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
    SetRegView 64
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\stationery-editor.exe" "" \
        "$INSTDIR\stationery-editor.exe" 0
    WriteRegStr HKLM "${KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${KEY}" "Publisher" "The Stationery Editor authors"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\stationery-editor.exe,0"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetRegView 64
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; What the installer put there, and the folder once empty. The user's stationery,
    ; settings and password live elsewhere and stay.
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\imageformats"
    RMDir /r "$INSTDIR\translations"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.com"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\*.ico"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\COPYING"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${KEY}"
SectionEnd
