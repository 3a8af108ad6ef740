// The private-profile reader: settings files in INI form.
#include "platform/host/machine.h"

#include <cwchar>

using namespace sim;

namespace {
// The file's text as the reader sees it: UTF-16LE or UTF-8 when a
// byte-order mark says so, otherwise one character a byte.
std::wstring DecodeFile(const std::string& bytes) {
    std::wstring text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        return text;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        return FromUtf8(bytes.substr(3));
    }
    for (char c : bytes) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return text;
}

std::wstring Trim(const std::wstring& text) {
    const wchar_t* blanks = L" \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring::npos) {
        return std::wstring();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The value of `key` in `section`, or false when there is none.
bool FindValue(const std::wstring& text, const std::wstring& section, const std::wstring& key,
               std::wstring& value) {
    bool inSection = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        const std::wstring line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == L';') {
            continue;
        }
        if (line[0] == L'[') {
            const std::size_t close = line.find(L']');
            const std::wstring name =
                Trim(line.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
            inSection = SameName(name, section);
            continue;
        }
        const std::size_t equals = line.find(L'=');
        if (!inSection || equals == std::wstring::npos ||
            !SameName(Trim(line.substr(0, equals)), key)) {
            continue;
        }
        value = Trim(line.substr(equals + 1));
        const bool quoted = value.size() >= 2 && (value[0] == L'"' || value[0] == L'\'') &&
                            value.back() == value[0];
        if (quoted) {
            value = value.substr(1, value.size() - 2);
        }
        return true;
    }
    return false;
}
} // namespace

DWORD GetPrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR defaultText,
                               LPWSTR returned, DWORD size, LPCWSTR fileName) {
    Record("GetPrivateProfileStringW",
           {Text(appName), Text(keyName), Text(defaultText), Number(size), Text(fileName)});
    if (returned == nullptr || size == 0) {
        return 0;
    }
    std::wstring value = defaultText == nullptr ? std::wstring() : std::wstring(defaultText);
    const Machine& m = TheMachine();
    const auto file =
        (fileName == nullptr || *fileName == L'\0') ? m.files.end() : m.files.find(fileName);
    if (file != m.files.end() && appName != nullptr && keyName != nullptr) {
        std::wstring found;
        if (FindValue(DecodeFile(file->second), appName, keyName, found)) {
            value = found;
        }
    }
    if (value.size() > size - 1) {
        value.resize(size - 1);
    }
    std::wmemcpy(returned, value.c_str(), value.size() + 1);
    return static_cast<DWORD>(value.size());
}
