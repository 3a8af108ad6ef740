// One full successful run of Tessaro's code on the simulated machine, for
// counting heap allocations under valgrind. With "setup" it only sets the
// machine up, so that the difference of two runs is the run itself.
#include "platform/host/machine.h"

#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool setupOnly = argc > 1 && std::strcmp(argv[1], "setup") == 0;
    // A longer directory and title show whether anything grows with them.
    const std::wstring dir = argc > 2
                                 ? L"C:\\" + std::wstring(std::strtoul(argv[2], nullptr, 10), L'd')
                                 : L"C:\\Tessaro";
    sim::Reset();
    sim::TheMachine().modulePath = dir + L"\\Tessaro.exe";
    sim::AddDirectory(dir);
    sim::AddFile(dir + L"\\Tessaro.ini",
                 "[Common]\r\nExecFileName=Updater.exe\r\nAppTitle=Tessaro Setup\r\n");
    sim::AddProgram(dir + L"\\Updater.exe", sim::Program{});
    sim::TheMachine().calls.reserve(64);
    if (setupOnly) {
        return 0;
    }
    wchar_t commandLine[] = L"";
    return wWinMain(nullptr, nullptr, commandLine, SW_SHOWDEFAULT);
}
