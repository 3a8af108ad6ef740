#include "messages/messages.h"

namespace {
constexpr const wchar_t* kProductKey = L"Software\\Quorlane\\Brevitane";
constexpr const wchar_t* kProductKeyWow64 = L"Software\\Wow6432Node\\Quorlane\\Brevitane";
constexpr const wchar_t* kInstallerValue = L"LaunchInstaller";
constexpr DWORD kInstallerLaunch = 1;

bool IsMarked(const wchar_t* keyPath) {
    DWORD value = 0;
    return ReadRegistryDword(keyPath, kInstallerValue, value) && value == kInstallerLaunch;
}
} // namespace

bool IsInstallerLaunch() {
    // The second key path is only looked at when the first does not mark
    // an installer launch.
    return IsMarked(kProductKey) || IsMarked(kProductKeyWow64);
}

bool ReadRegistryDword(const wchar_t* keyPath, const wchar_t* valueName, DWORD& receiver) {
    receiver = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = REG_DWORD;
    DWORD size = sizeof(receiver);
    const LSTATUS status =
        RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&receiver), &size);
    RegCloseKey(key);
    // Only a whole REG_DWORD counts: data of another type, or shorter than
    // four bytes, would be compared half-written.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(receiver)) {
        receiver = 0;
        return false;
    }
    return true;
}
