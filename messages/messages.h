// Everything Tessaro tells its user: one message box at a time, silent when
// an installer has started Tessaro.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <string>

// Shows `text` in a box with one OK button, captioned with "AppTitle" from
// the settings file at `settingsPath`; returns once the box is closed.
// Shows nothing during an installer launch.
void ShowMessage(const wchar_t* text, const std::wstring& settingsPath);

// Shows "Internal Error : " followed by `code` written with at least four
// digits, as ShowMessage does.
void ReportInternalError(std::int32_t code, const std::wstring& settingsPath);

// True when the registry value "LaunchInstaller" is exactly 1 under either of
// the product's two key paths.
bool IsInstallerLaunch();

// Reads a REG_DWORD value under HKEY_LOCAL_MACHINE into `receiver`. Returns
// false, with `receiver` 0, when the key cannot be opened or the value is
// missing, not a REG_DWORD, or not four bytes long.
bool ReadRegistryDword(const wchar_t* keyPath, const wchar_t* valueName, DWORD& receiver);
