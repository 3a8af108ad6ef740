// The simulated Windows machine behind the host declarations. A test sets it
// up, runs the program's code, and reads back every platform call made.
#pragma once

#include "platform/host/win32_api.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sim {

// Orders names the way Windows compares paths, keys and sections: without
// regard to the letter case of ASCII letters.
struct NoCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};

struct RegistryValue {
    DWORD type = REG_DWORD;
    std::vector<BYTE> data;
};

struct RegistryKey {
    bool readable = true; // false: opening it is refused
    std::map<std::wstring, RegistryValue, NoCase> values;
};

// What starting a program does.
struct Program {
    bool starts = true;
    DWORD exitCode = 0;
    // Files the program rewrites while it runs: path and new content.
    std::vector<std::pair<std::wstring, std::string>> rewrites;
};

// One platform call, its arguments written as text.
struct Call {
    std::string function;
    std::vector<std::wstring> args;
};

struct MessageBoxCall {
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    UINT style = 0;
};

struct ProcessStart {
    bool hasApplicationName = false;
    std::wstring applicationName;
    std::wstring commandLine;
    bool processAttributesNull = true;
    bool threadAttributesNull = true;
    BOOL inheritHandles = FALSE;
    DWORD creationFlags = 0;
    bool environmentNull = true;
    bool hasCurrentDirectory = false;
    std::wstring currentDirectory;
    DWORD cb = 0;
    DWORD dwFlags = 0;
    WORD wShowWindow = 0;
    bool restOfStartupZero = true; // every other STARTUPINFOW field is zero
    bool processInformationZero = true;
    bool started = false;
    HANDLE process = nullptr; // the handles handed back when it started
    HANDLE thread = nullptr;
};

// A fault injected into the n-th call (counted from 1) of one function.
// Kinds: "fail" for every function; GetModuleFileNameW also takes "fill",
// a full buffer holding a cut path, as Windows returns for a long path.
struct Fault {
    std::string function;
    int call = 1;
    std::string kind = "fail";
};

struct Machine {
    // --- the machine as the program finds it
    std::wstring modulePath = L"C:\\Tessaro\\Tessaro.exe";
    std::map<std::wstring, std::string, NoCase> files; // path -> raw bytes
    std::set<std::wstring, NoCase> directories;
    std::map<std::wstring, RegistryKey, NoCase> registry; // key paths under HKLM
    DWORD majorVersion = 10;
    DWORD minorVersion = 0;
    bool administrator = true;
    std::map<std::wstring, Program, NoCase> programs; // by full path
    std::vector<Fault> faults;

    // --- what the program did
    std::vector<Call> calls;
    std::vector<MessageBoxCall> boxes;
    std::vector<ProcessStart> starts;
    std::vector<HANDLE> closedHandles;

    // --- bookkeeping of the simulation itself
    std::map<std::string, int> callCounts;
    std::map<HANDLE, std::wstring> runningProcesses; // process handle -> program path
    std::map<HANDLE, DWORD> endedProcesses;          // process handle -> exit code
    std::map<HANDLE, std::wstring> openHandles;      // handle -> what it is, for the log
    std::map<HKEY, std::wstring> openKeys;
    std::uintptr_t nextHandle = 0x1000;
};

// The one machine of the process; Reset() gives a new default machine.
Machine& TheMachine();
void Reset();

// Helpers for setting the machine up.
void AddFile(const std::wstring& path, const std::string& bytes);
void AddDirectory(const std::wstring& path);
void AddProgram(const std::wstring& path, const Program& program);
void SetRegistryBytes(const std::wstring& keyPath, const std::wstring& name, DWORD type,
                      const void* bytes, std::size_t size);
void SetRegistryDword(const std::wstring& keyPath, const std::wstring& name, DWORD value);
void SetRegistryQword(const std::wstring& keyPath, const std::wstring& name, ULONGLONG value);
void SetRegistryString(const std::wstring& keyPath, const std::wstring& name,
                       const std::wstring& value);

// Helpers for reading the record back.
std::vector<Call> CallsTo(const std::string& function);
std::vector<std::string> CallNames();

// Used by the simulated functions.
Call& Record(const std::string& function, std::vector<std::wstring> args);
bool Faulted(const std::string& function, const std::string& kind = "fail");
std::wstring Text(const wchar_t* text); // "<null>" for a null pointer
std::wstring Hex(std::uintptr_t value);
std::wstring FromUtf8(const std::string& bytes);
std::wstring Number(long long value);
bool SameName(const std::wstring& a, const std::wstring& b);

} // namespace sim
