// The executable's own path, the shell's path functions and the bounded copy.
#include "platform/host/machine.h"
#include "runtime/wide_text.h"

#include <cwchar>

using namespace sim;

DWORD GetModuleFileNameW(HMODULE module, LPWSTR filename, DWORD size) {
    Record("GetModuleFileNameW",
           {module == nullptr ? L"<null>" : Hex(reinterpret_cast<std::uintptr_t>(module)),
            Number(size)});
    if (Faulted("GetModuleFileNameW") || size == 0) {
        return 0;
    }
    std::wstring path = TheMachine().modulePath;
    if (Faulted("GetModuleFileNameW", "fill")) {
        while (path.size() < size) {
            path += L"\\deeper";
        }
    }
    // A path that does not fit is cut and terminated, and the full size is
    // returned, as current Windows releases do.
    if (path.size() >= size) {
        path.resize(size - 1);
        std::wmemcpy(filename, path.c_str(), size);
        return size;
    }
    std::wmemcpy(filename, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

namespace {
// Characters at the start of a path that PathRemoveFileSpecW never removes:
// "X:\", "X:", the "\\" of a UNC name, or a leading "\".
std::size_t RootLength(const wchar_t* path, std::size_t length) {
    if (length >= 2 && path[1] == L':') {
        return (length >= 3 && path[2] == L'\\') ? 3 : 2;
    }
    if (length >= 2 && path[0] == L'\\' && path[1] == L'\\') {
        return 2;
    }
    return (length >= 1 && path[0] == L'\\') ? 1 : 0;
}

bool IsAbsolute(const wchar_t* path) {
    return (path[0] != L'\0' && path[1] == L':') || (path[0] == L'\\' && path[1] == L'\\');
}
} // namespace

BOOL PathRemoveFileSpecW(LPWSTR path) {
    Record("PathRemoveFileSpecW", {Text(path)});
    if (path == nullptr || Faulted("PathRemoveFileSpecW")) {
        return FALSE;
    }
    const std::size_t length = std::wcslen(path);
    const std::size_t root = RootLength(path, length);
    std::size_t cut = root;
    for (std::size_t i = root; i < length; ++i) {
        if (path[i] == L'\\') {
            cut = i;
        }
    }
    if (path[cut] == L'\0') {
        return FALSE;
    }
    path[cut] = L'\0';
    return TRUE;
}

BOOL PathAppendW(LPWSTR path, LPCWSTR more) {
    Record("PathAppendW", {Text(path), Text(more)});
    if (path == nullptr || more == nullptr || Faulted("PathAppendW")) {
        return FALSE;
    }
    std::wstring joined;
    if (IsAbsolute(more)) {
        joined = more;
    } else {
        while (*more == L'\\') {
            ++more;
        }
        joined = path;
        if (*more != L'\0') {
            if (!joined.empty() && joined.back() != L'\\') {
                joined += L'\\';
            }
            joined += more;
        }
    }
    if (joined.size() >= MAX_PATH) {
        return FALSE;
    }
    std::wmemcpy(path, joined.c_str(), joined.size() + 1);
    return TRUE;
}

void PathRemoveBlanksW(LPWSTR path) {
    Record("PathRemoveBlanksW", {Text(path)});
    if (path == nullptr) {
        return;
    }
    std::wstring text = path;
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        path[0] = L'\0';
        return;
    }
    text = text.substr(first, text.find_last_not_of(L' ') - first + 1);
    std::wmemcpy(path, text.c_str(), text.size() + 1);
}

BOOL PathFileExistsW(LPCWSTR path) {
    Record("PathFileExistsW", {Text(path)});
    if (path == nullptr) {
        return FALSE;
    }
    const Machine& m = TheMachine();
    return (m.files.count(path) != 0 || m.directories.count(path) != 0) ? TRUE : FALSE;
}

errno_t wcscpy_s(wchar_t* destination, rsize_t capacity, const wchar_t* source) {
    Record("wcscpy_s", {Number(static_cast<long long>(capacity)), Text(source)});
    if (Faulted("wcscpy_s")) {
        if (destination != nullptr && capacity != 0) {
            destination[0] = L'\0';
        }
        return 34;
    }
    return CopyWideBounded(destination, capacity, source);
}
