// The arguments that the process entry gives wWinMain.
#include "runtime/entry_args.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(SkipProgramName, LeavesWhatFollowsTheNameAndItsBlanks) {
    struct Row {
        const wchar_t* commandLine;
        const wchar_t* rest;
    };
    const Row rows[] = {
        {L"Tessaro.exe", L""},
        {L"Tessaro.exe /quiet", L"/quiet"},
        {L"Tessaro.exe \t  /quiet x", L"/quiet x"},
        {L"\"C:\\Program Files\\Tessaro\\Tessaro.exe\"", L""},
        {L"\"C:\\Program Files\\Tessaro\\Tessaro.exe\" a \"b c\"", L"a \"b c\""},
        {L"\"C:\\My Apps\\Tessaro.exe\"/x", L"/x"},
        {L"\"C:\\unterminated quote", L""},
        {L"C:\\Tessaro\\Tessaro.exe   ", L""},
        {L"", L""},
        {L"  leading", L"leading"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(std::wstring(SkipProgramName(row.commandLine)), row.rest) << row.commandLine;
    }
    EXPECT_EQ(std::wstring(SkipProgramName(nullptr)), L"");
}

TEST(ShowCommandFrom, UsesTheStartupShowOnlyWhenItsFlagIsSet) {
    EXPECT_EQ(ShowCommandFrom(0x1, 0), 0);
    EXPECT_EQ(ShowCommandFrom(0x1, 7), 7);
    EXPECT_EQ(ShowCommandFrom(0x101, 3), 3);
    EXPECT_EQ(ShowCommandFrom(0x0, 7), 10);
    EXPECT_EQ(ShowCommandFrom(0x100, 0), 10);
}

} // namespace
