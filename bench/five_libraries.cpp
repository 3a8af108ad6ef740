// The floor of a launch: a process with Tessaro's run-time support that loads
// the same five system libraries and does nothing else.
#include "platform/win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    // Taking the addresses makes the loader bind every library, without a call.
    const void* volatile imports[] = {reinterpret_cast<const void*>(&MessageBoxW),
                                      reinterpret_cast<const void*>(&RegCloseKey),
                                      reinterpret_cast<const void*>(&PathFileExistsW),
                                      reinterpret_cast<const void*>(&IsUserAnAdmin),
                                      reinterpret_cast<const void*>(&GetPrivateProfileStringW)};
    (void)imports;
    return 0;
}
