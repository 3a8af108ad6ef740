// The launch sequence: Tessaro's whole work, from its own path to the
// updater's end, and the result that becomes the process exit code.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <string>

// The outcome of a run and the process exit code: 0 when the updater ran
// (whatever its own exit code), 1 to 11 for the check that failed, 20 when
// the updater was found but did not start.
using LaunchResult = std::int32_t;

// The result of RunUpdater when the updater could not be started.
constexpr int kUpdaterNotStarted = 20;

// Written to RunUpdater's exit code when the updater ran but its exit code
// could not be read; any non-zero value keeps the success message away.
constexpr DWORD kExitCodeUnknown = 0xFFFFFFFF;

LaunchResult RunLaunchSequence();

// True when Windows reports a major version of 6 or more.
bool IsSupportedOs();

// Starts `commandLine` hidden in `workingDirectory` and waits for it to end.
// Returns 0 with the updater's exit code in `exitCode` (kExitCodeUnknown when
// it cannot be read), or kUpdaterNotStarted with `exitCode` untouched.
int RunUpdater(std::wstring commandLine, const std::wstring& workingDirectory, DWORD& exitCode);
