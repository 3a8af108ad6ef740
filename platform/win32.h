// The one header through which Tessaro's code reaches the operating system.
//
// The Windows build sees the real Win32 declarations; the host build sees our
// own declarations of the same names, backed by a simulated machine. The
// program's code includes nothing else from the platform.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <shlwapi.h>

// The administrator test, exported by SHELL32.dll at ordinal 680 and imported
// by that number alone (see runtime/shell32_ordinal.def).
extern "C" __declspec(dllimport) BOOL WINAPI IsUserAnAdmin(void);

static_assert(sizeof(wchar_t) == 2, "Win32 wide strings are UTF-16");
static_assert(sizeof(STARTUPINFOW) == 68, "32-bit STARTUPINFOW");
static_assert(sizeof(OSVERSIONINFOEXW) == 284, "OSVERSIONINFOEXW");

#else

#include "platform/host/win32_api.h"

#endif
