; The installer of Tessik: for one user, without administrator rights. It
; installs what the zip holds into a folder of the user's own (the layouts
; are saved beside the program), a Start-menu shortcut and, by choice, a
; shortcut in the Startup folder, and registers an uninstaller with the
; system's list of apps.
;
; cmake/Installer.cmake builds it (--target installer) from the unpacked zip:
;   VERSION    the version, three numbers
;   PUBLISHER  who makes it, as the apps list shows it
;   COPYRIGHT  the licence's copyright line
;   TARGET     x86-unicode or amd64-unicode, as the build's programs
;   ICON       the program's icon
;   FILES      the folder holding the unpacked zip
;   FILE_LIST  the list of those files (TessikFiles, TessikFolders)
;   OUTFILE    the installer to write
;
; Exit status: 0 when everything was done; 1 when Tessik was running (in
; silent mode) or the person cancelled; 2 when the folder cannot be written
; or a file could not be written or removed.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include "${FILE_LIST}"

; A running copy of Tessik is found as the single-instance hand-over finds
; it: by its hidden application window, whose caption is the application title.
!define APPLICATION_WINDOW_CLASS "ThunderRT6Main"
!define APPLICATION_TITLE "Tessik"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessik"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "Tessik.lnk"
!define PROGRAM "tessik.exe"

Name "Tessik"
OutFile "${OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\Tessik"
; An upgrade goes where the installed copy is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
; A file that cannot be written ends the installation instead of being skipped.
AllowSkipFiles off
BrandingText "Tessik ${VERSION}"

!define TESSIK_IS_RUNNING "Tessik is running. Please exit it first: open its window \
    (double-click its icon beside the clock) and click Exit. Then click Retry."

; The finish page of the uninstaller says what stayed.
Var UninstallSummary

; Pages.

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "Tessik waits in the notification area beside the clock. \
    Choose whether it starts when you sign in; you can switch this off later in \
    Task Manager, under Startup."
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "Tessik saves your layouts in the folder it is installed \
    in, so choose a folder that you can write in. An upgrade keeps your own layouts."
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Tessik is installed. It waits in the notification area beside \
    the clock: press Ctrl+Alt+Space, or click its icon, and the letter keys type \
    Bengali.$\r$\n$\r$\nYou find it in the Start menu as Tessik."
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tessik now"
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Tessik will be removed from the following folder. \
    The layouts you made stay there."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$UninstallSummary"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Tessik"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Tessik ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

; Shared by the installer and the uninstaller.

; What each file of the list (TessikFiles, TessikFolders) is to the installer
; and to the uninstaller: a FOLDER of "" is the installation folder itself.

!macro InstallFile FOLDER NAME
    !if "${FOLDER}" == ""
        SetOutPath "$INSTDIR"
        File "${FILES}\${NAME}"
    !else
        SetOutPath "$INSTDIR\${FOLDER}"
        File "${FILES}\${FOLDER}\${NAME}"
    !endif
!macroend

!macro RemoveFile FOLDER NAME
    !if "${FOLDER}" == ""
        Delete "$INSTDIR\${NAME}"
    !else
        Delete "$INSTDIR\${FOLDER}\${NAME}"
    !endif
!macroend

!macro RemoveFolderIfEmpty FOLDER
    RMDir "$INSTDIR\${FOLDER}"
!macroend

!macro WAIT_UNTIL_TESSIK_HAS_ENDED PREFIX
; Asks the person to exit a running Tessik until it has ended; nothing may
; change while it runs, its files are in use. Cancel, and silent mode with
; Tessik running, end the program with status 1.
Function ${PREFIX}WaitUntilTessikHasEnded
    ${Do}
        FindWindow $0 "${APPLICATION_WINDOW_CLASS}" "${APPLICATION_TITLE}"
        ${If} $0 = 0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${TESSIK_IS_RUNNING}" \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 1
        Quit
    retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_TESSIK_HAS_ENDED ""
!insertmacro WAIT_UNTIL_TESSIK_HAS_ENDED "un."

; The installer.

Section "Tessik" SectionProgram
    SectionIn RO
    ; Again, for the silent mode, and for a Tessik started while the pages were shown.
    Call WaitUntilTessikHasEnded
    Call CheckFolderWritable
    ${If} $0 != ""
        SetErrorLevel 2
        Quit
    ${EndIf}

    ClearErrors
    !insertmacro TessikFiles InstallFile
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${PROGRAM}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tessik"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    ; With _?= the uninstaller runs where it is and its exit status is the
    ; uninstallation's (see RemoveUninstallerWhenDone).
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
    SectionGetSize ${SectionProgram} $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start Tessik when I sign in" SectionStartup
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMSTARTUP\${SHORTCUT}" "$INSTDIR\${PROGRAM}"
SectionEnd

Section /o "Desktop shortcut" SectionDesktop
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${PROGRAM}"
SectionEnd

Section "-Finish"
    ; A choice switched off on an upgrade takes its shortcut away.
    ${IfNot} ${SectionIsSelected} ${SectionStartup}
        Delete "$SMSTARTUP\${SHORTCUT}"
    ${EndIf}
    ${IfNot} ${SectionIsSelected} ${SectionDesktop}
        Delete "$DESKTOP\${SHORTCUT}"
    ${EndIf}
    ${If} ${Errors}
        SetErrorLevel 2
        MessageBox MB_OK|MB_ICONSTOP "Some of Tessik's files or shortcuts could not be written. \
            Exit any program that uses them and run the installer again." /SD IDOK
    ${EndIf}
