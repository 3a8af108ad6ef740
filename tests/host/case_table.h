// Reads the table of whole-run cases that the host tests and the Wine suite
// share (tests/cases/launch.cases).
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct RegistryEntry {
    std::wstring keyPath;
    std::wstring name;
    std::string type; // dword, qword or sz
    std::wstring value;
};

struct InjectedFault {
    std::string function;
    int call = 1;
    std::string kind;
};

struct LaunchCase {
    std::string name;
    std::wstring dir = L"C:\\Tessaro";
    std::wstring exe = L"Tessaro.exe";
    bool hasIni = false;
    std::vector<std::string> iniLines;
    unsigned major = 10;
    unsigned minor = 0;
    bool admin = true;
    std::vector<RegistryEntry> registry;
    std::wstring updater;
    std::string updaterKind = "program";
    unsigned long updaterExit = 0;
    bool rewritesTitle = false;
    std::string updaterTitle;
    std::vector<InjectedFault> faults;

    int result = -1;
    bool expectBox = true;
    std::vector<std::wstring> textLines;
    std::wstring caption;
    bool started = false;
};

// Every case of the file; a malformed line ends the test run with a message.
std::vector<LaunchCase> ReadLaunchCases(const std::string& path);

// Names a case in test output by its name alone.
inline void PrintTo(const LaunchCase& c, std::ostream* os) {
    *os << c.name;
}
