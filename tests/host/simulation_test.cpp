// The simulated machine must answer as Windows does for what Tessaro asks.
#include "tests/host/standard_machine.h"

#include <gtest/gtest.h>

namespace {

std::wstring Append(const std::wstring& path, const wchar_t* more, BOOL* ok) {
    wchar_t buffer[MAX_PATH] = {};
    std::wcsncpy(buffer, path.c_str(), MAX_PATH - 1);
    *ok = PathAppendW(buffer, more);
    return buffer;
}

TEST(SimulatedShell, PathAppendJoinsWithExactlyOneBackslash) {
    struct Row {
        std::wstring path;
        const wchar_t* more;
        BOOL ok;
        std::wstring joined;
    };
    const std::wstring base258(258, L'd');
    const std::vector<Row> rows = {
        {L"C:\\Tessaro", L"Tessaro.ini", TRUE, L"C:\\Tessaro\\Tessaro.ini"},
        {L"C:\\Tessaro", L"\\Tessaro.ini", TRUE, L"C:\\Tessaro\\Tessaro.ini"},
        {L"C:\\Tessaro\\", L"\\Tessaro.ini", TRUE, L"C:\\Tessaro\\Tessaro.ini"},
        {L"C:\\", L"Tessaro.ini", TRUE, L"C:\\Tessaro.ini"},
        {L"C:\\Tessaro", L"Sub\\Updater.exe", TRUE, L"C:\\Tessaro\\Sub\\Updater.exe"},
        {base258.substr(0, 257), L"a", TRUE, base258.substr(0, 257) + L"\\a"}, // 259
        {base258, L"a", FALSE, base258},                                       // 260
    };
    for (const Row& row : rows) {
        BOOL ok = FALSE;
        EXPECT_EQ(Append(row.path, row.more, &ok), row.joined) << row.more;
        EXPECT_EQ(ok, row.ok) << row.more;
    }
}

TEST(SimulatedShell, PathRemoveFileSpecStripsTheLastElement) {
    struct Row {
        std::wstring path;
        BOOL removed;
        std::wstring left;
    };
    const std::vector<Row> rows = {
        {L"C:\\Tessaro\\Tessaro.exe", TRUE, L"C:\\Tessaro"},
        {L"C:\\Tessaro.exe", TRUE, L"C:\\"},
        {L"C:\\Tessaro\\", TRUE, L"C:\\Tessaro"},
        {L"C:\\", FALSE, L"C:\\"},
        {L"Tessaro.exe", TRUE, L""},
        {L"", FALSE, L""},
        {L"\\\\server\\share\\Tessaro.exe", TRUE, L"\\\\server\\share"},
    };
    for (const Row& row : rows) {
        wchar_t buffer[MAX_PATH] = {};
        std::wcsncpy(buffer, row.path.c_str(), MAX_PATH - 1);
        EXPECT_EQ(PathRemoveFileSpecW(buffer), row.removed) << row.path;
        EXPECT_EQ(std::wstring(buffer), row.left) << row.path;
    }
}

TEST(SimulatedShell, PathRemoveBlanksTrimsSpacesOnly) {
    wchar_t buffer[] = L"  C:\\My Files\\a.exe \t  ";
    PathRemoveBlanksW(buffer);
    EXPECT_EQ(std::wstring(buffer), L"C:\\My Files\\a.exe \t");
}

TEST(SimulatedProfile, ReadsLikeTheWindowsReader) {
    SetUpStandardMachine("; comment\r\n"
                         "[Other]\r\nExecFileName=Wrong.exe\r\n"
                         "  [ common ]  \r\n"
                         "  EXECFILENAME  =  Updater.exe  \r\n"
                         "AppTitle=\"Quoted Title\"\r\n"
                         "ExecFileName=Second.exe\r\n"
                         "Empty=\r\n");
    wchar_t value[1000];
    GetPrivateProfileStringW(L"Common", L"ExecFileName", L"", value, 1000, kIni.c_str());
    EXPECT_EQ(std::wstring(value), L"Updater.exe");
    GetPrivateProfileStringW(L"Common", L"AppTitle", L"", value, 1000, kIni.c_str());
    EXPECT_EQ(std::wstring(value), L"Quoted Title");
    GetPrivateProfileStringW(L"Common", L"Empty", L"dflt", value, 1000, kIni.c_str());
    EXPECT_EQ(std::wstring(value), L"");
    GetPrivateProfileStringW(L"Common", L"Missing", L"dflt", value, 1000, kIni.c_str());
    EXPECT_EQ(std::wstring(value), L"dflt");
    GetPrivateProfileStringW(L"Common", L"AppTitle", L"", value, 1000, L"");
    EXPECT_EQ(std::wstring(value), L"");
}

TEST(SimulatedProfile, ReadsUtf16FilesWithTheirByteOrderMark) {
    const std::string ascii = "[Common]\r\nExecFileName=Wide.exe\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : ascii) {
        utf16 += c;
        utf16 += '\0';
    }
    SetUpStandardMachine(utf16);
    wchar_t value[1000];
    GetPrivateProfileStringW(L"Common", L"ExecFileName", L"", value, 1000, kIni.c_str());
    EXPECT_EQ(std::wstring(value), L"Wide.exe");
}

TEST(SimulatedProcess, StartsOnlyPrograms) {
    SetUpStandardMachine();
    sim::AddDirectory(L"C:\\Tessaro\\Updates");
    sim::AddFile(L"C:\\Tessaro\\Readme.txt", "text");
    for (const wchar_t* target : {L"\"C:\\Tessaro\\Updates\"", L"\"C:\\Tessaro\\Readme.txt\"",
                                  L"\"C:\\Tessaro\\Missing.exe\""}) {
        std::wstring commandLine = target;
        STARTUPINFOW startup = {};
        PROCESS_INFORMATION process = {};
        EXPECT_FALSE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                    nullptr, nullptr, &startup, &process))
            << target;
    }
}

TEST(SimulatedProcess, GetModuleFileNameCutsALongPath) {
    sim::Reset();
    sim::TheMachine().modulePath = L"C:\\" + std::wstring(300, L'p') + L"\\Tessaro.exe";
    wchar_t buffer[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, MAX_PATH), MAX_PATH);
    EXPECT_EQ(std::wcslen(buffer), MAX_PATH - 1);
}

} // namespace
