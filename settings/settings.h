// Reading Tessaro.ini, the settings file beside the executable.
#pragma once

#include <string>

// Room for a value read from the settings file, terminator included.
constexpr unsigned kSettingCapacity = 1000;

// The value of `key` in `section` of the settings file at `settingsPath`:
// at most 999 characters, empty when the file, the section or the key is
// missing. The file is read afresh at every call.
std::wstring ReadSetting(const wchar_t* section, const wchar_t* key,
                         const std::wstring& settingsPath);
