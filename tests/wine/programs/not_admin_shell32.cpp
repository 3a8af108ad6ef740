// A stand-in SHELL32.dll for the Wine suite, whose user is always an
// administrator: its ordinal 680, the administrator test, answers no. Placed
// beside Tessaro.exe and preferred to Wine's own for one run.
#include <windows.h>

extern "C" BOOL WINAPI NotAnAdministrator() {
    return FALSE;
}

extern "C" BOOL WINAPI NotAdminDllEntry(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
