#include "launcher/launcher.h"

#include "messages/messages.h"
#include "settings/settings.h"

namespace {
constexpr const wchar_t* kUnsupportedSystemText =
    L"The operating system version on your computer is not supported by this program.\n"
    L"The setup will now exit.";
constexpr const wchar_t* kAdministratorText =
    L"Please run this program using an account with administrator privileges.";
constexpr const wchar_t* kCompletedText = L"Update completed.";

// The running executable's full path into `buffer`. A path that fills the
// whole buffer has been cut short, so it counts as a failure too.
bool ReadOwnPath(wchar_t (&buffer)[MAX_PATH]) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return length != 0 && length < MAX_PATH;
}

LaunchResult Fail(LaunchResult result, const std::wstring& settingsPath) {
    ReportInternalError(result, settingsPath);
    return result;
}
} // namespace

LaunchResult RunLaunchSequence() {
    std::wstring settingsPath;

    wchar_t settingsBuffer[MAX_PATH] = {};
    if (!ReadOwnPath(settingsBuffer)) {
        return Fail(1, settingsPath);
    }
    if (!PathRemoveFileSpecW(settingsBuffer)) {
        return Fail(2, settingsPath);
    }
    if (!PathAppendW(settingsBuffer, L"\\Tessaro.ini")) {
        return Fail(3, settingsPath);
    }
    settingsPath = settingsBuffer;

    if (!IsSupportedOs()) {
        ShowMessage(kUnsupportedSystemText, settingsPath);
        return 4;
    }
    if (!IsUserAnAdmin()) {
        ShowMessage(kAdministratorText, settingsPath);
        return 5;
    }

    const std::wstring execFileName = ReadSetting(L"Common", L"ExecFileName", settingsPath);
    if (execFileName.empty()) {
        return Fail(6, settingsPath);
    }

    // The updater's directory comes from a second query; only it loses its
    // surrounding blanks, the settings path keeps them.
    wchar_t directoryBuffer[MAX_PATH] = {};
    if (!ReadOwnPath(directoryBuffer)) {
        return Fail(7, settingsPath);
    }
    PathRemoveBlanksW(directoryBuffer);
    if (!PathRemoveFileSpecW(directoryBuffer)) {
        return Fail(8, settingsPath);
    }
    wchar_t updaterBuffer[MAX_PATH] = {};
    if (wcscpy_s(updaterBuffer, MAX_PATH, directoryBuffer) != 0) {
        return Fail(9, settingsPath);
    }
    if (!PathAppendW(updaterBuffer, execFileName.c_str())) {
        return Fail(10, settingsPath);
    }
    if (!PathFileExistsW(updaterBuffer)) {
        return Fail(11, settingsPath);
    }

    DWORD exitCode = 0;
    const std::wstring workingDirectory = directoryBuffer;
    const std::wstring commandLine = L"\"" + std::wstring(updaterBuffer) + L"\"";
    const int started = RunUpdater(commandLine, workingDirectory, exitCode);
    if (started != 0) {
        // The box says 0012 while the result says 20.
        ReportInternalError(12, settingsPath);
        return started;
    }
    if (exitCode == 0) {
        ShowMessage(kCompletedText, settingsPath);
    }
    return 0;
}
