; The Windows installer: per user, without administrator rights, with a Start-menu entry and an
; uninstaller; silent with /S. makensis -DVERSION=1.0 -DEXE=sorvel.exe -DOUTFILE=setup.exe sorvel.nsi
Unicode true
; The program is 64-bit, so its installer may be too; Wine without its 32-bit half runs it as well.
Target amd64-unicode
SetCompressor /SOLID lzma
Name "Sorvel ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
; Where per-user programs go on Windows, which the user may write without rights of an administrator.
InstallDir "$LOCALAPPDATA\Programs\Sorvel"
Icon "${ICON}"
UninstallIcon "${ICON}"
ManifestDPIAware true
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Sorvel"
VIAddVersionKey "FileDescription" "Sorvel setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT licence"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvel"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Sorvel"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=sorvel.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Sorvel.lnk" "$INSTDIR\sorvel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Sorvel"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\sorvel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Sorvel developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Sorvel.lnk"
    Delete "$INSTDIR\sorvel.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
