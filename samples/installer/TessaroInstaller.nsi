; A sample installer that drives Tessaro as an integrator would: it marks the
; launch as an installer launch so that Tessaro shows no box, starts Tessaro
; beside itself and waits for it, clears the mark again, and hands Tessaro's
; exit code on as its own exit code and in TessaroExitCode.txt.
Unicode true
Name "Tessaro installer sample"
RequestExecutionLevel admin
SilentInstall silent

Section
    ; The key a 32-bit Tessaro reads.
    SetRegView 32
    WriteRegDWORD HKLM "Software\Quorlane\Brevitane" "LaunchInstaller" 1

    ClearErrors
    ExecWait '"$EXEDIR\Tessaro.exe"' $0
    IfErrors 0 +2
        StrCpy $0 "not started"

    DeleteRegValue HKLM "Software\Quorlane\Brevitane" "LaunchInstaller"

    FileOpen $1 "$EXEDIR\TessaroExitCode.txt" w
    FileWrite $1 "$0"
    FileClose $1
    SetErrorLevel $0
SectionEnd
