// Linked with Tessaro's run-time support: shows in one message box what the
// process entry handed to wWinMain, for the suite to read back, and a second
// box from a static object's destructor, which runs after wWinMain returns.
#include "platform/win32.h"
#include "runtime/wide_text.h"

#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
struct StaticObject {
    bool constructed = false;
    StaticObject() {
        constructed = true;
    }
    ~StaticObject() {
        MessageBoxW(nullptr, L"static destructor ran", L"exit", MB_OK);
    }
};
StaticObject staticObject;
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show) {
    const bool frame = instance == reinterpret_cast<HINSTANCE>(&__ImageBase) && previous == nullptr;
    wchar_t digits[kDecimalTextCapacity];
    FormatDecimalPadded4(show, digits);
    const std::wstring text = std::wstring(L"frame=") + (frame ? L"1" : L"0") + L" constructed=" +
                              (staticObject.constructed ? L"1" : L"0") + L" show=" + digits +
                              L" args=[" + commandLine + L"]";
    MessageBoxW(nullptr, text.c_str(), L"entry", MB_OK);
    return 0;
}
