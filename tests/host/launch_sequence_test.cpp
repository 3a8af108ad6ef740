// What the launch sequence passes to the platform, beyond what the case
// table shows.
#include "launcher/launcher.h"
#include "tests/host/standard_machine.h"

#include <gtest/gtest.h>

namespace {

using sim::CallsTo;

TEST(LaunchSequence, SuccessfulRunMakesExactlyTheseCalls) {
    SetUpStandardMachine();
    EXPECT_EQ(RunLaunchSequence(), 0);

    const std::vector<std::string> expected = {"GetModuleFileNameW",
                                               "PathRemoveFileSpecW",
                                               "PathAppendW",
                                               "VerSetConditionMask",
                                               "VerifyVersionInfoW",
                                               "IsUserAnAdmin",
                                               "GetPrivateProfileStringW",
                                               "GetModuleFileNameW",
                                               "PathRemoveBlanksW",
                                               "PathRemoveFileSpecW",
                                               "wcscpy_s",
                                               "PathAppendW",
                                               "PathFileExistsW",
                                               "CreateProcessW",
                                               "WaitForSingleObject",
                                               "GetExitCodeProcess",
                                               "CloseHandle",
                                               "CloseHandle",
                                               "RegOpenKeyExW",
                                               "RegOpenKeyExW",
                                               "GetPrivateProfileStringW",
                                               "MessageBoxW"};
    EXPECT_EQ(sim::CallNames(), expected);

    for (const sim::Call& call : CallsTo("GetModuleFileNameW")) {
        EXPECT_EQ(call.args, Args({L"<null>", L"260"}));
    }
    EXPECT_EQ(CallsTo("PathAppendW")[0].args, Args({kDir, L"\\Tessaro.ini"}));
    EXPECT_EQ(CallsTo("PathAppendW")[1].args, Args({kDir, L"Updater.exe"}));
    EXPECT_EQ(CallsTo("wcscpy_s")[0].args, Args({L"260", kDir}));
    EXPECT_EQ(CallsTo("PathFileExistsW")[0].args, Args({kUpdater}));
    EXPECT_EQ(CallsTo("GetPrivateProfileStringW")[0].args,
              Args({L"Common", L"ExecFileName", L"", L"1000", kIni}));
    EXPECT_EQ(CallsTo("GetPrivateProfileStringW")[1].args,
              Args({L"Common", L"AppTitle", L"", L"1000", kIni}));

    // Major version 6 or more: VER_GREATER_EQUAL (3) in the major field's bits.
    EXPECT_EQ(CallsTo("VerSetConditionMask")[0].args, Args({L"0x0", L"0x2", L"3"}));
    EXPECT_EQ(CallsTo("VerifyVersionInfoW")[0].args,
              Args({sim::Number(sizeof(OSVERSIONINFOEXW)), L"6", L"0", L"0x2", L"0x18"}));

    EXPECT_EQ(CallsTo("CreateProcessW")[0].args,
              Args({L"<null>", L"\"" + kUpdater + L"\"", L"<null>", L"<null>", L"0", L"0",
                    L"<null>", kDir}));
    EXPECT_EQ(CallsTo("WaitForSingleObject")[0].args,
              Args({L"process " + kUpdater, L"0xffffffff"}));
    EXPECT_EQ(CallsTo("GetExitCodeProcess")[0].args, Args({L"process " + kUpdater}));
    EXPECT_EQ(CallsTo("CloseHandle")[0].args, Args({L"process " + kUpdater}));
    EXPECT_EQ(CallsTo("CloseHandle")[1].args, Args({L"thread " + kUpdater}));
}

TEST(LaunchSequence, BlanksAreTrimmedOnlyFromTheUpdaterDirectory) {
    // The settings path keeps the blanks of the executable's own path; the
    // updater's directory and path lose them.
    const std::wstring padded = L" C:\\Tessaro\\Tessaro.exe  ";
    SetUpStandardMachine();
    sim::TheMachine().modulePath = padded;
    sim::AddFile(L" C:\\Tessaro\\Tessaro.ini", "[Common]\r\nExecFileName=Updater.exe\r\n");

    EXPECT_EQ(RunLaunchSequence(), 0);
    EXPECT_EQ(CallsTo("GetPrivateProfileStringW")[0].args[4], L" C:\\Tessaro\\Tessaro.ini");
    EXPECT_EQ(CallsTo("PathRemoveBlanksW")[0].args, Args({padded}));
    EXPECT_EQ(CallsTo("PathRemoveFileSpecW")[1].args, Args({L"C:\\Tessaro\\Tessaro.exe"}));
    ASSERT_EQ(sim::TheMachine().starts.size(), 1u);
    EXPECT_EQ(sim::TheMachine().starts[0].commandLine, L"\"" + kUpdater + L"\"");
    EXPECT_EQ(sim::TheMachine().starts[0].currentDirectory, kDir);
}

TEST(LaunchSequence, ChecksStopAtTheFirstFailure) {
    // An unsupported system is reported before the administrator test is made,
    // and neither check reads the settings' ExecFileName.
    SetUpStandardMachine();
    sim::TheMachine().majorVersion = 5;
    sim::TheMachine().administrator = false;
    EXPECT_EQ(RunLaunchSequence(), 4);
    EXPECT_TRUE(CallsTo("IsUserAnAdmin").empty());
    for (const sim::Call& call : CallsTo("GetPrivateProfileStringW")) {
        EXPECT_NE(call.args[1], L"ExecFileName");
    }
}

TEST(LaunchSequence, EarlyInternalErrorsReadTheCaptionWithAnEmptyPath) {
    SetUpStandardMachine();
    sim::TheMachine().faults.push_back({"PathAppendW", 1, "fail"});
    EXPECT_EQ(RunLaunchSequence(), 3);
    ASSERT_EQ(CallsTo("GetPrivateProfileStringW").size(), 1u);
    EXPECT_EQ(CallsTo("GetPrivateProfileStringW")[0].args,
              Args({L"Common", L"AppTitle", L"", L"1000", L""}));
    EXPECT_EQ(sim::TheMachine().boxes.at(0).caption, L"");
}

TEST(LaunchSequence, ArgumentsAndShowCommandChangeNothing) {
    std::vector<std::string> plainCalls;
    {
        SetUpStandardMachine();
        wchar_t none[] = L"";
        EXPECT_EQ(wWinMain(nullptr, nullptr, none, SW_SHOWDEFAULT), 0);
        plainCalls = sim::CallNames();
    }
    SetUpStandardMachine();
    wchar_t arguments[] = L"/quiet --ExecFileName=Other.exe \"C:\\Elsewhere\"";
    EXPECT_EQ(wWinMain(reinterpret_cast<HINSTANCE>(0x400000), nullptr, arguments, SW_HIDE), 0);
    EXPECT_EQ(sim::CallNames(), plainCalls);
    EXPECT_EQ(sim::TheMachine().starts.at(0).commandLine, L"\"" + kUpdater + L"\"");
}

TEST(RunUpdater, LeavesTheExitCodeAloneWhenTheStartFails) {
    SetUpStandardMachine();
    sim::TheMachine().faults.push_back({"CreateProcessW", 1, "fail"});
    DWORD exitCode = 77;
    EXPECT_EQ(RunUpdater(L"\"" + kUpdater + L"\"", kDir, exitCode), kUpdaterNotStarted);
    EXPECT_EQ(exitCode, 77u);
    EXPECT_TRUE(CallsTo("WaitForSingleObject").empty());
    EXPECT_TRUE(CallsTo("CloseHandle").empty());
}

TEST(RunUpdater, HandsBackTheUpdatersExitCode) {
    SetUpStandardMachine();
    sim::TheMachine().programs[kUpdater].exitCode = 0xC0000005;
    DWORD exitCode = 0;
    EXPECT_EQ(RunUpdater(L"\"" + kUpdater + L"\"", kDir, exitCode), 0);
    EXPECT_EQ(exitCode, 0xC0000005u);
}

TEST(RunUpdater, MarksAnUnreadableExitCodeAsNotZero) {
    SetUpStandardMachine();
    sim::TheMachine().faults.push_back({"GetExitCodeProcess", 1, "fail"});
    DWORD exitCode = 0;
    EXPECT_EQ(RunUpdater(L"\"" + kUpdater + L"\"", kDir, exitCode), 0);
    EXPECT_EQ(exitCode, kExitCodeUnknown);
    EXPECT_EQ(sim::TheMachine().closedHandles.size(), 2u);
}

TEST(IsSupportedOs, ComparesTheMajorVersionOnly) {
    struct Row {
        DWORD major, minor;
        bool supported;
    };
    for (const Row row :
         {Row{4, 0, false}, Row{5, 2, false}, Row{6, 0, true}, Row{6, 3, true}, Row{10, 0, true}}) {
        sim::Reset();
        sim::TheMachine().majorVersion = row.major;
        sim::TheMachine().minorVersion = row.minor;
        EXPECT_EQ(IsSupportedOs(), row.supported) << row.major << "." << row.minor;
    }
    sim::Reset();
    sim::TheMachine().faults.push_back({"VerifyVersionInfoW", 1, "fail"});
    EXPECT_FALSE(IsSupportedOs());
}

} // namespace
