// The bounded copy and the "%04d" formatting that both builds share.
#include "runtime/wide_text.h"

#include <climits>
#include <cwchar>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FormatDecimalPadded4, MatchesTheCLibrary) {
    const std::int32_t values[] = {0,  1,  6,   12,   999,   1000,   9999,    10000,       12345,
                                   -1, -5, -99, -999, -1000, -12345, INT_MAX, INT_MIN + 1, INT_MIN};
    for (const std::int32_t value : values) {
        wchar_t expected[32];
        std::swprintf(expected, 32, L"%04d", value);
        wchar_t text[kDecimalTextCapacity];
        const std::size_t length = FormatDecimalPadded4(value, text);
        EXPECT_EQ(std::wstring(text), std::wstring(expected)) << value;
        EXPECT_EQ(length, std::wcslen(expected)) << value;
    }
}

TEST(CopyWideBounded, CopiesWhatFitsWithItsTerminator) {
    const std::wstring longest(259, L'a');
    wchar_t buffer[260];
    EXPECT_EQ(CopyWideBounded(buffer, 260, longest.c_str()), 0);
    EXPECT_EQ(std::wstring(buffer), longest);
    EXPECT_EQ(CopyWideBounded(buffer, 260, L""), 0);
    EXPECT_EQ(buffer[0], L'\0');
}

TEST(CopyWideBounded, LeavesTheDestinationEmptyWhenTheTextDoesNotFit) {
    const std::wstring tooLong(260, L'a');
    wchar_t buffer[260];
    buffer[0] = L'x';
    EXPECT_NE(CopyWideBounded(buffer, 260, tooLong.c_str()), 0);
    EXPECT_EQ(buffer[0], L'\0');
}

TEST(CopyWideBounded, RefusesUnusableArguments) {
    wchar_t buffer[4] = {L'x', L'y', 0, 0};
    EXPECT_NE(CopyWideBounded(nullptr, 4, L"a"), 0);
    EXPECT_NE(CopyWideBounded(buffer, 0, L"a"), 0);
    EXPECT_EQ(buffer[0], L'x'); // a zero capacity gives no room to write into
    EXPECT_NE(CopyWideBounded(buffer, 4, nullptr), 0);
    EXPECT_EQ(buffer[0], L'\0');
}

} // namespace
