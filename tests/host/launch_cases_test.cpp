// Runs every case of the shared table on the simulated machine.
#include "platform/host/machine.h"
#include "tests/host/case_table.h"

#include <gtest/gtest.h>

namespace {

std::string IniText(const LaunchCase& c, const std::string* newTitle) {
    std::string text;
    for (const std::string& line : c.iniLines) {
        const bool title = line.rfind("AppTitle", 0) == 0;
        text += (title && newTitle != nullptr) ? "AppTitle=" + *newTitle : line;
        text += "\r\n";
    }
    return text;
}

void SetUpMachine(const LaunchCase& c) {
    sim::Reset();
    sim::Machine& m = sim::TheMachine();
    m.modulePath = c.dir + L"\\" + c.exe;
    sim::AddDirectory(c.dir);
    sim::AddFile(m.modulePath, "MZ");
    const std::wstring iniPath = c.dir + L"\\Tessaro.ini";
    if (c.hasIni) {
        sim::AddFile(iniPath, IniText(c, nullptr));
    }
    m.majorVersion = c.major;
    m.minorVersion = c.minor;
    m.administrator = c.admin;
    for (const RegistryEntry& entry : c.registry) {
        const unsigned long long number = entry.type == "sz" ? 0 : std::stoull(entry.value);
        if (entry.type == "dword") {
            sim::SetRegistryDword(entry.keyPath, entry.name, static_cast<DWORD>(number));
        } else if (entry.type == "qword") {
            sim::SetRegistryQword(entry.keyPath, entry.name, number);
        } else {
            sim::SetRegistryString(entry.keyPath, entry.name, entry.value);
        }
    }
    if (!c.updater.empty()) {
        const std::wstring path = c.dir + L"\\" + c.updater;
        if (c.updaterKind == "directory") {
            sim::AddDirectory(path);
        } else if (c.updaterKind == "data") {
            sim::AddFile(path, "not a program\r\n");
        } else {
            sim::Program program;
            program.exitCode = static_cast<DWORD>(c.updaterExit);
            if (c.rewritesTitle) {
                program.rewrites.push_back({iniPath, IniText(c, &c.updaterTitle)});
            }
            sim::AddProgram(path, program);
        }
    }
    for (const InjectedFault& fault : c.faults) {
        m.faults.push_back({fault.function, fault.call, fault.kind});
    }
}

class LaunchCaseTest : public testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchCaseTest, RunsAsTheTableSays) {
    const LaunchCase& c = GetParam();
    SetUpMachine(c);
    wchar_t commandLine[] = L"";
    const int result = wWinMain(nullptr, nullptr, commandLine, SW_SHOWDEFAULT);
    const sim::Machine& m = sim::TheMachine();

    EXPECT_EQ(result, c.result);

    if (c.expectBox) {
        std::wstring text;
        for (const std::wstring& line : c.textLines) {
            text += (text.empty() ? L"" : L"\n") + line;
        }
        ASSERT_EQ(m.boxes.size(), 1u);
        EXPECT_EQ(m.boxes[0].text, text);
        EXPECT_EQ(m.boxes[0].caption, c.caption);
        EXPECT_EQ(m.boxes[0].owner, nullptr);
        EXPECT_EQ(m.boxes[0].style, MB_OK);
    } else {
        EXPECT_TRUE(m.boxes.empty());
    }

    std::vector<const sim::ProcessStart*> started;
    for (const sim::ProcessStart& start : m.starts) {
        if (start.started) {
            started.push_back(&start);
        }
    }
    if (!c.started) {
        EXPECT_TRUE(started.empty());
        EXPECT_TRUE(m.closedHandles.empty());
        return;
    }
    ASSERT_EQ(started.size(), 1u);
    const sim::ProcessStart& start = *started[0];
    EXPECT_FALSE(start.hasApplicationName);
    EXPECT_EQ(start.commandLine, L"\"" + c.dir + L"\\" + c.updater + L"\"");
    EXPECT_TRUE(start.hasCurrentDirectory);
    EXPECT_EQ(start.currentDirectory, c.dir);
    EXPECT_EQ(start.inheritHandles, FALSE);
    EXPECT_EQ(start.creationFlags, 0u);
    EXPECT_TRUE(start.environmentNull);
    EXPECT_TRUE(start.processAttributesNull);
    EXPECT_TRUE(start.threadAttributesNull);
    EXPECT_EQ(start.cb, sizeof(STARTUPINFOW));
    EXPECT_EQ(start.dwFlags, STARTF_USESHOWWINDOW);
    EXPECT_EQ(start.wShowWindow, SW_HIDE);
    EXPECT_TRUE(start.restOfStartupZero);
    EXPECT_TRUE(start.processInformationZero);
    EXPECT_EQ(m.closedHandles, (std::vector<HANDLE>{start.process, start.thread}));
}

std::string CaseName(const testing::TestParamInfo<LaunchCase>& info) {
    std::string name;
    for (char c : info.param.name) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Table, LaunchCaseTest,
                         testing::ValuesIn(ReadLaunchCases(TESSARO_CASES_FILE)), CaseName);

} // namespace
