// Host declarations of the Win32 subset that Tessaro uses: the types,
// constants, records and functions, with the Windows names and meanings.
// Every function is implemented by the simulated machine (machine.h).
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LSTATUS = LONG;
using UINT = unsigned int;
using ULONGLONG = std::uint64_t;
using WCHAR = wchar_t;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using LPVOID = void*;
using REGSAM = DWORD;
using errno_t = int;
using rsize_t = std::size_t;

using HANDLE = void*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HWND__;
using HWND = HWND__*;
struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr DWORD MAX_PATH = 260;
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD STILL_ACTIVE = 259;

constexpr LSTATUS ERROR_SUCCESS = 0;
constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
constexpr LSTATUS ERROR_MORE_DATA = 234;

inline const HKEY HKEY_LOCAL_MACHINE =
    reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002));
constexpr REGSAM KEY_READ = 0x20019;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_QWORD = 11;

constexpr UINT MB_OK = 0;
constexpr int IDOK = 1;

constexpr DWORD STARTF_USESHOWWINDOW = 0x1;
constexpr WORD SW_HIDE = 0;
constexpr int SW_SHOWDEFAULT = 10;

constexpr DWORD VER_MINORVERSION = 0x1;
constexpr DWORD VER_MAJORVERSION = 0x2;
constexpr BYTE VER_EQUAL = 1;
constexpr BYTE VER_GREATER = 2;
constexpr BYTE VER_GREATER_EQUAL = 3;
constexpr BYTE VER_LESS = 4;
constexpr BYTE VER_LESS_EQUAL = 5;

struct SECURITY_ATTRIBUTES;

struct STARTUPINFOW {
    DWORD cb;
    LPWSTR lpReserved;
    LPWSTR lpDesktop;
    LPWSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};

struct OSVERSIONINFOEXW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
    WORD wServicePackMajor;
    WORD wServicePackMinor;
    WORD wSuiteMask;
    BYTE wProductType;
    BYTE wReserved;
};

// KERNEL32
DWORD GetModuleFileNameW(HMODULE module, LPWSTR filename, DWORD size);
DWORD GetPrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR defaultText,
                               LPWSTR returned, DWORD size, LPCWSTR fileName);
ULONGLONG VerSetConditionMask(ULONGLONG conditionMask, DWORD typeMask, BYTE condition);
BOOL VerifyVersionInfoW(OSVERSIONINFOEXW* versionInfo, DWORD typeMask, ULONGLONG conditionMask);
BOOL CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine,
                    SECURITY_ATTRIBUTES* processAttributes, SECURITY_ATTRIBUTES* threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                    LPCWSTR currentDirectory, STARTUPINFOW* startupInfo,
                    PROCESS_INFORMATION* processInformation);
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
BOOL GetExitCodeProcess(HANDLE process, LPDWORD exitCode);
BOOL CloseHandle(HANDLE handle);

// SHLWAPI
BOOL PathRemoveFileSpecW(LPWSTR path);
BOOL PathAppendW(LPWSTR path, LPCWSTR more);
void PathRemoveBlanksW(LPWSTR path);
BOOL PathFileExistsW(LPCWSTR path);

// SHELL32, ordinal 680
BOOL IsUserAnAdmin();

// ADVAPI32
LSTATUS RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired, PHKEY result);
LSTATUS RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD dataSize);
LSTATUS RegCloseKey(HKEY key);

// USER32
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The C library's bounded copy, which the host C library does not have.
errno_t wcscpy_s(wchar_t* destination, rsize_t capacity, const wchar_t* source);

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
