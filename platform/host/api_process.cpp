// Starting the updater, waiting for it and reading its exit code.
#include "platform/host/machine.h"

using namespace sim;

namespace {
constexpr DWORD kWaitObject0 = 0;
constexpr DWORD kWaitFailed = 0xFFFFFFFF;

// The program that CreateProcessW runs when it is given no application name:
// the first element of the command line, quoted or ending at a blank.
std::wstring ProgramOf(const std::wstring& commandLine) {
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        return commandLine.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    }
    return commandLine.substr(0, commandLine.find(L' '));
}

template <typename T> bool AllZero(const T& record) {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof(record); ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

bool OtherStartupFieldsZero(const STARTUPINFOW& s) {
    STARTUPINFOW copy = s;
    copy.cb = 0;
    copy.dwFlags = 0;
    copy.wShowWindow = 0;
    return AllZero(copy);
}

HANDLE NewHandle(const std::wstring& name) {
    Machine& m = TheMachine();
    HANDLE handle = reinterpret_cast<HANDLE>(m.nextHandle);
    m.nextHandle += 4;
    m.openHandles[handle] = name;
    return handle;
}

std::wstring HandleName(HANDLE handle) {
    const Machine& m = TheMachine();
    const auto open = m.openHandles.find(handle);
    return open == m.openHandles.end() ? Hex(reinterpret_cast<std::uintptr_t>(handle))
                                       : open->second;
}
} // namespace

BOOL CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine,
                    SECURITY_ATTRIBUTES* processAttributes, SECURITY_ATTRIBUTES* threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                    LPCWSTR currentDirectory, STARTUPINFOW* startupInfo,
                    PROCESS_INFORMATION* processInformation) {
    Record("CreateProcessW",
           {Text(applicationName), Text(commandLine), processAttributes ? L"<set>" : L"<null>",
            threadAttributes ? L"<set>" : L"<null>", Number(inheritHandles), Number(creationFlags),
            environment ? L"<set>" : L"<null>", Text(currentDirectory)});
    Machine& m = TheMachine();
    ProcessStart start;
    start.hasApplicationName = applicationName != nullptr;
    start.applicationName = applicationName ? applicationName : L"";
    start.commandLine = commandLine ? commandLine : L"";
    start.processAttributesNull = processAttributes == nullptr;
    start.threadAttributesNull = threadAttributes == nullptr;
    start.inheritHandles = inheritHandles;
    start.creationFlags = creationFlags;
    start.environmentNull = environment == nullptr;
    start.hasCurrentDirectory = currentDirectory != nullptr;
    start.currentDirectory = currentDirectory ? currentDirectory : L"";
    if (startupInfo != nullptr) {
        start.cb = startupInfo->cb;
        start.dwFlags = startupInfo->dwFlags;
        start.wShowWindow = startupInfo->wShowWindow;
        start.restOfStartupZero = OtherStartupFieldsZero(*startupInfo);
    }
    if (processInformation != nullptr) {
        start.processInformationZero = AllZero(*processInformation);
    }

    const std::wstring program =
        start.hasApplicationName ? start.applicationName : ProgramOf(start.commandLine);
    const auto entry = m.programs.find(program);
    const bool starts = !Faulted("CreateProcessW") && startupInfo != nullptr &&
                        processInformation != nullptr && m.files.count(program) != 0 &&
                        entry != m.programs.end() && entry->second.starts;
    if (starts) {
        start.started = true;
        start.process = NewHandle(L"process " + program);
        start.thread = NewHandle(L"thread " + program);
        m.runningProcesses[start.process] = entry->first;
        processInformation->hProcess = start.process;
        processInformation->hThread = start.thread;
        processInformation->dwProcessId = 100 + static_cast<DWORD>(m.starts.size());
        processInformation->dwThreadId = 200 + static_cast<DWORD>(m.starts.size());
    }
    m.starts.push_back(start);
    return starts ? TRUE : FALSE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    Record("WaitForSingleObject", {HandleName(handle), Hex(milliseconds)});
    Machine& m = TheMachine();
    if (m.endedProcesses.count(handle) != 0) {
        return kWaitObject0;
    }
    const auto running = m.runningProcesses.find(handle);
    if (running == m.runningProcesses.end()) {
        return kWaitFailed;
    }
    // The program runs to its end here: its changes to files happen now.
    const Program& program = m.programs[running->second];
    for (const auto& [path, content] : program.rewrites) {
        m.files[path] = content;
    }
    m.endedProcesses[handle] = program.exitCode;
    m.runningProcesses.erase(running);
    return kWaitObject0;
}

BOOL GetExitCodeProcess(HANDLE process, LPDWORD exitCode) {
    Record("GetExitCodeProcess", {HandleName(process)});
    Machine& m = TheMachine();
    if (Faulted("GetExitCodeProcess") || exitCode == nullptr) {
        return FALSE;
    }
    const auto ended = m.endedProcesses.find(process);
    if (ended != m.endedProcesses.end()) {
        *exitCode = ended->second;
        return TRUE;
    }
    if (m.runningProcesses.count(process) != 0) {
        *exitCode = STILL_ACTIVE;
        return TRUE;
    }
    return FALSE;
}

BOOL CloseHandle(HANDLE handle) {
    Record("CloseHandle", {HandleName(handle)});
    Machine& m = TheMachine();
    if (m.openHandles.erase(handle) == 0) {
        return FALSE;
    }
    m.closedHandles.push_back(handle);
    return TRUE;
}