SectionEnd

Function .onInit
    ; On an upgrade the choices are those of the installed copy: the person
    ; may have switched them since.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        ${IfNot} ${FileExists} "$SMSTARTUP\${SHORTCUT}"
            !insertmacro UnselectSection ${SectionStartup}
        ${EndIf}
        ${If} ${FileExists} "$DESKTOP\${SHORTCUT}"
            !insertmacro SelectSection ${SectionDesktop}
        ${EndIf}
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NOSTARTUP" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SectionStartup}
    ${EndIf}
    Call WaitUntilTessikHasEnded
FunctionEnd

Function DirectoryPageLeave
    Call CheckFolderWritable
    ${If} $0 != ""
        Abort
    ${EndIf}
FunctionEnd

; Whether the person can write in $INSTDIR, or in the nearest folder above it
; that exists, where it would be made: a probe file is made and removed there.
; Refuses with a message that says why; $0 is then the folder that cannot be
; written, else empty.
!define WRITE_PROBE "~tessik-setup-write-probe.tmp"
Function CheckFolderWritable
    StrCpy $0 "$INSTDIR"
    ${DoUntil} ${FileExists} "$0\*.*"
        ${GetParent} "$0" $0
        ${If} $0 == ""
            ${Break}
        ${EndIf}
    ${Loop}
    ${If} $0 == ""
        ; Not even its drive exists.
        StrCpy $0 "$INSTDIR"
    ${Else}
        ClearErrors
        FileOpen $1 "$0\${WRITE_PROBE}" w
        ${IfNot} ${Errors}
            FileClose $1
            Delete "$0\${WRITE_PROBE}"
            StrCpy $0 ""
            Return
        ${EndIf}
    ${EndIf}
    MessageBox MB_OK|MB_ICONSTOP "Tessik cannot be installed in$\r$\n$INSTDIR$\r$\n$\r$\n\
        You cannot write in $0. Tessik saves your layouts in the folder it is installed \
        in, so it needs a folder of your own, such as$\r$\n\
        $LOCALAPPDATA\Programs\Tessik" /SD IDOK
FunctionEnd

; The uninstaller.

Section "Uninstall"
    Call un.WaitUntilTessikHasEnded
    ; Out of the folder, so that it can be removed.
    SetOutPath "$TEMP"
    ClearErrors
    !insertmacro TessikFiles RemoveFile
    Delete "$SMPROGRAMS\${SHORTCUT}"
    Delete "$SMSTARTUP\${SHORTCUT}"
    Delete "$DESKTOP\${SHORTCUT}"
    ${If} ${Errors}
        ; Still listed among the apps, so that the person can try again.
        SetErrorLevel 2
        StrCpy $UninstallSummary "Some of Tessik's files could not be removed from $INSTDIR. \
            Exit any program that uses them and uninstall Tessik again."
    ${Else}
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
        !insertmacro TessikFolders RemoveFolderIfEmpty
        StrCpy $UninstallSummary "Tessik has been removed from your computer."
        ${If} ${FileExists} "$INSTDIR\Layouts\*.*"
            StrCpy $UninstallSummary "$UninstallSummary$\r$\n$\r$\nYour own layouts stay in \
                $INSTDIR\Layouts. Install Tessik into $INSTDIR again to use them."
        ${EndIf}
        Call un.RemoveUninstaller
    ${EndIf}
SectionEnd

Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVE-AFTER=" $1
    ${IfNot} ${Errors}
        Call un.RemoveUninstallerWhenDone
        Quit
    ${EndIf}
    Call un.WaitUntilTessikHasEnded
FunctionEnd

; The uninstaller cannot remove its own file while it runs. Started without
; _?=, it runs from a copy in the temporary folder (the installer system
; makes it) and removes the file at once. Started with _?=, it runs where it
; is, so that its caller gets its exit status; then a copy of it in the
; temporary folder waits for it to end and removes the file and the folder.
Function un.RemoveUninstaller
    GetFullPathName $0 "$EXEDIR"
    GetFullPathName $1 "$INSTDIR"
    ; _?= may name the folder with a backslash at its end.
    StrCpy $2 "$1" "" -1
    ${If} $2 == "\"
        StrCpy $1 "$1" -1
    ${EndIf}
    ${If} $0 != $1
        Delete "$INSTDIR\${UNINSTALLER}"
        RMDir "$INSTDIR"
        Return
    ${EndIf}
    StrCpy $0 "$TEMP\Tessik-remove-uninstaller.exe"
    ClearErrors
    CopyFiles /SILENT "$EXEPATH" "$0"
    System::Call "kernel32::GetCurrentProcessId() i .r1"
    Exec '"$0" /REMOVE-AFTER=$1 _?=$INSTDIR'
    ${If} ${Errors}
        SetErrorLevel 2
    ${EndIf}
FunctionEnd

; Run as the copy: waits for the uninstaller with the given process id to
; end, then removes its file and the folder, if that is then empty.
Function un.RemoveUninstallerWhenDone
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
    ${If} $2 <> 0
        System::Call "kernel32::WaitForSingleObject(p r2, i -1)"
        System::Call "kernel32::CloseHandle(p r2)"
    ${EndIf}
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
FunctionEnd
