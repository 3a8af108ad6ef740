#include "launcher/launcher.h"

int RunUpdater(std::wstring commandLine, const std::wstring& workingDirectory, DWORD& exitCode) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};

    // `commandLine` is this call's own copy: CreateProcessW may write into it.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &process)) {
        return kUpdaterNotStarted;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    if (!GetExitCodeProcess(process.hProcess, &exitCode)) {
        exitCode = kExitCodeUnknown;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return 0;
}
