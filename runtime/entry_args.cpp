#include "runtime/entry_args.h"

namespace {
constexpr std::uint32_t kUseShowWindow = 0x1; // STARTF_USESHOWWINDOW
constexpr int kShowDefault = 10;              // SW_SHOWDEFAULT

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
} // namespace

const wchar_t* SkipProgramName(const wchar_t* commandLine) {
    static const wchar_t kEmpty[] = L"";
    if (commandLine == nullptr) {
        return kEmpty;
    }
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        // A quoted name ends at the next quote, blanks and all.
        ++p;
        while (*p != L'\0' && *p != L'"') {
            ++p;
        }
        if (*p == L'"') {
            ++p;
        }
    } else {
        while (*p != L'\0' && !IsBlank(*p)) {
            ++p;
        }
    }
    while (IsBlank(*p)) {
        ++p;
    }
    return p;
}

int ShowCommandFrom(std::uint32_t flags, std::uint16_t showWindow) {
    return (flags & kUseShowWindow) != 0 ? showWindow : kShowDefault;
}
