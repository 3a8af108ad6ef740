// What Tessaro.exe does when its run-time support fails: an error box of its
// own (shown even during an installer launch) and a fixed exit code.
#pragma once

// Exit codes of the run-time support's own failures.
constexpr unsigned kExitRuntimeFailedDuringRun = 3;
constexpr unsigned kExitRuntimeCouldNotStart = 255;

// From here on a failure ends the process with kExitRuntimeFailedDuringRun
// instead of kExitRuntimeCouldNotStart.
void MarkLaunchStarted();

[[noreturn]] void FailRuntime(const wchar_t* why);
