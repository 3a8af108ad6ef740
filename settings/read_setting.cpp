#include "settings/settings.h"

#include "platform/win32.h"

std::wstring ReadSetting(const wchar_t* section, const wchar_t* key,
                         const std::wstring& settingsPath) {
    wchar_t value[kSettingCapacity];
    value[0] = L'\0';
    // The count it returns is of no use: an empty value and a missing one
    // mean the same here.
    GetPrivateProfileStringW(section, key, L"", value, kSettingCapacity, settingsPath.c_str());
    value[kSettingCapacity - 1] = L'\0';
    return std::wstring(value);
}
