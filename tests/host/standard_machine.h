// A supported machine with an administrator, Tessaro in C:\Tessaro with its
// settings file, and an updater beside it that ends with 0.
#pragma once

#include "platform/host/machine.h"

#include <string>

inline const std::wstring kDir = L"C:\\Tessaro";
inline const std::wstring kIni = L"C:\\Tessaro\\Tessaro.ini";
inline const std::wstring kUpdater = L"C:\\Tessaro\\Updater.exe";

inline void SetUpStandardMachine(const std::string& ini = "[Common]\r\n"
                                                          "ExecFileName=Updater.exe\r\n"
                                                          "AppTitle=Tessaro Setup\r\n") {
    sim::Reset();
    sim::AddDirectory(kDir);
    sim::AddFile(sim::TheMachine().modulePath, "MZ");
    sim::AddFile(kIni, ini);
    sim::AddProgram(kUpdater, sim::Program{});
}

inline std::vector<std::wstring> Args(std::initializer_list<std::wstring> args) {
    return std::vector<std::wstring>(args);
}
