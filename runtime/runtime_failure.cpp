#include "runtime/runtime_failure.h"

#include <windows.h>

namespace {
// Whether wWinMain has been entered; the run-time support's one piece of state.
bool launchStarted = false;
} // namespace

void MarkLaunchStarted() {
    launchStarted = true;
}

void FailRuntime(const wchar_t* why) {
    MessageBoxW(nullptr, why, L"Tessaro", MB_OK | MB_ICONERROR);
    ExitProcess(launchStarted ? kExitRuntimeFailedDuringRun : kExitRuntimeCouldNotStart);
}
