// Message boxes, internal-error texts and the installer-launch silence.
#include "messages/messages.h"
#include "settings/settings.h"
#include "tests/host/standard_machine.h"

#include <gtest/gtest.h>

namespace {

using sim::CallsTo;

const std::wstring kFirstKey = L"Software\\Quorlane\\Brevitane";
const std::wstring kSecondKey = L"Software\\Wow6432Node\\Quorlane\\Brevitane";

TEST(ReportInternalError, WritesTheCodeWithAtLeastFourDigits) {
    struct Row {
        std::int32_t code;
        const wchar_t* text;
    };
    for (const Row row :
         {Row{1, L"Internal Error : 0001"}, Row{6, L"Internal Error : 0006"},
          Row{12, L"Internal Error : 0012"}, Row{999, L"Internal Error : 0999"},
          Row{12345, L"Internal Error : 12345"}, Row{-5, L"Internal Error : -005"}}) {
        SetUpStandardMachine();
        ReportInternalError(row.code, kIni);
        ASSERT_EQ(sim::TheMachine().boxes.size(), 1u);
        EXPECT_EQ(sim::TheMachine().boxes[0].text, row.text);
        EXPECT_EQ(sim::TheMachine().boxes[0].caption, L"Tessaro Setup");
    }
}

TEST(ShowMessage, PassesTheTextUnchangedWithOneOkButtonAndNoOwner) {
    SetUpStandardMachine();
    ShowMessage(L"first line\nsecond line", kIni);
    ASSERT_EQ(CallsTo("MessageBoxW").size(), 1u);
    EXPECT_EQ(CallsTo("MessageBoxW")[0].args,
              Args({L"<null>", L"first line\nsecond line", L"Tessaro Setup", L"0"}));
}

TEST(ShowMessage, ReadsTheCaptionAnewForEveryBox) {
    SetUpStandardMachine();
    ShowMessage(L"one", kIni);
    sim::AddFile(kIni, "[Common]\r\nAppTitle=Changed\r\n");
    ShowMessage(L"two", kIni);
    sim::AddFile(kIni, "[Common]\r\n");
    ShowMessage(L"three", kIni);
    const auto& boxes = sim::TheMachine().boxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, L"Tessaro Setup");
    EXPECT_EQ(boxes[1].caption, L"Changed");
    EXPECT_EQ(boxes[2].caption, L"");
    // The registry is asked again for every box as well.
    EXPECT_EQ(CallsTo("RegOpenKeyExW").size(), 6u);
}

TEST(ShowMessage, InstallerLaunchUnderTheFirstKeyShowsAndReadsNothing) {
    SetUpStandardMachine();
    sim::SetRegistryDword(kFirstKey, L"LaunchInstaller", 1);
    sim::SetRegistryDword(kSecondKey, L"LaunchInstaller", 0);
    ShowMessage(L"text", kIni);

    EXPECT_TRUE(sim::TheMachine().boxes.empty());
    EXPECT_TRUE(CallsTo("GetPrivateProfileStringW").empty());
    ASSERT_EQ(CallsTo("RegOpenKeyExW").size(), 1u);
    EXPECT_EQ(CallsTo("RegOpenKeyExW")[0].args,
              Args({L"HKEY_LOCAL_MACHINE", kFirstKey, L"0", L"0x20019"}));
    EXPECT_EQ(CallsTo("RegQueryValueExW")[0].args,
              Args({kFirstKey, L"LaunchInstaller", L"<null>", L"4", L"4"}));
    EXPECT_EQ(CallsTo("RegCloseKey")[0].args, Args({kFirstKey}));
    EXPECT_TRUE(sim::TheMachine().openKeys.empty());
}

