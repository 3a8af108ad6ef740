#include "messages/messages.h"

#include "runtime/wide_text.h"
#include "settings/settings.h"

void ShowMessage(const wchar_t* text, const std::wstring& settingsPath) {
    if (IsInstallerLaunch()) {
        return;
    }
    // Read at every box, so that a title changed by the updater shows.
    const std::wstring caption = ReadSetting(L"Common", L"AppTitle", settingsPath);
    // A box that cannot be shown is treated like a closed one.
    MessageBoxW(nullptr, text, caption.c_str(), MB_OK);
}

void ReportInternalError(std::int32_t code, const std::wstring& settingsPath) {
    wchar_t digits[kDecimalTextCapacity];
    FormatDecimalPadded4(code, digits);
    const std::wstring text = std::wstring(L"Internal Error : ") + digits;
    ShowMessage(text.c_str(), settingsPath);
}
