// The registry under HKEY_LOCAL_MACHINE, one view, key paths as given.
#include "platform/host/machine.h"

#include <cstring>

using namespace sim;

namespace {
constexpr LSTATUS kInvalidHandle = 6;

std::wstring RootName(HKEY key) {
    return key == HKEY_LOCAL_MACHINE ? L"HKEY_LOCAL_MACHINE"
                                     : Hex(reinterpret_cast<std::uintptr_t>(key));
}

std::wstring Preset(const DWORD* value) {
    return value == nullptr ? L"<null>" : Number(*value);
}
} // namespace

LSTATUS RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired, PHKEY result) {
    Record("RegOpenKeyExW", {RootName(key), Text(subKey), Number(options), Hex(desired)});
    Machine& m = TheMachine();
    if (key != HKEY_LOCAL_MACHINE || subKey == nullptr || result == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    const auto found = m.registry.find(subKey);
    if (found == m.registry.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (!found->second.readable || Faulted("RegOpenKeyExW")) {
        return ERROR_ACCESS_DENIED;
    }
    const HKEY opened = reinterpret_cast<HKEY>(m.nextHandle);
    m.nextHandle += 4;
    m.openKeys[opened] = found->first;
    *result = opened;
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD dataSize) {
    Machine& m = TheMachine();
    const auto open = m.openKeys.find(key);
    Record("RegQueryValueExW",
           {open == m.openKeys.end() ? L"<not open>" : open->second, Text(valueName),
            reserved == nullptr ? L"<null>" : L"<set>", Preset(type), Preset(dataSize)});
    if (open == m.openKeys.end()) {
        return kInvalidHandle;
    }
    const RegistryKey& entry = m.registry[open->second];
    const auto value = entry.values.find(valueName == nullptr ? L"" : valueName);
    if (value == entry.values.end() || Faulted("RegQueryValueExW")) {
        return ERROR_FILE_NOT_FOUND;
    }
    const DWORD size = static_cast<DWORD>(value->second.data.size());
    if (type != nullptr) {
        *type = value->second.type;
    }
    if (data != nullptr && (dataSize == nullptr || *dataSize < size)) {
        if (dataSize != nullptr) {
            *dataSize = size;
        }
        return ERROR_MORE_DATA;
    }
    if (data != nullptr) {
        std::memcpy(data, value->second.data.data(), size);
    }
    if (dataSize != nullptr) {
        *dataSize = size;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
    Machine& m = TheMachine();
    const auto open = m.openKeys.find(key);
    Record("RegCloseKey", {open == m.openKeys.end() ? L"<not open>" : open->second});
    if (open == m.openKeys.end()) {
        return kInvalidHandle;
    }
    m.openKeys.erase(open);
    return ERROR_SUCCESS;
}
