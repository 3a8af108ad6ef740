#include "platform/host/machine.h"

#include <cwctype>

namespace sim {

namespace {
wchar_t Fold(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}
} // namespace

bool NoCase::operator()(const std::wstring& a, const std::wstring& b) const {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t x = Fold(a[i]);
        const wchar_t y = Fold(b[i]);
        if (x != y) {
            return x < y;
        }
    }
    return a.size() < b.size();
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return !NoCase{}(a, b) && !NoCase{}(b, a);
}

Machine& TheMachine() {
    static Machine machine;
    return machine;
}

void Reset() {
    TheMachine() = Machine{};
}

void AddFile(const std::wstring& path, const std::string& bytes) {
    TheMachine().files[path] = bytes;
}

void AddDirectory(const std::wstring& path) {
    TheMachine().directories.insert(path);
}

void AddProgram(const std::wstring& path, const Program& program) {
    AddFile(path, "MZ");
    TheMachine().programs[path] = program;
}

void SetRegistryBytes(const std::wstring& keyPath, const std::wstring& name, DWORD type,
                      const void* bytes, std::size_t size) {
    const BYTE* first = static_cast<const BYTE*>(bytes);
    TheMachine().registry[keyPath].values[name] = RegistryValue{type, {first, first + size}};
}

void SetRegistryDword(const std::wstring& keyPath, const std::wstring& name, DWORD value) {
    // Registry data is little-endian, as is the host.
    SetRegistryBytes(keyPath, name, REG_DWORD, &value, sizeof(value));
}

void SetRegistryQword(const std::wstring& keyPath, const std::wstring& name, ULONGLONG value) {
    SetRegistryBytes(keyPath, name, REG_QWORD, &value, sizeof(value));
}

void SetRegistryString(const std::wstring& keyPath, const std::wstring& name,
                       const std::wstring& value) {
    // Stored as Windows stores it: UTF-16LE with its terminator.
    std::vector<BYTE> bytes;
    for (wchar_t c : value) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>((c >> 8) & 0xFF));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    TheMachine().registry[keyPath].values[name] = RegistryValue{REG_SZ, bytes};
}

std::vector<Call> CallsTo(const std::string& function) {
    std::vector<Call> found;
    for (const Call& call : TheMachine().calls) {
        if (call.function == function) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<std::string> CallNames() {
    std::vector<std::string> names;
    for (const Call& call : TheMachine().calls) {
        names.push_back(call.function);
    }
    return names;
}

Call& Record(const std::string& function, std::vector<std::wstring> args) {
    Machine& m = TheMachine();
    ++m.callCounts[function];
    m.calls.push_back(Call{function, std::move(args)});
    return m.calls.back();
}

bool Faulted(const std::string& function, const std::string& kind) {
    Machine& m = TheMachine();
    const int call = m.callCounts[function];
    for (const Fault& fault : m.faults) {
        if (fault.function == function && fault.call == call && fault.kind == kind) {
            return true;
        }
    }
    return false;
}

std::wstring Text(const wchar_t* text) {
    return text == nullptr ? std::wstring(L"<null>") : std::wstring(text);
}

std::wstring Hex(std::uintptr_t value) {
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return L"0x" + text;
}

std::wstring FromUtf8(const std::string& bytes) {
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < bytes.size(); --extra, ++i) {
            code = (code << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
        }
        text += static_cast<wchar_t>(code);
    }
    return text;
}

std::wstring Number(long long value) {
    return std::to_wstring(value);
}

} // namespace sim
