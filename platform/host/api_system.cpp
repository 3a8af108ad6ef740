// The version check, the administrator test and the message box.
#include "platform/host/machine.h"

using namespace sim;

namespace {
// Each version field keeps its condition in three bits, at three times the
// position of the field's bit in the type mask.
int ConditionShift(DWORD type) {
    int index = 0;
    while (index < 21 && ((type >> index) & 1u) == 0) {
        ++index;
    }
    return 3 * index;
}

BYTE ConditionOf(ULONGLONG conditionMask, DWORD type) {
    return static_cast<BYTE>((conditionMask >> ConditionShift(type)) & 7u);
}

// Compares the running system's value with the wanted one; 0 as a condition
// means the field is not to be compared.
bool Meets(long long system, long long wanted, BYTE condition) {
    switch (condition) {
    case VER_EQUAL:
        return system == wanted;
    case VER_GREATER:
        return system > wanted;
    case VER_GREATER_EQUAL:
        return system >= wanted;
    case VER_LESS:
        return system < wanted;
    case VER_LESS_EQUAL:
        return system <= wanted;
    default:
        return false;
    }
}
} // namespace

ULONGLONG VerSetConditionMask(ULONGLONG conditionMask, DWORD typeMask, BYTE condition) {
    Record("VerSetConditionMask", {Hex(conditionMask), Hex(typeMask), Number(condition)});
    if (typeMask == 0) {
        return conditionMask;
    }
    return conditionMask | (static_cast<ULONGLONG>(condition & 7u) << ConditionShift(typeMask));
}

BOOL VerifyVersionInfoW(OSVERSIONINFOEXW* info, DWORD typeMask, ULONGLONG conditionMask) {
    Record("VerifyVersionInfoW",
           {info ? Number(info->dwOSVersionInfoSize) : L"<null>",
            info ? Number(info->dwMajorVersion) : L"<null>",
            info ? Number(info->dwMinorVersion) : L"<null>", Hex(typeMask), Hex(conditionMask)});
    const Machine& m = TheMachine();
    if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOEXW) || typeMask == 0 ||
        Faulted("VerifyVersionInfoW")) {
        return FALSE;
    }
    const bool major = (typeMask & VER_MAJORVERSION) != 0;
    const bool minor = (typeMask & VER_MINORVERSION) != 0;
    if (major && minor) {
        // Major and minor are compared as one number, major first.
        const long long system = m.majorVersion * 100000LL + m.minorVersion;
        const long long wanted = info->dwMajorVersion * 100000LL + info->dwMinorVersion;
        return Meets(system, wanted, ConditionOf(conditionMask, VER_MAJORVERSION)) ? TRUE : FALSE;
    }
    if (major) {
        return Meets(m.majorVersion, info->dwMajorVersion,
                     ConditionOf(conditionMask, VER_MAJORVERSION))
                   ? TRUE
                   : FALSE;
    }
    if (minor) {
        return Meets(m.minorVersion, info->dwMinorVersion,
                     ConditionOf(conditionMask, VER_MINORVERSION))
                   ? TRUE
                   : FALSE;
    }
    return FALSE;
}

BOOL IsUserAnAdmin() {
    Record("IsUserAnAdmin", {});
    return TheMachine().administrator ? TRUE : FALSE;
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    Record("MessageBoxW", {owner ? Hex(reinterpret_cast<std::uintptr_t>(owner)) : L"<null>",
                           Text(text), Text(caption), Number(type)});
    TheMachine().boxes.push_back(MessageBoxCall{owner, Text(text), Text(caption), type});
    return Faulted("MessageBoxW") ? 0 : IDOK;
}