TEST(ShowMessage, EveryOpenedKeyIsClosedWhateverTheQueryGave) {
    SetUpStandardMachine();
    sim::SetRegistryString(kFirstKey, L"LaunchInstaller", L"1");
    sim::TheMachine().registry[kSecondKey]; // the key exists without the value
    ShowMessage(L"text", kIni);

    EXPECT_EQ(sim::TheMachine().boxes.size(), 1u);
    EXPECT_EQ(CallsTo("RegOpenKeyExW").size(), 2u);
    EXPECT_EQ(CallsTo("RegOpenKeyExW")[1].args[1], kSecondKey);
    EXPECT_EQ(CallsTo("RegCloseKey").size(), 2u);
    EXPECT_TRUE(sim::TheMachine().openKeys.empty());
}

TEST(ShowMessage, AnUnreadableKeyCountsAsNotSet) {
    SetUpStandardMachine();
    sim::SetRegistryDword(kFirstKey, L"LaunchInstaller", 1);
    sim::TheMachine().registry[kFirstKey].readable = false;
    ShowMessage(L"text", kIni);
    EXPECT_EQ(sim::TheMachine().boxes.size(), 1u);
    EXPECT_TRUE(CallsTo("RegCloseKey").empty());

    sim::SetRegistryDword(kSecondKey, L"LaunchInstaller", 1);
    ShowMessage(L"text", kIni);
    EXPECT_EQ(sim::TheMachine().boxes.size(), 1u);
}

TEST(ReadRegistryDword, AcceptsOnlyAWholeDword) {
    struct Row {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
        bool read;
        DWORD value;
    };
    const std::vector<Row> rows = {
        {"dword 1", REG_DWORD, {1, 0, 0, 0}, true, 1},
        {"dword 0x01020304", REG_DWORD, {4, 3, 2, 1}, true, 0x01020304},
        {"two-byte dword", REG_DWORD, {1, 0}, false, 0},
        {"binary of four bytes", REG_BINARY, {1, 0, 0, 0}, false, 0},
        {"string 1", REG_SZ, {'1', 0, 0, 0}, false, 0},
        {"qword 1", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, false, 0},
    };
    for (const Row& row : rows) {
        sim::Reset();
        sim::SetRegistryBytes(kFirstKey, L"LaunchInstaller", row.type, row.data.data(),
                              row.data.size());
        DWORD receiver = 0xDEADBEEF;
        EXPECT_EQ(ReadRegistryDword(kFirstKey.c_str(), L"LaunchInstaller", receiver), row.read)
            << row.what;
        EXPECT_EQ(receiver, row.value) << row.what;
    }
    sim::Reset();
    DWORD receiver = 0xDEADBEEF;
    EXPECT_FALSE(ReadRegistryDword(kFirstKey.c_str(), L"LaunchInstaller", receiver));
    EXPECT_EQ(receiver, 0u);
    EXPECT_TRUE(CallsTo("RegCloseKey").empty());
}

TEST(ReadSetting, CutsLongValuesTo999Characters) {
    SetUpStandardMachine("[Common]\r\nAppTitle=" + std::string(1200, 'T') + "\r\n");
    const std::wstring title = ReadSetting(L"Common", L"AppTitle", kIni);
    EXPECT_EQ(title, std::wstring(999, L'T'));
    EXPECT_EQ(CallsTo("GetPrivateProfileStringW")[0].args,
              Args({L"Common", L"AppTitle", L"", L"1000", kIni}));
}

TEST(ReadSetting, GivesTheEmptyStringForWhatIsMissing) {
    SetUpStandardMachine();
    EXPECT_EQ(ReadSetting(L"Common", L"Missing", kIni), L"");
    EXPECT_EQ(ReadSetting(L"Other", L"AppTitle", kIni), L"");
    EXPECT_EQ(ReadSetting(L"Common", L"AppTitle", L"C:\\Elsewhere\\Tessaro.ini"), L"");
    EXPECT_EQ(ReadSetting(L"Common", L"AppTitle", L""), L"");
    EXPECT_EQ(ReadSetting(L"Common", L"AppTitle", kIni), L"Tessaro Setup");
}

} // namespace
