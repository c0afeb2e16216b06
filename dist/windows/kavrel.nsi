; The Windows installer: installs Kavrel for the current user, so that the
; program's own update may replace files in its folder.
; makensis -DVERSION=x.y.z -DSTAGE=<installed folder> -DUNINSTALL_FILES=<list>
;          -DOUTFILE=<setup.exe> kavrel.nsi   (kavrel.sh windows does this)
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavrel"

Name "Kavrel ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Kavrel"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Kavrel"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    ; Snapshots land in the program folder's Pictures.
    CreateDirectory "$INSTDIR\Pictures"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Kavrel"
    CreateShortcut "$SMPROGRAMS\Kavrel\Kavrel.lnk" "$INSTDIR\kavrelapp.exe"
    WriteRegStr HKCU "${KEY}" "DisplayName" "Kavrel"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR\Pictures"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Kavrel\Kavrel.lnk"
    RMDir "$SMPROGRAMS\Kavrel"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
